#pragma once
// The master source of a table: every data source the designer knows, except those whose
// dataset is a selected table or follows one through master links, which would make a table
// its own master.
#include "designide/PropertyEditor.h"

class TmySQLDataSourcePropertyEditor : public TComponentProperty {
  OMBRIX_CLASS(TmySQLDataSourcePropertyEditor)
  void GetValues(const TGetStrProc& proc) override;

 private:
  void CheckComponent(const String& name);

  // The designer's callback while GetValues runs.
  TGetStrProc FCheckProc;
};
