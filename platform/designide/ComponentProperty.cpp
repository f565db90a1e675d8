#include "designide/PropertyEditor.h"

const TClassInfo& TComponentProperty::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TComponentProperty, TPropertyEditor>(STR("TComponentProperty")).Build();
  return info;
}

TPropertyAttributes TComponentProperty::GetAttributes() {
  return Attributes({paMultiSelect, paValueList, paSortList, paRevertable});
}

String TComponentProperty::GetValue() {
  auto* component = dynamic_cast<TComponent*>(GetObjectValue());
  if (component == nullptr || Designer() == nullptr) return String();
  return Designer()->GetComponentName(component);
}

void TComponentProperty::SetValue(const String& value) {
  if (value.empty()) {
    SetObjectValue(nullptr);
    return;
  }
  TComponent* component = Designer() != nullptr ? Designer()->GetComponent(value) : nullptr;
  const TClassInfo* wanted = GetPropType().ClassType();
  if (component == nullptr || (wanted != nullptr && !component->InheritsFrom(*wanted))) {
    throw EPropertyError(STR("Invalid property value"));
  }
  SetObjectValue(component);
}

void TComponentProperty::GetValues(const TGetStrProc& proc) {
  const TClassInfo* wanted = GetPropType().ClassType();
  if (Designer() != nullptr && wanted != nullptr) Designer()->GetComponentNames(*wanted, proc);
}
