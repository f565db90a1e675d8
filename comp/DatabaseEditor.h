#pragma once
// Context menu of a connection: its options dialog, and connecting or disconnecting.
#include "designide/ComponentEditor.h"

class TMySQLDatabaseEditor : public TComponentEditor {
  OMBRIX_CLASS(TMySQLDatabaseEditor)
  void ExecuteVerb(int index) override;
  String GetVerb(int index) override;
  int GetVerbCount() override;
};
