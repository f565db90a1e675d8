#pragma once
// MasterFields of a table: the field link designer over a temporary copy of the table, so that
// choosing indexes in the designer never touches the table on the form. Only a confirmed link
// is copied back.
#include "fldlinks/FieldLinkProperty.h"

class TmySQLTable;

class TmySQLTableFieldLinkProperty : public TmySQLFieldLinkProperty {
  OMBRIX_CLASS(TmySQLTableFieldLinkProperty)

  void Edit() override;
  void GetFieldNamesForIndex(TStringList& list) override;
  bool GetIndexBased() override;
  TIndexDefs* GetIndexDefs() override;
  String GetIndexFieldNames() override;
  String GetIndexName() override;
  String GetMasterFields() override;
  void SetIndexFieldNames(const String& value) override;
  // "Primary" is how the designer lists the unnamed primary index: it selects IndexName "".
  void SetIndexName(const String& value) override;
  void SetMasterFields(const String& value) override;

 private:
  // Exists only while Edit runs.
  TmySQLTable* FTable = nullptr;
};
