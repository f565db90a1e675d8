#pragma once
// Reaches the members of a component whose class is known only by name, checking each member's
// kind: a member that is missing or of another kind raises, so callers can fall back.
#include "classes/StringList.h"
#include "classes/TypInfo.h"

class TRttiContext {
 public:
  // The string list that property `name` of cls holds on instance. Raises EPropertyError when
  // cls lacks it, EInvalidCast when instance is no cls or the value is no string list.
  TStringList* GetStrings(const TClassInfo& cls, TObject* instance, StringView name) const;
  // Sets the event property `name` of cls on instance.
  void SetEvent(const TClassInfo& cls, TObject* instance, StringView name,
                const TMethod& handler) const;
  // Integer properties, looked up on the instance's own class.
  int GetInteger(const TObject* instance, StringView name) const;
  void SetInteger(TObject* instance, StringView name, int value) const;

  // A record property of type T (described by type), looked up on the instance's own class.
  template <class T>
  T GetRecord(const TObject* instance, StringView name, const TTypeInfo& type) const {
    const TPropInfo& prop = OfType(Require(GetPropInfo(instance, name), name), type);
    const TValue value = GetPropValue(instance, prop);
    const auto* held = std::get_if<std::any>(&value);
    if (held == nullptr || std::any_cast<T>(held) == nullptr) throw EInvalidCast();
    return *std::any_cast<T>(held);
  }

  // Invokes the method `name` of the instance's class. Raises EPropertyError when the class
  // lacks it, EInvalidCast when its signature differs.
  template <class R, class... Args>
  R Invoke(TObject* instance, StringView name, Args... args) const {
    RequireMethod(*instance, name);
    return CallMethod<R, Args...>(TMethod{instance, String(name)}, std::forward<Args>(args)...);
  }

 private:
  static const TPropInfo& Require(const TPropInfo* prop, StringView name);
  static const TPropInfo& OfType(const TPropInfo& prop, const TTypeInfo& type);
  static const TPropInfo& OfKind(const TPropInfo& prop, TTypeKind kind);
  static const TPropInfo& OnInstance(const TClassInfo& cls, const TObject* instance,
                                     StringView name);
  static void RequireMethod(const TObject& instance, StringView name);
};
