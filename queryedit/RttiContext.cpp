#include "queryedit/RttiContext.h"

TStringList* TRttiContext::GetStrings(const TClassInfo& cls, TObject* instance,
                                      StringView name) const {
  const TPropInfo& prop = OfKind(OnInstance(cls, instance, name), TTypeKind::tkClass);
  const TValue value = GetPropValue(instance, prop);
  const auto* object = std::get_if<TObject*>(&value);
  if (object == nullptr || *object == nullptr) throw EInvalidCast();
  return As<TStringList>(*object);
}

void TRttiContext::SetEvent(const TClassInfo& cls, TObject* instance, StringView name,
                            const TMethod& handler) const {
  SetPropValue(instance, OfKind(OnInstance(cls, instance, name), TTypeKind::tkMethod), handler);
}

int TRttiContext::GetInteger(const TObject* instance, StringView name) const {
  const TPropInfo& prop = OfKind(Require(GetPropInfo(instance, name), name), TTypeKind::tkInteger);
  return static_cast<int>(std::get<int64_t>(GetPropValue(instance, prop)));
}

void TRttiContext::SetInteger(TObject* instance, StringView name, int value) const {
  const TPropInfo& prop = OfKind(Require(GetPropInfo(instance, name), name), TTypeKind::tkInteger);
  SetPropValue(instance, prop, static_cast<int64_t>(value));
}

const TPropInfo& TRttiContext::Require(const TPropInfo* prop, StringView name) {
  if (prop == nullptr) {
    throw EPropertyError(STR("Property ") + String(name) + STR(" does not exist"));
  }
  return *prop;
}

const TPropInfo& TRttiContext::OfType(const TPropInfo& prop, const TTypeInfo& type) {
  if (prop.PropType != &type) throw EInvalidCast();
  return prop;
}

const TPropInfo& TRttiContext::OfKind(const TPropInfo& prop, TTypeKind kind) {
  if (prop.Kind() != kind) throw EInvalidCast();
  return prop;
}

const TPropInfo& TRttiContext::OnInstance(const TClassInfo& cls, const TObject* instance,
                                          StringView name) {
  if (!instance->InheritsFrom(cls)) throw EInvalidCast();
  return Require(GetPropInfo(cls, name), name);
}

void TRttiContext::RequireMethod(const TObject& instance, StringView name) {
  if (instance.ClassType().FindMethod(name) == nullptr) {
    throw EPropertyError(STR("Method ") + String(name) + STR(" does not exist"));
  }
}
