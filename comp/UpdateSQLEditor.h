#pragma once
// Context menu of an update object: its update SQL editor, whatever the index.
#include "designide/ComponentEditor.h"

class TMySQLUpdateSQLEditor : public TComponentEditor {
  OMBRIX_CLASS(TMySQLUpdateSQLEditor)
  void ExecuteVerb(int index) override;
  String GetVerb(int index) override;
  int GetVerbCount() override;
};
