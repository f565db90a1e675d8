#pragma once
// Descriptions of the columns a dataset offers, filled by the dataset itself (Update) or given
// in a form file.
#include <cstdint>

#include "classes/Sets.h"
#include "db/DefCollection.h"
#include "db/FieldTypes.h"

enum class TFieldAttribute { faHiddenCol, faReadonly, faRequired, faLink, faUnNamed, faFixed };
using TFieldAttributes = uint8_t;  // a set of TFieldAttribute
const TTypeInfo& TypeInfoFieldAttributes();

class TFieldDef : public TNamedItem {
  OMBRIX_CLASS(TFieldDef)
  explicit TFieldDef(TCollection* collection) : TNamedItem(collection) {}

  TFieldType DataType() const { return FDataType; }
  void SetDataType(TFieldType value);
  int Size() const { return FSize; }
  void SetSize(int value);
  int Precision() const { return FPrecision; }
  void SetPrecision(int value);
  TFieldAttributes Attributes() const { return FAttributes; }
  void SetAttributes(TFieldAttributes value);
  bool Required() const { return InSet(FAttributes, TFieldAttribute::faRequired); }
  void SetRequired(bool value);
  // 1-based position in the collection.
  int FieldNo() const { return Index() + 1; }

  void Assign(const TPersistent* source) override;

 private:
  TFieldType FDataType = TFieldType::ftUnknown;
  int FSize = 0;
  int FPrecision = 0;
  TFieldAttributes FAttributes = 0;
};

class TFieldDefs : public TDefCollection {
  OMBRIX_CLASS(TFieldDefs)
  explicit TFieldDefs(TDataSet* dataSet);

  TFieldDef* Items(int index) const;
  TFieldDef* AddFieldDef();
  // Raises the database error for an empty or duplicate name.
  TFieldDef* Add(const String& name, TFieldType dataType, int size = 0, bool required = false);
  TFieldDef* Find(StringView name) const {
    return static_cast<TFieldDef*>(TDefCollection::Find(name));
  }
  // Raises the database error "Field 'X' not found" naming the dataset.
  TFieldDef* FieldDefByName(StringView name) const;

 protected:
  void DoUpdate() override;
};
