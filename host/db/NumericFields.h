#pragma once
#include "db/Field.h"

class TNumericField : public TField {
  OMBRIX_CLASS(TNumericField)
  TAlignment DefaultAlignment() const override { return TAlignment::taRightJustify; }
  const String& EditFormat() const { return FEditFormat; }
  void SetEditFormat(const String& value) { FEditFormat = value; }

 protected:
  using TField::TField;

 private:
  String FEditFormat;
};

// Whole numbers within the type's range and, when either is not 0, MinValue..MaxValue; values
// outside raise "V is not a valid value for field 'X'. The allowed range is A to B".
class TIntegerField : public TNumericField {
  OMBRIX_CLASS(TIntegerField)
  explicit TIntegerField(TComponent* owner)
      : TIntegerField(owner, TFieldType::ftInteger, INT32_MIN, INT32_MAX) {}
  int32_t MinValue() const { return FMinValue; }
  void SetMinValue(int32_t value) { FMinValue = value; }
  int32_t MaxValue() const { return FMaxValue; }
  void SetMaxValue(int32_t value) { FMaxValue = value; }

 protected:
  TIntegerField(TComponent* owner, TFieldType dataType, int64_t minRange, int64_t maxRange);
  Variant Convert(const Variant& value) const override;

 private:
  int64_t FMinRange;
  int64_t FMaxRange;
  int32_t FMinValue = 0;
  int32_t FMaxValue = 0;
};

class TSmallintField : public TIntegerField {
  OMBRIX_CLASS(TSmallintField)
  explicit TSmallintField(TComponent* owner)
      : TIntegerField(owner, TFieldType::ftSmallint, INT16_MIN, INT16_MAX) {}
};

class TWordField : public TIntegerField {
  OMBRIX_CLASS(TWordField)
  explicit TWordField(TComponent* owner)
      : TIntegerField(owner, TFieldType::ftWord, 0, UINT16_MAX) {}
};

class TAutoIncField : public TIntegerField {
  OMBRIX_CLASS(TAutoIncField)
  explicit TAutoIncField(TComponent* owner)
      : TIntegerField(owner, TFieldType::ftAutoInc, INT32_MIN, INT32_MAX) {}
};

class TLargeintField : public TNumericField {
  OMBRIX_CLASS(TLargeintField)
  explicit TLargeintField(TComponent* owner);

 protected:
  Variant Convert(const Variant& value) const override;
};

class TFloatField : public TNumericField {
  OMBRIX_CLASS(TFloatField)
  explicit TFloatField(TComponent* owner) : TFloatField(owner, TFieldType::ftFloat) {}
  bool Currency() const { return FCurrency; }
  void SetCurrency(bool value) { FCurrency = value; }
  int Precision() const { return FPrecision; }
  void SetPrecision(int value) { FPrecision = value; }
  // When either is not 0, values outside MinValue..MaxValue are refused.
  double MinValue() const { return FMinValue; }
  void SetMinValue(double value) { FMinValue = value; }
  double MaxValue() const { return FMaxValue; }
  void SetMaxValue(double value) { FMaxValue = value; }

 protected:
  TFloatField(TComponent* owner, TFieldType dataType);
  Variant Convert(const Variant& value) const override;

 private:
  bool FCurrency = false;
  int FPrecision = 15;
  double FMinValue = 0;
  double FMaxValue = 0;
};

class TCurrencyField : public TFloatField {
  OMBRIX_CLASS(TCurrencyField)
  explicit TCurrencyField(TComponent* owner);
};

// A decimal with Size digits after the point (4 by default) and Precision digits in all.
class TBCDField : public TNumericField {
  OMBRIX_CLASS(TBCDField)
  explicit TBCDField(TComponent* owner);
  bool Currency() const { return FCurrency; }
  void SetCurrency(bool value) { FCurrency = value; }
  int Precision() const { return FPrecision; }
  void SetPrecision(int value) { FPrecision = value; }

 protected:
  Variant Convert(const Variant& value) const override;

 private:
  bool FCurrency = false;
  int FPrecision = 0;
};
