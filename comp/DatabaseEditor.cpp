#include "comp/DatabaseEditor.h"

#include "connfrm/ConnForm.h"
#include "library/MySQLDatabase.h"

const TClassInfo& TMySQLDatabaseEditor::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TMySQLDatabaseEditor, TComponentEditor>(STR("TMySQLDatabaseEditor")).Build();
  return info;
}

void TMySQLDatabaseEditor::ExecuteVerb(int index) {
  auto* database = As<TmySQLDatabase>(Component());
  switch (index) {
    case 0:
      EditDatabase(*database);
      break;
    case 1:
      database->SetConnected(!database->Connected());
      break;
    default:
      break;
  }
  // Also after a cancelled dialog: the designer cannot tell what the dialog touched.
  GetDesigner()->Modified();
}

String TMySQLDatabaseEditor::GetVerb(int index) {
  switch (index) {
    case 0:
      return STR("MySQLDatabase &Editor...");
    case 1:
      return As<TmySQLDatabase>(Component())->Connected() ? STR("&Disconnect from server")
                                                          : STR("&Connect to server");
    default:
      return String();
  }
}

int TMySQLDatabaseEditor::GetVerbCount() {
  return 2;
}
