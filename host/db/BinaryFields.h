#pragma once
// Bytes and long values. Binary values read as text one character per byte; text written to
// them must hold only characters below 256.
#include "db/Field.h"

class TBinaryField : public TField {
  OMBRIX_CLASS(TBinaryField)

 protected:
  using TField::TField;
  Variant Convert(const Variant& value) const override;
};

class TBytesField : public TBinaryField {
  OMBRIX_CLASS(TBytesField)
  explicit TBytesField(TComponent* owner) : TBinaryField(owner, TFieldType::ftBytes, 16) {}
};

class TVarBytesField : public TBinaryField {
  OMBRIX_CLASS(TVarBytesField)
  explicit TVarBytesField(TComponent* owner) : TBinaryField(owner, TFieldType::ftVarBytes, 16) {}
};

class TBlobField : public TBinaryField {
  OMBRIX_CLASS(TBlobField)
  explicit TBlobField(TComponent* owner) : TBinaryField(owner, TFieldType::ftBlob) {}

 protected:
  using TBinaryField::TBinaryField;
};

// Long text.
class TMemoField : public TBlobField {
  OMBRIX_CLASS(TMemoField)
  explicit TMemoField(TComponent* owner) : TBlobField(owner, TFieldType::ftMemo) {}

 protected:
  Variant Convert(const Variant& value) const override;
};
