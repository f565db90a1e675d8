#include "classes/TypInfo.h"

#include <map>
#include <mutex>
#include <unordered_map>

#include "classes/Component.h"

// --- TObject ---

const TClassInfo& TObject::StaticClass() {
  static const TClassInfo info{STR("TObject"), nullptr, nullptr, {}, {}, {}, {}};
  return info;
}

String TObject::ClassName() const {
  return ClassType().Name;
}
bool TObject::ClassNameIs(StringView name) const {
  return SameText(ClassType().Name, name);
}
bool TObject::InheritsFrom(const TClassInfo& cls) const {
  return ClassType().InheritsFrom(cls);
}

// --- type descriptions ---

const TTypeInfo& TypeInfoInteger() {
  static const TTypeInfo t{TTypeKind::tkInteger, STR("Integer"), {}, nullptr};
  return t;
}
const TTypeInfo& TypeInfoInt64() {
  static const TTypeInfo t{TTypeKind::tkInt64, STR("Int64"), {}, nullptr};
  return t;
}
const TTypeInfo& TypeInfoCardinal() {
  static const TTypeInfo t{TTypeKind::tkInteger, STR("Cardinal"), {}, nullptr};
  return t;
}
const TTypeInfo& TypeInfoBoolean() {
  static const TTypeInfo t{
      TTypeKind::tkEnumeration, STR("Boolean"), {STR("False"), STR("True")}, nullptr};
  return t;
}
const TTypeInfo& TypeInfoFloat() {
  static const TTypeInfo t{TTypeKind::tkFloat, STR("Double"), {}, nullptr};
  return t;
}
const TTypeInfo& TypeInfoString() {
  static const TTypeInfo t{TTypeKind::tkString, STR("string"), {}, nullptr};
  return t;
}
const TTypeInfo& TypeInfoFileName() {
  static const TTypeInfo t{TTypeKind::tkString, STR("TFileName"), {}, nullptr};
  return t;
}

const TTypeInfo& TypeInfoMethod(String name) {
  static std::map<String, std::unique_ptr<TTypeInfo>> types;
  static std::mutex lock;
  std::lock_guard guard(lock);
  auto& slot = types[name];
  if (!slot) slot = std::make_unique<TTypeInfo>(TTypeInfo{TTypeKind::tkMethod, name, {}, nullptr});
  return *slot;
}

const TTypeInfo& TypeInfoClass(const TClassInfo& cls) {
  static std::map<const TClassInfo*, std::unique_ptr<TTypeInfo>> types;
  static std::mutex lock;
  std::lock_guard guard(lock);
  auto& slot = types[&cls];
  if (!slot)
    slot = std::make_unique<TTypeInfo>(TTypeInfo{TTypeKind::tkClass, cls.Name, {}, &cls, nullptr});
  return *slot;
}

String TTypeInfo::Name() const {
  const TClassInfo* cls = ClassType();
  return cls != nullptr ? cls->Name : OwnName;
}

// --- class information ---

bool TClassInfo::InheritsFrom(const TClassInfo& other) const {
  for (const TClassInfo* c = this; c != nullptr; c = c->Parent) {
    if (c == &other) return true;
  }
  return false;
}

struct TClassInfo::TPropIndex {
  const TClassInfo* Owner = nullptr;
  size_t Count = 0;  // properties of the chain when made
  std::vector<const TPropInfo*> All;
  std::unordered_map<StringView, const TPropInfo*, TTextHash, TTextEqual> ByName;
};

namespace {

size_t ChainPropCount(const TClassInfo* cls) {
  size_t count = 0;
  for (const TClassInfo* c = cls; c != nullptr; c = c->Parent) count += c->Props.size();
  return count;
}

}  // namespace

std::shared_ptr<const TClassInfo::TPropIndex> TClassInfo::Index() const {
  static std::mutex lock;
  std::lock_guard guard(lock);
  const size_t count = ChainPropCount(this);
  if (PropIndex && PropIndex->Owner == this && PropIndex->Count == count) return PropIndex;
  auto index = std::make_shared<TPropIndex>();
  index->Owner = this;
  index->Count = count;
  std::vector<const TClassInfo*> chain;
  for (const TClassInfo* c = this; c != nullptr; c = c->Parent) chain.push_back(c);
  for (auto it = chain.rbegin(); it != chain.rend(); ++it) {
    for (const auto& p : (*it)->Props) index->All.push_back(&p);
  }
  // The nearest class's property wins over an ancestor's of the same name.
  for (const TClassInfo* c : chain) {
    for (const auto& p : c->Props) index->ByName.try_emplace(p.Name, &p);
  }
  PropIndex = std::move(index);
  return PropIndex;
}

const TPropInfo* TClassInfo::FindProp(StringView name) const {
  const auto index = Index();
  const auto it = index->ByName.find(name);
  return it == index->ByName.end() ? nullptr : it->second;
}

const TMethodInfo* TClassInfo::FindMethod(StringView name) const {
  for (const TClassInfo* c = this; c != nullptr; c = c->Parent) {
    for (const auto& m : c->Methods) {
      if (SameText(m.Name, name)) return &m;
    }
  }
  return nullptr;
}

const std::vector<const TPropInfo*>& TClassInfo::AllProps() const {
  // The index lives as long as the class unless the class gains properties, which the
  // callers do not do while they walk the list.
  return Index()->All;
}

// --- properties by name ---

namespace {

const TPropInfo& RequireProp(const TObject* instance, StringView name) {
  const TPropInfo* prop = instance->ClassType().FindProp(name);
  if (prop == nullptr)
    throw EPropertyError(STR("Property ") + String(name) + STR(" does not exist"));
  return *prop;
}

template <class V>
V GetAs(const TObject* instance, StringView name) {
  const TValue value = GetPropValue(instance, RequireProp(instance, name));
  if (const V* v = std::get_if<V>(&value)) return *v;
  throw EPropertyError(STR("Invalid property type: ") + String(name));
}

}  // namespace

const TPropInfo* GetPropInfo(const TObject* instance, StringView name) {
  return instance->ClassType().FindProp(name);
}
const TPropInfo* GetPropInfo(const TClassInfo& cls, StringView name) {
  return cls.FindProp(name);
}
bool IsPublishedProp(const TObject* instance, StringView name) {
  return GetPropInfo(instance, name) != nullptr;
}

TValue GetPropValue(const TObject* instance, const TPropInfo& prop) {
  return prop.Get(instance);
}

void SetPropValue(TObject* instance, const TPropInfo& prop, const TValue& value) {
  if (!prop.Set) throw EPropertyError(STR("Property ") + prop.Name + STR(" is read-only"));
  prop.Set(instance, value);
}

int64_t GetOrdProp(const TObject* instance, StringView name) {
  return GetAs<int64_t>(instance, name);
}
void SetOrdProp(TObject* instance, StringView name, int64_t value) {
  SetPropValue(instance, RequireProp(instance, name), value);
}
String GetStrProp(const TObject* instance, StringView name) {
  return GetAs<String>(instance, name);
}
void SetStrProp(TObject* instance, StringView name, const String& value) {
  SetPropValue(instance, RequireProp(instance, name), value);
}
double GetFloatProp(const TObject* instance, StringView name) {
  return GetAs<double>(instance, name);
}
void SetFloatProp(TObject* instance, StringView name, double value) {
  SetPropValue(instance, RequireProp(instance, name), value);
}
TObject* GetObjectProp(const TObject* instance, StringView name) {
  return GetAs<TObject*>(instance, name);
}
void SetObjectProp(TObject* instance, StringView name, TObject* value) {
  SetPropValue(instance, RequireProp(instance, name), value);
}
TMethod GetMethodProp(const TObject* instance, StringView name) {
  return GetAs<TMethod>(instance, name);
}
void SetMethodProp(TObject* instance, StringView name, const TMethod& value) {
  SetPropValue(instance, RequireProp(instance, name), value);
}

String GetEnumName(const TTypeInfo& type, int64_t value) {
  if (value < 0 || static_cast<size_t>(value) >= type.EnumNames.size()) return IntToStr(value);
  return type.EnumNames[static_cast<size_t>(value)];
}

int64_t GetEnumValue(const TTypeInfo& type, StringView name) {
  for (size_t i = 0; i < type.EnumNames.size(); ++i) {
    if (SameText(type.EnumNames[i], name)) return static_cast<int64_t>(i);
  }
  return -1;
}

// --- the class registry ---

namespace {

// Looked up by any view of a name, without making an upper-case copy first.
struct TNameHash : TTextHash {
  using is_transparent = void;
};
struct TNameEqual : TTextEqual {
  using is_transparent = void;
};

struct Registry {
  std::unordered_map<String, const TClassInfo*, TNameHash, TNameEqual> byName;
};

Registry& TheRegistry() {
  static Registry registry;
  return registry;
}

}  // namespace

void RegisterClass(const TClassInfo& cls) {
  TheRegistry().byName.insert_or_assign(cls.Name, &cls);
}

void RegisterClassAlias(const TClassInfo& cls, const String& alias) {
  TheRegistry().byName.insert_or_assign(alias, &cls);
}

void UnRegisterClass(const TClassInfo& cls) {
  std::erase_if(TheRegistry().byName, [&](const auto& entry) { return entry.second == &cls; });
}

TClass GetClass(StringView name) {
  const auto& map = TheRegistry().byName;
  const auto it = map.find(name);
  return it == map.end() ? nullptr : it->second;
}

const TClassInfo& FindClass(StringView name) {
  if (TClass cls = GetClass(name)) return *cls;
  throw EClassNotFound(STR("Class ") + String(name) + STR(" not found"));
}
