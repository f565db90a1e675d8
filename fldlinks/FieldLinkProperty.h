#pragma once
// The property editor of a detail dataset's MasterFields: its ellipsis button opens the field
// link designer. A descendant for a dataset class supplies the index information and writes the
// link; the base alone works without indexes (free mode) and must still be told how to read and
// write MasterFields.
#include "designide/PropertyEditor.h"

class TDataSet;
class TIndexDefs;
class TStringList;

class TmySQLFieldLinkProperty : public TStringProperty {
  OMBRIX_CLASS(TmySQLFieldLinkProperty)
  TmySQLFieldLinkProperty() = default;
  // An editor for the given detail dataset, outside the object inspector.
  explicit TmySQLFieldLinkProperty(TDataSet* dataSet) : FDataSet(dataSet) {}

  void Edit() override;
  TPropertyAttributes GetAttributes() override;

  // Adds the field names of the current index, in index order.
  virtual void GetFieldNamesForIndex(TStringList& list);
  // True: the designer joins along one chosen index; false: any fields, no index controls.
  virtual bool GetIndexBased();
  // The detail dataset's index definitions, or null.
  virtual TIndexDefs* GetIndexDefs();
  virtual String GetIndexFieldNames();
  virtual String GetIndexName();
  virtual String GetMasterFields() = 0;
  virtual void SetIndexFieldNames(const String& value);
  // Takes the text the designer lists for an index and makes that index current.
  virtual void SetIndexName(const String& value);
  virtual void SetMasterFields(const String& value) = 0;

  // The names the designer lists for the indexes, unnamed primary index as "Primary".
  void GetIndexNames(TStringList& list);
  // The detail dataset: the one given, else the edited component.
  TDataSet* GetDataSet();

  bool IndexBased() { return GetIndexBased(); }
  TIndexDefs* IndexDefs() { return GetIndexDefs(); }
  String IndexFieldNames() { return GetIndexFieldNames(); }
  String IndexName() { return GetIndexName(); }
  String MasterFields() { return GetMasterFields(); }
  // True when the last Edit ended with OK.
  bool Changed() const { return FChanged; }
  TDataSet* DataSet() { return GetDataSet(); }

 private:
  bool FChanged = false;
  TDataSet* FDataSet = nullptr;
};
