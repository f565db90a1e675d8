#pragma once
#include "db/Field.h"

class TBooleanField : public TField {
  OMBRIX_CLASS(TBooleanField)
  explicit TBooleanField(TComponent* owner);
  // "TrueText;FalseText", shown and accepted as text.
  const String& DisplayValues() const { return FDisplayValues; }
  void SetDisplayValues(const String& value);
  String AsString() const override;

 protected:
  Variant Convert(const Variant& value) const override;
  int DefaultDisplayWidth() const override;

 private:
  String FDisplayValues;
  String FTrueText = STR("True");
  String FFalseText = STR("False");
};
