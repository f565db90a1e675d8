#include "comp/QueryEditor.h"

#include "db/SqlTableName.h"
#include "library/MySQLQuery.h"
#include "queryedit/EditSQL.h"

const TClassInfo& TMySQLQueryEditor::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TMySQLQueryEditor, TComponentEditor>(STR("TMySQLQueryEditor")).Build();
  return info;
}

void TMySQLQueryEditor::ExecuteVerb(int index) {
  auto* query = As<TmySQLQuery>(Component());
  switch (index) {
    case 0:
      ShowFieldsEditor(GetDesigner(), query, TDSDesigner::StaticClass());
      break;
    case 1:
      EditQuerySQL();
      break;
    case 2:
      query->SetActive(!query->Active());
      break;
    default:
      break;
  }
  GetDesigner()->Modified();
}

String TMySQLQueryEditor::GetVerb(int index) {
  switch (index) {
    case 0:
      return STR("Fields Editor...");
    case 1:
      return STR("SQL Editor...");
    case 2:
      return As<TmySQLQuery>(Component())->Active() ? STR("Close") : STR("Open");
    default:
      return String();
  }
}

int TMySQLQueryEditor::GetVerbCount() {
  return 3;
}

void TMySQLQueryEditor::EditQuerySQL() {
  auto* query = As<TmySQLQuery>(Component());
  FConnection = query->Database();
  struct TReset {
    TmySQLDatabase*& Connection;
    ~TReset() { Connection = nullptr; }
  } reset{FConnection};
  String sql = query->SQL()->Text();
  const String startTable = sql.empty() ? String() : GetTableNameFromSQL(sql);
  const bool edited = EditSQL(
      sql, [this](TStringList& list, bool systemTables) { GetTables(list, systemTables); },
      [this](const String& table, TStringList& list, bool systemFields) {
        GetFields(table, list, systemFields);
      },
      startTable);
  if (edited) query->SQL()->SetText(sql);
}

void TMySQLQueryEditor::GetTables(TStringList& list, bool /*systemTables*/) {
  list.Clear();
  if (FConnection != nullptr && FConnection->Connected()) {
    FConnection->GetTableNames(String(), list, true);
  }
}

void TMySQLQueryEditor::GetFields(const String& tableName, TStringList& list,
                                  bool /*systemFields*/) {
  if (FConnection != nullptr && FConnection->Connected()) {
    FConnection->GetFieldNames(tableName, list);
  }
}
