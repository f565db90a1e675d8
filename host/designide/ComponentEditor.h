#pragma once
// Component editors: the verbs of a component's context menu in the form designer, and what a
// double click does.
#include "designide/Designer.h"

class TDataSet;

class TComponentEditor : public TObject {
  OMBRIX_CLASS(TComponentEditor)
  TComponentEditor() = default;

  void Initialize(TComponent* component, IDesigner* designer);

  virtual int GetVerbCount();
  virtual String GetVerb(int index);
  virtual void ExecuteVerb(int index);
  // A double click: runs verb 0 when there is one.
  virtual void Edit();

  TComponent* Component() const { return FComponent; }
  IDesigner* GetDesigner() const { return FDesigner; }

 private:
  TComponent* FComponent = nullptr;
  IDesigner* FDesigner = nullptr;
};

// The designer class that the fields editor attaches to a dataset.
class TDSDesigner : public TObject {
  OMBRIX_CLASS(TDSDesigner)
};

// Opens the host's fields editor on the dataset: its persistent fields, adding the fields of
// the dataset's field definitions and deleting fields. Raises EInvalidCast when designerClass
// is no TDSDesigner class.
void ShowFieldsEditor(IDesigner* designer, TDataSet* dataSet, const TClassInfo& designerClass);
