#include "designide/PropertyEditor.h"

const TClassInfo& TStringProperty::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TStringProperty, TPropertyEditor>(STR("TStringProperty")).Build();
  return info;
}

TPropertyAttributes TStringProperty::GetAttributes() {
  return Attributes({paMultiSelect, paRevertable});
}

String TStringProperty::GetValue() {
  return GetStrValue();
}

void TStringProperty::SetValue(const String& value) {
  SetStrValue(value);
}
