#include "db/StringFields.h"

const TClassInfo& TStringField::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TStringField, TField>(STR("TStringField"))
          .Creatable()
          .Prop(STR("Size"), &TField::Size, &TField::SetSize, nullptr, 20)
          .Build();
  return info;
}

const TClassInfo& TWideStringField::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TWideStringField, TStringField>(STR("TWideStringField")).Creatable().Build();
  return info;
}

TStringField::TStringField(TComponent* owner, TFieldType dataType) : TField(owner, dataType, 20) {}

Variant TStringField::Convert(const Variant& value) const {
  return VarToStr(value);
}
