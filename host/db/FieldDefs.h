#pragma once
// Descriptions of the columns a dataset offers, filled by the dataset itself (Update) or given
// in a form file.
#include <cstdint>

#include "classes/Collection.h"
#include "db/FieldTypes.h"

class TDataSet;

enum class TFieldAttribute { faHiddenCol, faReadonly, faRequired, faLink, faUnNamed, faFixed };
// A set of TFieldAttribute: bit n for ordinal n.
using TFieldAttributes = uint8_t;
constexpr TFieldAttributes FieldAttributeBit(TFieldAttribute a) {
  return static_cast<TFieldAttributes>(1u << static_cast<unsigned>(a));
}
const TTypeInfo& TypeInfoFieldAttributes();

class TFieldDef : public TCollectionItem {
  OMBRIX_CLASS(TFieldDef)
  explicit TFieldDef(TCollection* collection);

  const String& Name() const { return FName; }
  void SetName(const String& value);
  TFieldType DataType() const { return FDataType; }
  void SetDataType(TFieldType value);
  int Size() const { return FSize; }
  void SetSize(int value);
  int Precision() const { return FPrecision; }
  void SetPrecision(int value);
  TFieldAttributes Attributes() const { return FAttributes; }
  void SetAttributes(TFieldAttributes value);
  bool Required() const {
    return (FAttributes & FieldAttributeBit(TFieldAttribute::faRequired)) != 0;
  }
  void SetRequired(bool value);
  // 1-based position in the collection.
  int FieldNo() const { return Index() + 1; }

  String DisplayName() const override { return FName; }
  void Assign(const TPersistent* source) override;

 private:
  String FName;
  TFieldType FDataType = TFieldType::ftUnknown;
  int FSize = 0;
  int FPrecision = 0;
  TFieldAttributes FAttributes = 0;
};

class TFieldDefs : public TCollection {
  OMBRIX_CLASS(TFieldDefs)
  explicit TFieldDefs(TDataSet* dataSet);

  TDataSet* DataSet() const { return FDataSet; }
  TFieldDef* Items(int index) const;
  TFieldDef* AddFieldDef();
  TFieldDef* Add(const String& name, TFieldType dataType, int size = 0, bool required = false);
  // Without regard to ASCII case; -1 / null when absent.
  int IndexOf(StringView name) const;
  TFieldDef* Find(StringView name) const;
  // Raises the database error "Field 'X' not found" naming the dataset.
  TFieldDef* FieldDefByName(StringView name) const;

  // Asks the dataset to describe itself unless the definitions are up to date.
  void Update();
  bool Updated() const { return FUpdated; }
  void SetUpdated(bool value) { FUpdated = value; }

 private:
  TDataSet* FDataSet;
  bool FUpdated = false;
};
