#include "StoredProperties.h"

#include <array>
#include <cstdint>

#include "ComponentReferences.h"
#include "classes/Collection.h"
#include "classes/IntegerConsts.h"
#include "classes/StringList.h"

namespace {

constexpr int kMaxObjectDepth = 16;  // nested persistents (Gutter.Font.Name)

void Add(TFormProperties& out, TFormName name, TFormValue value) {
  out.emplace_back(name, std::move(value));
}

// A property's name as a form name. Interning takes a lock and a hash; every component asks for
// the same few dozen names, so each thread remembers them by property. The spelling is checked
// on a hit: a class freed with its package may leave its address to another.
TFormName FormNameOf(const TPropInfo& prop) {
  struct TSlot {
    const TPropInfo* Prop = nullptr;
    TFormName Name;
  };
  constexpr size_t kSlots = 256;
  thread_local std::array<TSlot, kSlots> slots;
  TSlot& slot = slots[(reinterpret_cast<uintptr_t>(&prop) / sizeof(TPropInfo)) % kSlots];
  if (slot.Prop != &prop || slot.Name.Str() != prop.Name) slot = {&prop, TFormName(prop.Name)};
  return slot.Name;
}

// The value to write; empty when the property cannot be read now (then it is not written).
TValue WrittenValue(const TObject* object, const TPropInfo& prop) {
  try {
    return prop.Written ? prop.Written(object) : GetPropValue(object, prop);
  } catch (const Exception&) {
    return {};
  }
}

bool AtDefault(const TPropInfo& prop, int64_t value) {
  return prop.Default && *prop.Default == value;
}

std::vector<String> SetNames(const TTypeInfo& type, int64_t mask) {
  std::vector<String> names;
  for (size_t bit = 0; bit < type.EnumNames.size() && bit < 64; ++bit) {
    if ((mask >> bit) & 1) names.push_back(type.EnumNames[bit]);
  }
  return names;
}

void Collect(TFormProperties& out, const TObject* object, const String& prefix,
             const TComponent* lookupRoot, int depth);

void CollectObject(TFormProperties& out, const TObject* value, const String& path,
                   const TComponent* lookupRoot, int depth) {
  if (const auto* component = dynamic_cast<const TComponent*>(value)) {
    const String text = ComponentReferenceText(component, lookupRoot);
    if (!text.empty()) Add(out, path, TFormValue::Ident(text));
  } else if (const auto* list = dynamic_cast<const TStringList*>(value)) {
    if (list->Count() == 0) return;
    std::vector<TFormValue> items;
    for (int i = 0; i < list->Count(); ++i) items.push_back(TFormValue::Str(list->Strings(i)));
    Add(out, path + STR(".Strings"), TFormValue::List(std::move(items)));
  } else if (const auto* collection = dynamic_cast<const TCollection*>(value)) {
    if (collection->Count() == 0) return;
    std::vector<TFormItem> items(static_cast<size_t>(collection->Count()));
    const String noPrefix;
    for (int i = 0; i < collection->Count(); ++i) {
      Collect(items[static_cast<size_t>(i)].Properties, collection->Items(i), noPrefix, lookupRoot,
              depth + 1);
    }
    Add(out, path, TFormValue::Collection(std::move(items)));
  } else if (dynamic_cast<const TPersistent*>(value) != nullptr && depth < kMaxObjectDepth) {
    Collect(out, value, path + STR("."), lookupRoot, depth + 1);
  }
}

// The dotted path is made only for a property that is written: most are at their default.
void CollectProperty(TFormProperties& out, const TObject* object, const TPropInfo& prop,
                     const String& prefix, const TComponent* lookupRoot, int depth) {
  const auto path = [&] {
    return prefix.empty() ? FormNameOf(prop) : TFormName(prefix + prop.Name);
  };
  TValue value = WrittenValue(object, prop);
  const TTypeInfo& type = *prop.PropType;
  const auto* number = std::get_if<int64_t>(&value);
  switch (prop.Kind()) {
    case TTypeKind::tkInteger:
    case TTypeKind::tkInt64:
      if (number == nullptr || AtDefault(prop, *number)) return;
      if (auto ident = IntToIdent(type, *number)) {
        Add(out, path(), TFormValue::Ident(*ident));
      } else {
        Add(out, path(), TFormValue::Integer(*number));
      }
      return;
    case TTypeKind::tkEnumeration:
      if (number == nullptr || AtDefault(prop, *number)) return;
      Add(out, path(), TFormValue::Ident(GetEnumName(type, *number)));
      return;
    case TTypeKind::tkSet:
      if (number == nullptr || AtDefault(prop, *number)) return;
      Add(out, path(), TFormValue::Set(SetNames(type, *number)));
      return;
    case TTypeKind::tkFloat:
      if (const auto* f = std::get_if<double>(&value); f != nullptr && *f != 0) {
        Add(out, path(), TFormValue::Float(*f));
      }
      return;
    case TTypeKind::tkString:
      if (auto* s = std::get_if<String>(&value); s != nullptr && !s->empty()) {
        Add(out, path(), TFormValue::Str(std::move(*s)));
      }
      return;
    case TTypeKind::tkMethod:
      if (auto* m = std::get_if<TMethod>(&value); m != nullptr && !m->Name.empty()) {
        Add(out, path(), TFormValue::Ident(std::move(m->Name)));
      }
      return;
    case TTypeKind::tkClass:
      if (const auto* o = std::get_if<TObject*>(&value); o != nullptr && *o != nullptr) {
        CollectObject(out, *o, path().Str(), lookupRoot, depth);
      }
      return;
    case TTypeKind::tkRecord:
      return;
  }
}

bool IsWritten(const TObject* object, const TPropInfo& prop) {
  if (!prop.Set && prop.Kind() != TTypeKind::tkClass) return false;
  return !prop.IsStored || prop.IsStored(object);
}

void Collect(TFormProperties& out, const TObject* object, const String& prefix,
             const TComponent* lookupRoot, int depth) {
  for (const TPropInfo* prop : object->ClassType().AllProps()) {
    if (IsWritten(object, *prop)) CollectProperty(out, object, *prop, prefix, lookupRoot, depth);
  }
}

}  // namespace

TFormProperties StoredProperties(const TComponent* component) {
  TFormProperties properties;
  properties.reserve(8);
  const String noPrefix;
  const TComponent* lookupRoot = LookupRootOf(component);
  bool publishesLeft = false;
  bool publishesTop = false;
  static constexpr StringView kName = STR("Name");
  static constexpr StringView kLeftName = STR("Left");
  static constexpr StringView kTopName = STR("Top");
  for (const TPropInfo* prop : component->ClassType().AllProps()) {
    // The name is the object's header, not a property line.
    if (SameText(prop->Name, kName)) continue;
    publishesLeft = publishesLeft || SameText(prop->Name, kLeftName);
    publishesTop = publishesTop || SameText(prop->Name, kTopName);
    if (IsWritten(component, *prop)) {
      CollectProperty(properties, component, *prop, noPrefix, lookupRoot, 0);
    }
  }
  const auto info = static_cast<uint32_t>(component->DesignInfo());
  const auto left = static_cast<int16_t>(info & 0xFFFF);
  const auto top = static_cast<int16_t>(info >> 16);
  static const TFormName kLeft(STR("Left"));
  static const TFormName kTop(STR("Top"));
  if (left != 0 && !publishesLeft) Add(properties, kLeft, TFormValue::Integer(left));
  if (top != 0 && !publishesTop) Add(properties, kTop, TFormValue::Integer(top));
  return properties;
}

bool FindPropertyTarget(TObject* object, StringView path, TObject*& target,
                        const TPropInfo*& prop) {
  for (size_t dot = path.find('.'); dot != StringView::npos; dot = path.find('.')) {
    const TPropInfo* inner = object->ClassType().FindProp(path.substr(0, dot));
    if (inner == nullptr || inner->Kind() != TTypeKind::tkClass) return false;
    const TValue value = GetPropValue(object, *inner);
    const auto* o = std::get_if<TObject*>(&value);
    if (o == nullptr || *o == nullptr) return false;
    object = *o;
    path = path.substr(dot + 1);
  }
  prop = object->ClassType().FindProp(path);
  target = object;
  return prop != nullptr;
}
