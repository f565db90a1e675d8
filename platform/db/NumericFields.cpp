#include "db/NumericFields.h"

#include <algorithm>
#include <cmath>

#include "db/DataSet.h"

const TClassInfo& TNumericField::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TNumericField, TField>(STR("TNumericField"))
          .Prop(STR("DisplayFormat"), &TField::DisplayFormat, &TField::SetDisplayFormat)
          .Prop(STR("EditFormat"), &TNumericField::EditFormat, &TNumericField::SetEditFormat)
          .Build();
  return info;
}

const TClassInfo& TIntegerField::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TIntegerField, TNumericField>(STR("TIntegerField"))
          .Creatable()
          .Prop(STR("MaxValue"), &TIntegerField::MaxValue, &TIntegerField::SetMaxValue, nullptr, 0)
          .Prop(STR("MinValue"), &TIntegerField::MinValue, &TIntegerField::SetMinValue, nullptr, 0)
          .Build();
  return info;
}

const TClassInfo& TSmallintField::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TSmallintField, TIntegerField>(STR("TSmallintField")).Creatable().Build();
  return info;
}

const TClassInfo& TWordField::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TWordField, TIntegerField>(STR("TWordField")).Creatable().Build();
  return info;
}

const TClassInfo& TAutoIncField::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TAutoIncField, TIntegerField>(STR("TAutoIncField")).Creatable().Build();
  return info;
}

const TClassInfo& TLargeintField::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TLargeintField, TNumericField>(STR("TLargeintField")).Creatable().Build();
  return info;
}

const TClassInfo& TFloatField::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TFloatField, TNumericField>(STR("TFloatField"))
          .Creatable()
          .Prop(STR("Currency"), &TFloatField::Currency, &TFloatField::SetCurrency, nullptr, 0)
          .Prop(STR("MaxValue"), &TFloatField::MaxValue, &TFloatField::SetMaxValue)
          .StoredIf([](const TFloatField* f) { return f->MaxValue() != 0; })
          .Prop(STR("MinValue"), &TFloatField::MinValue, &TFloatField::SetMinValue)
          .StoredIf([](const TFloatField* f) { return f->MinValue() != 0; })
          .Prop(STR("Precision"), &TFloatField::Precision, &TFloatField::SetPrecision, nullptr, 15)
          .Build();
  return info;
}

const TClassInfo& TCurrencyField::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TCurrencyField, TFloatField>(STR("TCurrencyField")).Creatable().Build();
  return info;
}

const TClassInfo& TBCDField::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TBCDField, TNumericField>(STR("TBCDField"))
          .Creatable()
          .Prop(STR("Currency"), &TBCDField::Currency, &TBCDField::SetCurrency, nullptr, 0)
          .Prop(STR("Precision"), &TBCDField::Precision, &TBCDField::SetPrecision, nullptr, 0)
          .Prop(STR("Size"), &TField::Size, &TField::SetSize, nullptr, 4)
          .Build();
  return info;
}

TIntegerField::TIntegerField(TComponent* owner, TFieldType dataType, int64_t minRange,
                             int64_t maxRange)
    : TNumericField(owner, dataType), FMinRange(minRange), FMaxRange(maxRange) {}

Variant TIntegerField::Convert(const Variant& value) const {
  const int64_t v = VarToInt(value);
  int64_t low = FMinRange;
  int64_t high = FMaxRange;
  if (FMinValue != 0 || FMaxValue != 0) {
    low = std::max<int64_t>(low, FMinValue);
    high = std::min<int64_t>(high, FMaxValue);
  }
  if (v < low || v > high) {
    DatabaseError(IntToStr(v) + STR(" is not a valid value for field '") + DisplayName() +
                      STR("'. The allowed range is ") + IntToStr(low) + STR(" to ") +
                      IntToStr(high),
                  DataSet());
  }
  return v;
}

TLargeintField::TLargeintField(TComponent* owner) : TNumericField(owner, TFieldType::ftLargeint) {}

Variant TLargeintField::Convert(const Variant& value) const {
  return VarToInt(value);
}

TFloatField::TFloatField(TComponent* owner, TFieldType dataType) : TNumericField(owner, dataType) {}

Variant TFloatField::Convert(const Variant& value) const {
  const double v = VarToFloat(value);
  if ((FMinValue != 0 || FMaxValue != 0) && (v < FMinValue || v > FMaxValue)) {
    DatabaseError(FloatToStr(v) + STR(" is not a valid value for field '") + DisplayName() +
                      STR("'. The allowed range is ") + FloatToStr(FMinValue) + STR(" to ") +
                      FloatToStr(FMaxValue),
                  DataSet());
  }
  return v;
}

TCurrencyField::TCurrencyField(TComponent* owner) : TFloatField(owner, TFieldType::ftCurrency) {
  SetCurrency(true);
}

TBCDField::TBCDField(TComponent* owner) : TNumericField(owner, TFieldType::ftBCD, 4) {}

// A decimal keeps Size digits after the point.
Variant TBCDField::Convert(const Variant& value) const {
  const double v = VarToFloat(value);
  if (Size() < 0 || Size() > 15) return v;
  const double scale = std::pow(10.0, Size());
  return std::round(v * scale) / scale;
}
