#include "comp/UpdateSQLEditor.h"

#include "library/MySQLUpdateSQL.h"
#include "updsql/UpdateSQLEditForm.h"

const TClassInfo& TMySQLUpdateSQLEditor::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TMySQLUpdateSQLEditor, TComponentEditor>(STR("TMySQLUpdateSQLEditor")).Build();
  return info;
}

void TMySQLUpdateSQLEditor::ExecuteVerb(int /*index*/) {
  if (EditMySQLUpdateSQL(*As<TmySQLUpdateSQL>(Component()))) GetDesigner()->Modified();
}

String TMySQLUpdateSQLEditor::GetVerb(int /*index*/) {
  return STR("&MySQLUpdateSQL Editor...");
}

int TMySQLUpdateSQLEditor::GetVerbCount() {
  return 1;
}
