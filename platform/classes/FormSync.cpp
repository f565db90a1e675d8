#include "FormSync.h"

#include <algorithm>
#include <unordered_map>
#include <unordered_set>
#include <utility>

#include "StoredProperties.h"
#include "classes/PointerMap.h"

namespace {

// --- re-indenting moved blocks ---

void ReplaceLinePrefixes(std::string& text, size_t from, const std::string& oldPrefix,
                         const std::string& newPrefix) {
  for (size_t pos = from; pos <= text.size();) {
    if (text.compare(pos, oldPrefix.size(), oldPrefix) == 0) {
      text.replace(pos, oldPrefix.size(), newPrefix);
      pos += newPrefix.size();
    }
    const size_t lineBreak = text.find_first_of("\r\n", pos);
    if (lineBreak == std::string::npos) break;
    pos = lineBreak + 1;
    if (text[lineBreak] == '\r' && pos < text.size() && text[pos] == '\n') ++pos;
  }
}

void Reindent(TFormSource& source, const std::string& from, const std::string& to) {
  if (!source.Present()) return;
  std::string leading(source.Leading());
  const size_t lastBreak = leading.find_last_of("\r\n");
  if (lastBreak != std::string::npos) {
    ReplaceLinePrefixes(leading, lastBreak + 1, from, to);
  } else if (source.AtLineStart()) {
    ReplaceLinePrefixes(leading, 0, from, to);
  }
  // Continuation lines of multi-line values.
  std::string text(source.Text());
  const size_t firstBreak = text.find_first_of("\r\n");
  if (firstBreak != std::string::npos) {
    std::string rest = text.substr(firstBreak);
    ReplaceLinePrefixes(rest, 1, from, to);
    text = text.substr(0, firstBreak) + rest;
  }
  source = TFormSource(leading, text, source.Trailing(), source.AtLineStart());
}

void Reindent(TFormProperties& properties, const std::string& from, const std::string& to) {
  for (TFormProperty& p : properties) {
    Reindent(p.Source, from, to);
    if (p.Value.Kind != TFormValueKind::fvCollection) continue;
    if (std::as_const(p).Tail().Present()) Reindent(p.Tail(), from, to);
    for (TFormItem& item : p.Value.CollectionItems()) {
      Reindent(item.Head, from, to);
      Reindent(item.End, from, to);
      Reindent(item.Properties, from, to);
    }
  }
}

void Reindent(TFormObject& object, const std::string& from, const std::string& to) {
  Reindent(object.Head, from, to);
  Reindent(object.End, from, to);
  Reindent(object.Properties, from, to);
  for (int i = 0; i < object.ChildCount(); ++i) Reindent(*object.Child(i), from, to);
}

std::string ObjectIndent(const TFormObject& object);

// Where the children of parent start their lines.
std::string ChildIndent(const TFormObject& parent) {
  for (int i = 0; i < parent.ChildCount(); ++i) {
    if (auto indent = parent.Child(i)->Head.Indent()) return *indent;
  }
  for (const TFormProperty& p : parent.Properties) {
    if (auto indent = p.Source.Indent()) return *indent;
  }
  return ObjectIndent(parent) + "  ";
}

std::string ObjectIndent(const TFormObject& object) {
  if (auto indent = object.Head.Indent()) return *indent;
  return object.Parent() != nullptr ? ChildIndent(*object.Parent()) : std::string();
}

void MoveInto(std::unique_ptr<TFormObject> object, TFormObject& target) {
  const std::string to = ChildIndent(target);
  if (auto from = object->Head.Indent(); from && *from != to) Reindent(*object, *from, to);
  target.AddChild(std::move(object));
}

bool IsWithin(const TFormObject* object, const TFormObject* ancestor) {
  for (const TFormObject* o = object; o != nullptr; o = o->Parent()) {
    if (o == ancestor) return true;
  }
  return false;
}

// --- properties ---

const TFormProperty* Find(const TFormProperties& properties, StringView name) {
  return FindFormProperty(properties, name);
}

// Inserts a new property next to its neighbours in declared order.
void InsertProperty(TFormProperties& document, const TFormProperties& after, size_t index) {
  for (size_t next = index + 1; next < after.size(); ++next) {
    for (size_t i = 0; i < document.size(); ++i) {
      if (SameText(document[i].Name, after[next].Name)) {
        document.insert(document.begin() + static_cast<ptrdiff_t>(i), after[index]);
        return;
      }
    }
  }
  document.push_back(after[index]);
}

bool ChangeItems(TFormProperty& property, const TFormProperty& before, const TFormProperty& after) {
  if (property.Modified || property.Value.Kind != TFormValueKind::fvCollection ||
      after.Value.Kind != TFormValueKind::fvCollection) {
    return false;
  }
  auto& items = property.Value.CollectionItems();
  const auto& old = before.Value.CollectionItems();
  const auto& now = after.Value.CollectionItems();
  if (items.size() != now.size() || old.size() != now.size()) return false;
  for (size_t i = 0; i < items.size(); ++i) {
    ApplyPropertyChanges(items[i].Properties, old[i].Properties, now[i].Properties);
  }
  return true;
}

}  // namespace

TFormProperties TBinding::Remembered() const {
  if (const auto* snapshot = std::get_if<TPropertySnapshot>(&FKept)) return snapshot->Properties();
  const auto& inBlock = std::get<0>(FKept);
  TFormProperties properties;
  properties.reserve(inBlock.size());
  for (uint16_t i : inBlock) {
    if (i >= Object->Properties.size()) continue;
    const TFormProperty& p = Object->Properties[i];
    properties.emplace_back(p.Name, p.Value);
  }
  return properties;
}

void TBinding::Remember(const TFormProperties& stored) {
  const TFormProperties& block = Object->Properties;
  std::basic_string<uint16_t> inBlock;
  bool asBlock = block.size() <= UINT16_MAX;
  // Mostly in the block's order: look from where the last one was found.
  size_t from = 0;
  for (size_t s = 0; s < stored.size() && asBlock; ++s) {
    asBlock = false;
    for (size_t n = 0; n < block.size(); ++n) {
      const size_t i = (from + n) % block.size();
      if (SameText(block[i].Name, stored[s].Name)) {
        asBlock = block[i].Value.SameAs(stored[s].Value);
        inBlock += static_cast<uint16_t>(i);
        from = i + 1;
        break;
      }
    }
  }
  if (asBlock) {
    inBlock.shrink_to_fit();
    FKept = std::move(inBlock);
  } else {
    FKept = TPropertySnapshot(stored);
  }
}

bool TBinding::Differs(const TFormProperties& stored) const {
  if (const auto* snapshot = std::get_if<TPropertySnapshot>(&FKept)) {
    return !(TPropertySnapshot(stored) == *snapshot);
  }
  const auto& inBlock = std::get<0>(FKept);
  if (stored.size() != inBlock.size()) return true;
  for (size_t s = 0; s < stored.size(); ++s) {
    if (inBlock[s] >= Object->Properties.size()) return true;
    const TFormProperty& p = Object->Properties[inBlock[s]];
    if (!SameText(p.Name, stored[s].Name) || !p.Value.SameAs(stored[s].Value)) return true;
  }
  return false;
}

void ApplyPropertyChanges(TFormProperties& document, const TFormProperties& before,
                          const TFormProperties& after) {
  for (size_t i = 0; i < after.size(); ++i) {
    const TFormProperty& now = after[i];
    const TFormProperty* old = Find(before, now.Name);
    if (old != nullptr && old->Value.SameAs(now.Value)) continue;
    TFormProperty* current = FindFormProperty(document, now.Name);
    if (current == nullptr) {
      InsertProperty(document, after, i);
    } else if (!current->Value.SameAs(now.Value) &&
               (old == nullptr || !ChangeItems(*current, *old, now))) {
      current->SetValue(now.Value);
    }
  }
  for (const TFormProperty& old : before) {
    if (Find(after, old.Name) != nullptr) continue;
    std::erase_if(document, [&](const TFormProperty& p) { return SameText(p.Name, old.Name); });
  }
}

namespace {

class TSync {
 public:
  TSync(TFormDocument& document, TComponent* root, std::vector<TBinding>& bindings,
        const std::function<void(TComponent*)>& watch)
      : FDocument(document), FRoot(root), FBindings(bindings), FWatch(watch) {}

  void Run() {
    FComponents.Reserve(FBindings.size());
    Collect(FRoot);
    for (size_t i = 0; i < FBindings.size(); ++i) {
      TBinding& b = FBindings[i];
      if (TEntry* e = FComponents.Find(b.Component); b.Alive && e != nullptr && e->Live) {
        e->Binding = static_cast<uint32_t>(i);
      }
    }
    RemoveGone();
    // New components first, in their owner's order: a moved child must not pull its new
    // parent ahead of the new components that stand before it.
    for (TComponent* c : FOrder) {
      if (BindingOf(c) == kNone) Place(c);
    }
    for (TComponent* c : FOrder) Place(c);
    for (TBinding& b : FBindings) {
      const TEntry* e = FComponents.Find(b.Component);
      if (e == nullptr || e->Binding == kNone || e->New) continue;
      if (b.Object->Name != b.Component->Name()) b.Object->Rename(b.Component->Name());
      const TFormProperties now = StoredProperties(b.Component);
      if (!b.Differs(now)) continue;
      ApplyPropertyChanges(b.Object->Properties, b.Remembered(), now);
      b.Remember(now);
    }
  }

 private:
  // The components written: the root and what it owns, and what embedded frames own.
  void Collect(TComponent* owner) {
    if (owner == FRoot) Add(owner);
    for (int i = 0; i < owner->ComponentCount(); ++i) {
      TComponent* c = owner->Components(i);
      Add(c);
      if (c->IsInline()) Collect(c);
    }
  }
  void Add(TComponent* c) {
    TEntry& e = FComponents[c];
    if (e.Live) return;
    e.Live = true;
    FOrder.push_back(c);
  }

  bool IsLive(const TFormObject* object) const { return FByObject.Find(object) != nullptr; }
  bool IsLiveComponent(const TComponent* c) const {
    const TEntry* e = FComponents.Find(c);
    return e != nullptr && e->Live;
  }
  // The position of a live component's binding; kNone when it has none.
  uint32_t BindingOf(const TComponent* c) const {
    const TEntry* e = FComponents.Find(c);
    return e != nullptr ? e->Binding : kNone;
  }

  // Takes the blocks of live components out of a block that goes.
  void Rescue(TFormObject& object) {
    for (int i = object.ChildCount() - 1; i >= 0; --i) {
      TFormObject* child = object.Child(i);
      if (IsLive(child)) {
        FOrphans[child] = object.TakeChild(i);
      } else {
        Rescue(*child);
      }
    }
  }

  void RemoveGone() {
    std::vector<bool> keep(FBindings.size());
    std::unordered_set<const TFormObject*> gone;
    for (size_t i = 0; i < FBindings.size(); ++i) {
      keep[i] = BindingOf(FBindings[i].Component) == i;
      if (!keep[i] && FBindings[i].Object != FDocument.Root.get()) gone.insert(FBindings[i].Object);
    }
    if (std::find(keep.begin(), keep.end(), false) == keep.end()) return;
    // The blocks of live components, made only when some go.
    FByObject.Reserve(FBindings.size());
    for (size_t i = 0; i < FBindings.size(); ++i) {
      if (FBindings[i].Alive && IsLiveComponent(FBindings[i].Component)) {
        FByObject[FBindings[i].Object] = i;
      }
    }
    std::unordered_set<const TFormObject*> dropped;
    std::unordered_set<TFormObject*> parents;
    for (size_t i = 0; i < FBindings.size(); ++i) {
      TFormObject* object = FBindings[i].Object;
      if (keep[i] || gone.count(object) == 0 || IsLive(object)) continue;
      // Inner blocks go with the outermost block that goes.
      bool inner = false;
      for (const TFormObject* o = object->Parent(); o != nullptr && !inner; o = o->Parent()) {
        inner = gone.count(o) > 0;
      }
      if (inner) continue;
      Rescue(*object);
      if (TFormObject* parent = object->Parent()) {
        dropped.insert(object);
        parents.insert(parent);
      } else {
        FOrphans.erase(object);
      }
    }
    // A parent drops its gone blocks in one pass: thousands of them may go from one module.
    for (TFormObject* parent : parents) {
      parent->DropChildren([&](const TFormObject* child) { return dropped.count(child) > 0; });
    }
    std::vector<TBinding> kept;
    kept.reserve(FBindings.size());
    for (size_t i = 0; i < FBindings.size(); ++i) {
      if (keep[i]) kept.push_back(std::move(FBindings[i]));
    }
    FBindings = std::move(kept);
    for (size_t i = 0; i < FBindings.size(); ++i) {
      FComponents[FBindings[i].Component].Binding = static_cast<uint32_t>(i);
    }
  }

  TFormObject* BlockOf(TComponent* c) {
    if (c == nullptr) return nullptr;
    Place(c);
    const uint32_t i = BindingOf(c);
    return i == kNone ? nullptr : FBindings[i].Object;
  }

  bool Attached(const TFormObject* object) const {
    return object == FDocument.Root.get() || object->Parent() != nullptr;
  }

  void Place(TComponent* c) {
    TEntry& entry = FComponents[c];
    if (entry.Placed || c == FRoot) return;
    entry.Placed = true;
    TComponent* parent = c->GetParentComponent();
    if (parent == c || !IsLiveComponent(parent)) parent = nullptr;
    const uint32_t at = entry.Binding;
    TFormObject* object = at == kNone ? nullptr : FBindings[at].Object;
    if (object != nullptr && Attached(object)) {
      TFormObject* target = BlockOf(parent);
      if (target != nullptr && target != object->Parent() && !IsWithin(target, object)) {
        MoveInto(object->Parent()->RemoveChild(object), *target);
      }
      return;
    }
    TFormObject* target = BlockOf(parent);
    if (target == nullptr) target = BlockOf(c->Owner());
    if (target == nullptr) target = FDocument.Root.get();
    if (const auto orphan = FOrphans.find(object); orphan != FOrphans.end()) {
      MoveInto(std::move(orphan->second), *target);
      FOrphans.erase(orphan);
      return;
    }
    auto created = std::make_unique<TFormObject>();
    created->Kind = c->IsInline() ? TFormObjectKind::okInline : TFormObjectKind::okObject;
    created->Name = c->Name();
    created->ClassName = c->ClassName();
    created->Properties = StoredProperties(c);
    TBinding binding(c, target->AddChild(std::move(created)));
    binding.Remember(binding.Object->Properties);
    TEntry& added = FComponents[c];
    added.New = true;
    added.Binding = static_cast<uint32_t>(FBindings.size());
    FBindings.push_back(std::move(binding));
    FWatch(c);
  }

  TFormDocument& FDocument;
  TComponent* FRoot;
  std::vector<TBinding>& FBindings;
  const std::function<void(TComponent*)>& FWatch;
  std::vector<TComponent*> FOrder;
  static constexpr uint32_t kNone = UINT32_MAX;
  struct TEntry {
    uint32_t Binding = kNone;  // position in FBindings
    bool Live = false;         // written: the root, what it owns, what embedded frames own
    bool Placed = false;
    bool New = false;  // got its binding in this run
  };
  TPointerMap<const TComponent*, TEntry> FComponents;
  TPointerMap<const TFormObject*, size_t> FByObject;  // while blocks go
  std::unordered_map<TFormObject*, std::unique_ptr<TFormObject>> FOrphans;
};

}  // namespace

void SyncDocument(TFormDocument& document, TComponent* root, std::vector<TBinding>& bindings,
                  const std::function<void(TComponent*)>& watch) {
  TSync(document, root, bindings, watch).Run();
}
