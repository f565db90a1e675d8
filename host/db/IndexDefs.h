#pragma once
// Descriptions of a dataset's indexes, filled by the dataset itself (Update) or given in a form
// file.
#include <cstdint>
#include <functional>

#include "classes/Sets.h"
#include "db/DefCollection.h"

enum class TIndexOption {
  ixPrimary,
  ixUnique,
  ixDescending,
  ixCaseInsensitive,
  ixExpression,
  ixNonMaintained
};
using TIndexOptions = uint8_t;  // a set of TIndexOption
const TTypeInfo& TypeInfoIndexOptions();

class TIndexDef : public TNamedItem {
  OMBRIX_CLASS(TIndexDef)
  explicit TIndexDef(TCollection* collection) : TNamedItem(collection) {}

  // Field names separated by ";".
  const String& Fields() const { return FFields; }
  void SetFields(const String& value);
  // A non-empty expression adds ixExpression to the options, an empty one removes it.
  const String& Expression() const { return FExpression; }
  void SetExpression(const String& value);
  TIndexOptions Options() const { return FOptions; }
  void SetOptions(TIndexOptions value);
  const String& DescFields() const { return FDescFields; }
  void SetDescFields(const String& value);
  const String& CaseInsFields() const { return FCaseInsFields; }
  void SetCaseInsFields(const String& value);

  void Assign(const TPersistent* source) override;

 private:
  String FFields;
  String FExpression;
  TIndexOptions FOptions = 0;
  String FDescFields;
  String FCaseInsFields;
};

class TIndexDefs : public TDefCollection {
  OMBRIX_CLASS(TIndexDefs)
  explicit TIndexDefs(TDataSet* dataSet);

  TIndexDef* Items(int index) const;
  TIndexDef* AddIndexDef();
  // With ixExpression among the options, fields is the expression.
  TIndexDef* Add(const String& name, const String& fields, TIndexOptions options = 0);
  // Raises the database error "Index 'X' not found" naming the dataset.
  TIndexDef* Find(StringView name) const;
  // The first ascending, non-expression index whose Fields equal fields, else the first whose
  // Fields begin with them (whole names); null when none. Updates the definitions first.
  TIndexDef* GetIndexForFields(StringView fields, bool caseInsensitive = false);
  // The index a stored field list stands for: the first whose Fields equal fields, else the
  // first whose Fields begin with them (whole names), descending ones included. Raises the
  // database error "No index for fields 'X'" when none does.
  TIndexDef* FindIndexForFields(StringView fields);

 protected:
  void DoUpdate() override;

 private:
  // Of the usable indexes, the first whose Fields equal fields, else the first beginning with
  // them; null for an empty list. Updates the definitions first.
  TIndexDef* Match(StringView fields, const std::function<bool(const TIndexDef&)>& usable);
};
