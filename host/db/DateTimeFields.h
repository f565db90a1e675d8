#pragma once
// Dates and times, held as days since 1899-12-30 with the time as the fraction of a day, and
// written as text in the form yyyy-mm-dd hh:nn:ss.
#include "db/Field.h"

class TDateTimeField : public TField {
  OMBRIX_CLASS(TDateTimeField)
  explicit TDateTimeField(TComponent* owner) : TDateTimeField(owner, TFieldType::ftDateTime) {}
  String AsString() const override;

 protected:
  TDateTimeField(TComponent* owner, TFieldType dataType);
  Variant Convert(const Variant& value) const override;
  int DefaultDisplayWidth() const override { return 19; }
};

class TDateField : public TDateTimeField {
  OMBRIX_CLASS(TDateField)
  explicit TDateField(TComponent* owner) : TDateTimeField(owner, TFieldType::ftDate) {}
};

class TTimeField : public TDateTimeField {
  OMBRIX_CLASS(TTimeField)
  explicit TTimeField(TComponent* owner) : TDateTimeField(owner, TFieldType::ftTime) {}
};

// Text of a date-time value ("2024-02-29", "13:05:00", "2024-02-29 13:05:00").
String DateTimeToText(double value, TFieldType type);
// Reads "yyyy-mm-dd", "hh:nn[:ss]" or both; raises EConvertError naming the text.
double TextToDateTime(StringView text);
