#pragma once
// Context menu of a query: the fields editor, the SQL editor, opening or closing it.
#include "classes/StringList.h"
#include "designide/ComponentEditor.h"

class TmySQLDatabase;

class TMySQLQueryEditor : public TComponentEditor {
  OMBRIX_CLASS(TMySQLQueryEditor)
  void ExecuteVerb(int index) override;
  String GetVerb(int index) override;
  int GetVerbCount() override;

  // The SQL editor's lists: names from the query's connection while it is connected, none
  // otherwise; they never connect it.
  void GetTables(TStringList& list, bool systemTables);
  void GetFields(const String& tableName, TStringList& list, bool systemFields);

 private:
  void EditQuerySQL();

  // The query's connection while the SQL editor is open.
  TmySQLDatabase* FConnection = nullptr;
};
