#pragma once
// Descriptions of a dataset's indexes, filled by the dataset itself (Update) or given in a form
// file.
#include <cstdint>

#include "classes/Collection.h"

class TDataSet;

enum class TIndexOption {
  ixPrimary,
  ixUnique,
  ixDescending,
  ixCaseInsensitive,
  ixExpression,
  ixNonMaintained
};
// A set of TIndexOption: bit n for ordinal n.
using TIndexOptions = uint8_t;
constexpr TIndexOptions IndexOptionBit(TIndexOption o) {
  return static_cast<TIndexOptions>(1u << static_cast<unsigned>(o));
}
const TTypeInfo& TypeInfoIndexOptions();

class TIndexDef : public TCollectionItem {
  OMBRIX_CLASS(TIndexDef)
  explicit TIndexDef(TCollection* collection);

  const String& Name() const { return FName; }
  void SetName(const String& value);
  // Field names separated by ";".
  const String& Fields() const { return FFields; }
  void SetFields(const String& value);
  const String& Expression() const { return FExpression; }
  void SetExpression(const String& value);
  TIndexOptions Options() const { return FOptions; }
  void SetOptions(TIndexOptions value);
  bool HasOption(TIndexOption o) const { return (FOptions & IndexOptionBit(o)) != 0; }
  const String& DescFields() const { return FDescFields; }
  void SetDescFields(const String& value);
  const String& CaseInsFields() const { return FCaseInsFields; }
  void SetCaseInsFields(const String& value);

  String DisplayName() const override { return FName; }
  void Assign(const TPersistent* source) override;

 private:
  String FName;
  String FFields;
  String FExpression;
  TIndexOptions FOptions = 0;
  String FDescFields;
  String FCaseInsFields;
};

class TIndexDefs : public TCollection {
  OMBRIX_CLASS(TIndexDefs)
  explicit TIndexDefs(TDataSet* dataSet);

  TDataSet* DataSet() const { return FDataSet; }
  TIndexDef* Items(int index) const;
  TIndexDef* AddIndexDef();
  TIndexDef* Add(const String& name, const String& fields, TIndexOptions options = 0);
  // Without regard to ASCII case; -1 when absent.
  int IndexOf(StringView name) const;
  // Raises the database error "Index 'X' not found" naming the dataset.
  TIndexDef* Find(StringView name) const;
  // The first ascending, non-expression index whose Fields equal fields, else the first whose
  // Fields begin with them (whole names); null when none. Updates the definitions first.
  TIndexDef* GetIndexForFields(StringView fields, bool caseInsensitive = false);
  // As GetIndexForFields, but raises the database error "No index for fields 'X'".
  TIndexDef* FindIndexForFields(StringView fields);

  // Asks the dataset to describe its indexes unless the definitions are up to date.
  void Update();
  bool Updated() const { return FUpdated; }
  void SetUpdated(bool value) { FUpdated = value; }

 private:
  TDataSet* FDataSet;
  bool FUpdated = false;
};
