#pragma once
#include "db/Field.h"

// Text up to Size characters (the size is a description; longer text is kept).
class TStringField : public TField {
  OMBRIX_CLASS(TStringField)
  explicit TStringField(TComponent* owner) : TStringField(owner, TFieldType::ftString) {}

 protected:
  TStringField(TComponent* owner, TFieldType dataType);
  Variant Convert(const Variant& value) const override;
  int DefaultDisplayWidth() const override { return Size(); }
};

class TWideStringField : public TStringField {
  OMBRIX_CLASS(TWideStringField)
  explicit TWideStringField(TComponent* owner) : TStringField(owner, TFieldType::ftWideString) {}
};
