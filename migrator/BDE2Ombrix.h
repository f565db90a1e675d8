#pragma once
// The migrator: a component dropped on a form that converts the foreign datasets (of four other
// data-access families) on every open form, data module and frame into the library's datasets,
// carrying over statements, events, persistent fields and update objects, and retargets the
// data sources and lookup fields that served them.
#include <memory>
#include <vector>

#include "classes/List.h"
#include "library/MySQLDataSet.h"
#include "migrator/ConvertComponents.h"
#include "migrator/DataSetList.h"
#include "migrator/MigrationJournal.h"

// What the last run did, for callers that report it. Names are those at the time of the change;
// each entry carries the owner (form, data module or frame) of the component it names.
struct TMigrationReport {
  struct TPair {
    TComponent* Owner;
    String OldName;  // the name the old dataset had before the run
    String OldClass;
    String NewName;
    String NewClass;
  };
  struct TName {
    TComponent* Owner;
    String Name;
  };
  std::vector<TPair> Pairs;
  std::vector<TName> DataSources;   // retargeted to a new dataset
  std::vector<TName> LookupFields;  // retargeted to a new dataset
  std::vector<TName> Removed;       // freed sources and their update objects
  String Message;
};

class TBDE2Ombrix : public TComponent {
  OMBRIX_CLASS(TBDE2Ombrix)
  // In the designer, takes the owner's most recently listed connection, else the last listed.
  explicit TBDE2Ombrix(TComponent* aOwner);
  ~TBDE2Ombrix() override;

  TmySQLDatabase* GetDatabase() const { return FMySQLDatabase; }
  void SetDatabase(TmySQLDatabase* value);
  // A pseudo-property: its editor runs Migrate.
  bool Execute() const { return FExecute; }
  void SetExecute(bool value) { FExecute = value; }
  TConvertComponents ConvertComponents() const { return FConvertComponents; }
  void SetConvertComponents(TConvertComponents value) { FConvertComponents = value; }
  bool DeleteSourceComponents() const { return FDeleteSourceComponents; }
  void SetDeleteSourceComponents(bool value) { FDeleteSourceComponents = value; }

  // The pairs of the last run (with DeleteSourceComponents, the old datasets are freed).
  const TDataSetList& DataSets() const { return *FDataSets; }
  const TMigrationReport& LastRun() const { return FLastRun; }

  // Converts every convertible dataset on the open forms. Raises "Database not assigned"
  // without a connection. A run that fails leaves every form as it was.
  virtual void Migrate();

  void Notification(TComponent* component, TOperation operation) override;

 protected:
  // Appends every component of class cls (or a descendant) owned by the root of an open form.
  void FillComponents(TList* list, TClass cls);
  void MigrateTables();
  void MigrateDataSources();
  void MigrateLookupFields();
  int NewDataSetPair(TmySQLDataSet* newDataSet, TDataSet* oldDataSet);

  // Converting one dataset.
  void CheckDataSet(TDataSet* dataSet);
  void UpdateDesignInfo(TComponent* oldComponent, TComponent* newComponent);
  void CreateMySQLDataSet(TmySQLDataSet* newDataSet, TDataSet* oldDataSet);
  void GetNeededSQLs(TmySQLDataSet* newDataSet, TDataSet* oldDataSet);
  void AssignEvents(TmySQLDataSet* newDataSet, TDataSet* oldDataSet);
  void MoveFields(TmySQLDataSet* newDataSet, TDataSet* oldDataSet);
  void GetCachedUpdates(TmySQLDataSet* newDataSet, TDataSet* oldDataSet);
  void GetNeededUpdateObject(TmySQLDataSet* newDataSet, TDataSet* oldDataSet);
  // Copies one field's definition onto another and gives it the old one's name; no pass uses it.
  void AssignFields(TField* oldField, TField* newField);

 private:
  void DeleteSources();
  void Rename(TComponent* component, const String& name);

  TmySQLDatabase* FMySQLDatabase = nullptr;
  std::unique_ptr<TDataSetList> FDataSets;
  bool FExecute = false;
  bool FDeleteSourceComponents = true;
  TConvertComponents FConvertComponents = kAllConvertComponents;
  TMigrationReport FLastRun;
  TMigrationJournal FJournal;  // the changes of the run in progress
};
