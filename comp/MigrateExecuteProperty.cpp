#include "comp/MigrateExecuteProperty.h"

#include "migrator/BDE2Ombrix.h"

const TClassInfo& TMigrateExecutePropertyEditor::StaticClass() {
  static const TClassInfo info = TClassBuilder<TMigrateExecutePropertyEditor, TPropertyEditor>(
                                     STR("TMigrateExecutePropertyEditor"))
                                     .Build();
  return info;
}

void TMigrateExecutePropertyEditor::Edit() {
  As<TBDE2Ombrix>(GetComponent(0))->Migrate();
  Modified();
}

TPropertyAttributes TMigrateExecutePropertyEditor::GetAttributes() {
  return Attributes({paDialog, paReadOnly});
}

// The Boolean itself is never shown.
String TMigrateExecutePropertyEditor::GetValue() {
  return STR("Press to Migrate...");
}
