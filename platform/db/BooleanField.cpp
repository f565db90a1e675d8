#include "db/BooleanField.h"

#include <algorithm>

#include "db/DataSet.h"

const TClassInfo& TBooleanField::StaticClass() {
  static const TClassInfo info = TClassBuilder<TBooleanField, TField>(STR("TBooleanField"))
                                     .Creatable()
                                     .Prop(STR("DisplayValues"), &TBooleanField::DisplayValues,
                                           &TBooleanField::SetDisplayValues)
                                     .Build();
  return info;
}

TBooleanField::TBooleanField(TComponent* owner) : TField(owner, TFieldType::ftBoolean) {}

void TBooleanField::SetDisplayValues(const String& value) {
  FDisplayValues = value;
  if (value.empty()) {
    FTrueText = STR("True");
    FFalseText = STR("False");
    return;
  }
  const size_t split = value.find(';');
  FTrueText = value.substr(0, split);
  FFalseText = split == String::npos ? String() : value.substr(split + 1);
}

String TBooleanField::AsString() const {
  const Variant v = Value();
  if (VarIsNull(v)) return String();
  return VarToBool(v) ? FTrueText : FFalseText;
}

Variant TBooleanField::Convert(const Variant& value) const {
  if (const auto* text = std::get_if<String>(&value)) {
    if (!FTrueText.empty() && SameText(*text, FTrueText)) return true;
    if (!FFalseText.empty() && SameText(*text, FFalseText)) return false;
    try {
      return VarToBool(value);
    } catch (const EConvertError&) {
      DatabaseError(STR("'") + *text + STR("' is not a valid boolean value for field '") +
                        DisplayName() + STR("'"),
                    DataSet());
    }
  }
  return VarToBool(value);
}

int TBooleanField::DefaultDisplayWidth() const {
  return static_cast<int>(std::max(FTrueText.size(), FFalseText.size()));
}
