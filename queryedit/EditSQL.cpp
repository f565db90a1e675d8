#include "queryedit/EditSQL.h"

#include "queryedit/JoinLines.h"
#include "queryedit/SQLEditForm.h"

bool EditSQL(String& sql, const TGetTableNamesProc& getTableNames,
             const TGetFieldNamesProc& getFieldNames, const String& startTable) {
  const auto form = std::make_unique<TSQLEditForm>(nullptr);
  form->CreateEditor(sql);
  form->GetTableNames = getTableNames;
  form->GetFieldNames = getFieldNames;
  form->FStartTable = startTable;
  if (form->ShowModal() != mrOk) return false;
  sql = TrimRight(form->EditorText());
  return true;
}

bool EditSQL(TStringList& sql, const TGetTableNamesProc& getTableNames,
             const TGetFieldNamesProc& getFieldNames, const String& startTable) {
  String text = JoinLines(sql);
  if (!EditSQL(text, getTableNames, getFieldNames, startTable)) return false;
  sql.SetText(text);
  return true;
}
