#pragma once
// The Execute pseudo-property of the migrator: a button that runs the migration.
#include "designide/PropertyEditor.h"

class TMigrateExecutePropertyEditor : public TPropertyEditor {
  OMBRIX_CLASS(TMigrateExecutePropertyEditor)
  void Edit() override;
  TPropertyAttributes GetAttributes() override;
  String GetValue() override;
};
