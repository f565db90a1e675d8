#include <charconv>

#include "classes/IntegerConsts.h"
#include "designide/PropertyEditor.h"

const TClassInfo& TIntegerProperty::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TIntegerProperty, TPropertyEditor>(STR("TIntegerProperty")).Build();
  return info;
}

TPropertyAttributes TIntegerProperty::GetAttributes() {
  return Attributes({paMultiSelect, paRevertable});
}

void TIntegerProperty::SetValue(const String& value) {
  if (auto ident = IdentToInt(GetPropType(), Trim(value))) {
    SetOrdValue(*ident);
    return;
  }
  const std::string text = ToUtf8(Trim(value));
  int64_t number = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
  if (text.empty() || error != std::errc() || end != text.data() + text.size()) {
    throw EPropertyError(STR("'") + value + STR("' is not a valid integer value"));
  }
  SetOrdValue(number);
}

const TClassInfo& TEnumProperty::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TEnumProperty, TPropertyEditor>(STR("TEnumProperty")).Build();
  return info;
}

TPropertyAttributes TEnumProperty::GetAttributes() {
  return Attributes({paMultiSelect, paValueList, paSortList, paRevertable});
}

void TEnumProperty::SetValue(const String& value) {
  const int64_t ordinal = GetEnumValue(GetPropType(), Trim(value));
  if (ordinal < 0) throw EPropertyError(STR("Invalid property value"));
  SetOrdValue(ordinal);
}

void TEnumProperty::GetValues(const TGetStrProc& proc) {
  for (const String& name : GetPropType().EnumNames) proc(name);
}
