#include "classes/FormSet.h"

#include <algorithm>
#include <string>
#include <utility>

#include "AtomicFile.h"
#include "ComponentReferences.h"
#include "FormBuilder.h"
#include "FormSync.h"
#include "StoredProperties.h"
#include "classes/FormText.h"
#include "classes/PointerMap.h"

namespace {

// Hears of the freeing of bound components.
class TBindingWatcher : public TComponent {
 public:
  explicit TBindingWatcher(std::function<void(TComponent*)> gone)
      : TComponent(nullptr), FGone(std::move(gone)) {}
  void Notification(TComponent* component, TOperation operation) override {
    TComponent::Notification(component, operation);
    if (operation == TOperation::opRemove) FGone(component);
  }

 private:
  std::function<void(TComponent*)> FGone;
};

// Takes the stored value of one property (by path) from the component's current state.
void RefreshSnapshot(TBinding& binding, const String& path) {
  TFormProperties snapshot = binding.Remembered();
  std::erase_if(snapshot, [&](const TFormProperty& p) { return SameText(p.Name, path); });
  const TFormProperties now = StoredProperties(binding.Component);
  for (size_t i = 0; i < now.size(); ++i) {
    if (SameText(now[i].Name, path)) {
      snapshot.insert(snapshot.begin() + static_cast<ptrdiff_t>(std::min(i, snapshot.size())),
                      now[i]);
    }
  }
  binding.Remember(snapshot);
}

}  // namespace

struct TFormModule::TState {
  ~TState() {
    // The bindings go with the components: the watcher goes first, letting go of them all from
    // its own list at once rather than hearing of each freeing.
    Watcher.reset();
    Root.reset();
  }
  std::filesystem::path FileName;
  std::unique_ptr<TFormDocument> Document;
  std::unique_ptr<TBindingWatcher> Watcher;
  std::unique_ptr<TComponent> Root;
  std::vector<TBinding> Bindings;
  std::vector<TPendingReference> Pending;  // references into forms not open
  std::vector<TFormWarning> Warnings;

  // After Bindings changed: the index is made again when next asked for. Most forms are opened
  // and saved without a component being freed or a reference mended in between.
  void BindingsChanged() { FLiveBindings.reset(); }
  TBinding* BindingOf(const TComponent* component) {
    const size_t* at = LiveBindings().Find(component);
    return at == nullptr ? nullptr : &Bindings[*at];
  }
  void Watch(TComponent* component) { Watcher->FreeNotification(component); }
  void Gone(TComponent* component) {
    if (const size_t* at = LiveBindings().Find(component)) {
      Bindings[*at].Alive = false;
      FLiveBindings->Erase(component);
    }
    if (Pending.empty()) return;
    std::erase_if(Pending, [&](const TPendingReference& r) { return r.Component == component; });
  }

 private:
  // Position in Bindings of each live bound component.
  TPointerMap<const TComponent*, size_t>& LiveBindings() {
    if (!FLiveBindings) {
      FLiveBindings = std::make_unique<TPointerMap<const TComponent*, size_t>>();
      FLiveBindings->Reserve(Bindings.size());
      for (size_t i = 0; i < Bindings.size(); ++i) {
        if (Bindings[i].Alive) (*FLiveBindings)[Bindings[i].Component] = i;
      }
    }
    return *FLiveBindings;
  }
  std::unique_ptr<TPointerMap<const TComponent*, size_t>> FLiveBindings;
};

TFormModule::TFormModule(std::unique_ptr<TState> state) : FState(std::move(state)) {}

TFormModule::~TFormModule() = default;

const std::filesystem::path& TFormModule::FileName() const {
  return FState->FileName;
}
TFormDocument& TFormModule::Document() const {
  return *FState->Document;
}
TComponent* TFormModule::Root() const {
  return FState->Root.get();
}
const std::vector<TFormWarning>& TFormModule::Warnings() const {
  return FState->Warnings;
}

void TFormModule::Sync() {
  // The bindings change: their index goes now, so a large form does not hold it beside the
  // sync's own.
  FState->BindingsChanged();
  SyncDocument(*FState->Document, FState->Root.get(), FState->Bindings,
               [this](TComponent* c) { FState->Watch(c); });
}

std::string TFormModule::Render() {
  Sync();
  return WriteFormText(*FState->Document);
}

void TFormModule::RenderTo(const TFormSink& sink) {
  Sync();
  WriteFormText(*FState->Document, sink);
}

void TFormModule::Save() {
  const std::string bytes = Render();
  try {
    WriteFileAtomically(FState->FileName, bytes);
  } catch (const Exception& e) {
    throw EFormError(e.Message(), FromUtf8(FState->FileName.string()), 0, 0);
  }
}

std::vector<TFormModule*> TFormSet::SaveChanged(const std::vector<TFileText>& alongside) {
  std::vector<TFormModule*> changed;
  std::vector<std::string> texts;
  for (const auto& module : FModules) {
    std::string bytes = module->Render();
    if (ReadFileBytes(module->FileName()) == bytes) continue;
    changed.push_back(module.get());
    texts.push_back(std::move(bytes));
  }
  std::vector<TFileText> files;
  for (size_t i = 0; i < changed.size(); ++i) files.emplace_back(changed[i]->FileName(), texts[i]);
  files.insert(files.end(), alongside.begin(), alongside.end());
  WriteFilesAtomically(files);
  return changed;
}

TFormReadOptions DesignReadOptions() {
  TFormReadOptions options;
  options.Designing = true;
  return options;
}

TFormSet::TFormSet(const TFormReadOptions& options) : FOptions(options) {}

TFormSet::~TFormSet() {
  // Last first, as Close would, but without keeping the other modules' references to write back:
  // no module is written any more, and that bookkeeping made freeing many forms quadratic. The
  // references themselves let go through their free notifications.
  while (!FModules.empty()) FModules.pop_back();
}

TFormModule& TFormSet::Open(const std::filesystem::path& file) {
  return Add(LoadFormFile(file), file);
}

TFormModule& TFormSet::OpenText(std::string_view bytes, const std::filesystem::path& fileName) {
  return Add(ReadFormText(bytes, FromUtf8(fileName.string())), fileName);
}

TFormModule& TFormSet::Add(std::unique_ptr<TFormDocument> document,
                           const std::filesystem::path& file) {
  auto state = std::make_unique<TFormModule::TState>();
  TFormModule::TState* s = state.get();
  s->FileName = file;
  s->Document = std::move(document);
  s->Watcher = std::make_unique<TBindingWatcher>([s](TComponent* c) { s->Gone(c); });
  TFormBuilder builder(FOptions, s->Document->FileName);
  s->Root.reset(builder.Build(*s->Document->Root, nullptr));
  FRoots.push_back(s->Root.get());
  try {
    auto problem = [&](const TPendingReference& ref, const String& message) {
      builder.Problem(message, ref.At);
    };
    for (TPendingReference& ref : ResolveReferences(std::move(builder.Pending), FRoots, problem)) {
      // Unresolved references stay raw; those of properties (not of collection items) may
      // resolve when their form opens.
      if (!ref.Path.empty()) s->Pending.push_back(std::move(ref));
    }
    FinishLoading(builder.Bound, builder);
    s->Bindings.reserve(builder.Bound.size());
    for (const TBoundObject& b : builder.Bound) {
      // The module owns the document; the builder only read it.
      s->Bindings.emplace_back(b.Component, const_cast<TFormObject*>(b.Object))
          .Remember(StoredProperties(b.Component));
      s->Watch(b.Component);
    }
    s->BindingsChanged();
    s->Warnings = std::move(builder.Warnings);
    FModules.emplace_back(new TFormModule(std::move(state)));
  } catch (...) {
    FRoots.pop_back();
    throw;
  }
  TFormModule& module = *FModules.back();
  if (!s->Pending.empty()) FWaiting.push_back(&module);
  RetryReferences(s->Root.get());
  return module;
}

namespace {

// A waiting reference can only resolve through a form opened since: the one its path starts
// with.
bool Names(const TPendingReference& ref, const TComponent* root) {
  const StringView path(ref.Name);
  return !root->Name().empty() && SameText(path.substr(0, path.find('.')), root->Name());
}

}  // namespace

void TFormSet::RetryReferences(const TComponent* opened) {
  std::erase_if(FWaiting, [](const TFormModule* m) { return m->FState->Pending.empty(); });
  for (TFormModule* module : FWaiting) {
    TFormModule::TState& s = *module->FState;
    std::vector<TPendingReference> waiting;
    for (TPendingReference& ref : std::exchange(s.Pending, {})) {
      if (!Names(ref, opened) || FindComponentByPath(ref.Name, ref.LookupRoot, FRoots) == nullptr) {
        waiting.push_back(std::move(ref));
        continue;
      }
      ResolveReferences({ref}, FRoots, [&](const TPendingReference& r, const String& message) {
        const auto [line, column] = r.At.Position();
        s.Warnings.push_back({message, line, column});
      });
      if (TBinding* binding = s.BindingOf(ref.Component)) RefreshSnapshot(*binding, ref.Path);
    }
    s.Pending = std::move(waiting);
  }
}

void TFormSet::Close(TFormModule& module) {
  const auto it = std::find_if(FModules.begin(), FModules.end(),
                               [&](const auto& m) { return m.get() == &module; });
  if (it == FModules.end()) return;
  struct TCleared {
    TFormModule::TState* State;
    TComponent* Component;
    String Path;
  };
  std::vector<TCleared> cleared;
  const String prefix = module.Root()->Name() + STR(".");
  for (const auto& other : FModules) {
    if (other.get() == &module || module.Root()->Name().empty()) continue;
    TFormModule::TState& s = *other->FState;
    for (const TBinding& b : s.Bindings) {
      if (!b.Alive) continue;
      for (const TFormProperty& p : b.Remembered()) {
        if (p.Value.Kind != TFormValueKind::fvIdent || p.Value.Text.size() <= prefix.size() ||
            !SameText(StringView(p.Value.Text).substr(0, prefix.size()), prefix)) {
          continue;
        }
        TObject* target = nullptr;
        const TPropInfo* prop = nullptr;
        if (!FindPropertyTarget(b.Component, p.Name, target, prop) ||
            prop->Kind() != TTypeKind::tkClass) {
          continue;
        }
        try {
          SetPropValue(target, *prop, static_cast<TObject*>(nullptr));
        } catch (const Exception&) {
          continue;
        }
        s.Pending.push_back(
            {b.Component, p.Name, target, prop, p.Value.Text, LookupRootOf(b.Component), p.Source});
        cleared.push_back({&s, b.Component, p.Name});
      }
    }
  }
  FRoots.erase(FRoots.begin() + (it - FModules.begin()));
  FModules.erase(it);
  FWaiting.clear();
  for (const auto& other : FModules) {
    if (!other->FState->Pending.empty()) FWaiting.push_back(other.get());
  }
  for (const TCleared& c : cleared) {
    if (TBinding* binding = c.State->BindingOf(c.Component)) RefreshSnapshot(*binding, c.Path);
  }
}

TFormModule* TFormSet::FindModule(const TComponent* root) const {
  for (const auto& m : FModules) {
    if (m->Root() == root) return m.get();
  }
  return nullptr;
}
