#pragma once
// Run-time type information: classes, published properties and methods by name.
#include <any>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <type_traits>
#include <variant>
#include <vector>

#include "rtl/Exceptions.h"
#include "rtl/Object.h"
#include "rtl/SysUtils.h"

class TComponent;

enum class TTypeKind {
  tkInteger,
  tkInt64,
  tkEnumeration,
  tkSet,
  tkFloat,
  tkString,
  tkClass,
  tkMethod,
  tkRecord
};

struct TTypeInfo {
  TTypeKind Kind;
  String OwnName;  // "Integer", "Boolean", "string", "TFileName"; empty for class types: see Name()
  std::vector<String> EnumNames;  // enumeration members, or the members of a set's element type
  // tkClass only: the class, or a function giving it on first use, so that two classes can have
  // properties of each other's class. Compare class types by ClassType(), not by identity.
  const TClassInfo* Class = nullptr;
  const TClassInfo& (*ClassOf)() = nullptr;
  const TClassInfo* ClassType() const {
    return Class != nullptr ? Class : ClassOf != nullptr ? &ClassOf() : nullptr;
  }
  // "Integer", "Boolean", "TFileName", "TDataSource", ...
  String Name() const;
};

// Built-in type descriptions. Named string types such as TFileName are distinct types.
const TTypeInfo& TypeInfoInteger();
const TTypeInfo& TypeInfoInt64();
const TTypeInfo& TypeInfoCardinal();
const TTypeInfo& TypeInfoBoolean();
const TTypeInfo& TypeInfoFloat();
const TTypeInfo& TypeInfoString();
const TTypeInfo& TypeInfoFileName();
const TTypeInfo& TypeInfoMethod(String name = STR("TNotifyEvent"));
// The description of properties of class cls (one per class, made on first use).
const TTypeInfo& TypeInfoClass(const TClassInfo& cls);
// The same for class T, resolving T's class information only when it is asked for.
template <class T>
const TTypeInfo& TypeInfoClassOf() {
  static const TTypeInfo info{TTypeKind::tkClass, String(), {}, nullptr, &T::StaticClass};
  return info;
}

// A method pointer: the object whose class provides the method, and the method's name. Form
// files store event handlers by name; invoking one looks the name up in Data's method table.
struct TMethod {
  TObject* Data = nullptr;
  String Name;
  bool Assigned() const { return Data != nullptr || !Name.empty(); }
  bool operator==(const TMethod&) const = default;
};

// A property value in transit: ordinals (enumerations, sets, Booleans, integers) as int64.
using TValue = std::variant<std::monostate, int64_t, double, String, TObject*, TMethod, std::any>;

struct TPropInfo {
  String Name;
  const TTypeInfo* PropType = nullptr;
  std::function<TValue(const TObject*)> Get;
  std::function<void(TObject*, const TValue&)> Set;  // null for read-only properties
  std::optional<int64_t> Default;                    // ordinal default: not written when equal
  std::function<bool(const TObject*)> IsStored;      // null means always stored
  // What form files store when it is not the live value (a connection keeps the Connected it
  // was read with); null means Get.
  std::function<TValue(const TObject*)> Written;
  TTypeKind Kind() const { return PropType->Kind; }
};

struct TMethodInfo {
  String Name;
  std::any Invoker;  // std::function<R(TObject*, Args...)>
};

struct TClassInfo {
  String Name;
  const TClassInfo* Parent = nullptr;
  // Creates an instance owned by the given owner; null for abstract classes.
  std::function<TObject*(TComponent* owner)> Create;
  std::vector<TPropInfo> Props;      // this class's own published properties, in declared order
  std::vector<TMethodInfo> Methods;  // methods invocable by name
  // The Pascal unit that declares the class, which a form's unit must use; empty when unknown.
  String UnitName;

  bool InheritsFrom(const TClassInfo& other) const;
  // Looks up a property or method by name (ASCII case-insensitive) here and in the ancestors.
  const TPropInfo* FindProp(StringView name) const;
  const TMethodInfo* FindMethod(StringView name) const;
  // All published properties, ancestors' first.
  const std::vector<const TPropInfo*>& AllProps() const;

  // The properties of the chain by name, made on first use and again when a class of the
  // chain gained properties: reading a form looks up every property it names.
  struct TPropIndex;
  mutable std::shared_ptr<const TPropIndex> PropIndex;

 private:
  std::shared_ptr<const TPropIndex> Index() const;
};

using TClass = const TClassInfo*;

// --- properties by name (raise EPropertyError "Property X does not exist" when missing) ---
const TPropInfo* GetPropInfo(const TObject* instance, StringView name);
const TPropInfo* GetPropInfo(const TClassInfo& cls, StringView name);
bool IsPublishedProp(const TObject* instance, StringView name);
TValue GetPropValue(const TObject* instance, const TPropInfo& prop);
void SetPropValue(TObject* instance, const TPropInfo& prop, const TValue& value);
int64_t GetOrdProp(const TObject* instance, StringView name);
void SetOrdProp(TObject* instance, StringView name, int64_t value);
String GetStrProp(const TObject* instance, StringView name);
void SetStrProp(TObject* instance, StringView name, const String& value);
double GetFloatProp(const TObject* instance, StringView name);
void SetFloatProp(TObject* instance, StringView name, double value);
TObject* GetObjectProp(const TObject* instance, StringView name);
void SetObjectProp(TObject* instance, StringView name, TObject* value);
TMethod GetMethodProp(const TObject* instance, StringView name);
void SetMethodProp(TObject* instance, StringView name, const TMethod& value);
String GetEnumName(const TTypeInfo& type, int64_t value);
// -1 when the name is no member (case-insensitive).
int64_t GetEnumValue(const TTypeInfo& type, StringView name);

// --- methods by name ---
// Invokes the method named m.Name on m.Data. An unassigned method does nothing; a method that
// the class does not provide does nothing either (design-time handlers of user forms have no
// code); a provided method with another signature raises EInvalidCast.
template <class R = void, class... Args>
R CallMethod(const TMethod& m, Args... args) {
  if (m.Data == nullptr) return R();
  const TMethodInfo* info = m.Data->ClassType().FindMethod(m.Name);
  if (info == nullptr) return R();
  const auto* fn = std::any_cast<std::function<R(TObject*, Args...)>>(&info->Invoker);
  if (fn == nullptr) throw EInvalidCast();
  return (*fn)(m.Data, std::forward<Args>(args)...);
}

// --- the class registry ---
void RegisterClass(const TClassInfo& cls);
void RegisterClassAlias(const TClassInfo& cls, const String& alias);
void UnRegisterClass(const TClassInfo& cls);
// Null when no class of that name is registered (case-insensitive).
TClass GetClass(StringView name);
// Raises EClassNotFound "Class X not found".
const TClassInfo& FindClass(StringView name);

template <class T>
T* As(TObject* object) {
  if (object == nullptr) return nullptr;
  if (!object->InheritsFrom(T::StaticClass())) throw EInvalidCast();
  return static_cast<T*>(object);
}

#include "classes/ClassBuilder.h"
