#pragma once
// The library's datasets: rows read from the server into memory (up to MaxRows), persistent
// fields honoured, default fields made from the server's column types otherwise. The rows are
// a read-only copy: editing raises "Cannot modify a read-only dataset".
#include <functional>
#include <vector>

#include "db/DataSet.h"
#include "library/MySQLDatabase.h"

class TmySQLSQLUpdateObject;
struct TColumnDescription;
struct TResultSet;

class TmySQLDataSet : public TDataSet {
  OMBRIX_CLASS(TmySQLDataSet)
  explicit TmySQLDataSet(TComponent* owner);
  ~TmySQLDataSet() override;

  TmySQLDatabase* Database() const { return FDatabase; }
  void SetDatabase(TmySQLDatabase* value);
  bool CachedUpdates() const { return FCachedUpdates; }
  void SetCachedUpdates(bool value) { FCachedUpdates = value; }
  // Assigning tells the update object which dataset it serves.
  TmySQLSQLUpdateObject* UpdateObject() const { return FUpdateObject; }
  void SetUpdateObject(TmySQLSQLUpdateObject* value);
  // The most rows an open reads; the rest stay on the server (Truncated).
  int MaxRows() const { return FMaxRows; }
  void SetMaxRows(int value);
  bool Truncated() const { return FTruncated; }
  // The Active that form files store: the value it was read with. Loading opens nothing, as
  // opening would connect to the server.
  bool StoredActive() const { return FStoredActive; }

  // The fields of the current index, in key order (none for a dataset without one).
  virtual int GetIndexFieldCount();
  virtual TField* GetIndexField(int index);

  bool CanModify() const override { return false; }
  void Notification(TComponent* component, TOperation operation) override;

 protected:
  // The values this dataset takes from its master (DataSource); when they change, an open
  // dataset reads its rows again. None by default.
  virtual std::vector<Variant> MasterValues() { return {}; }
  void MasterChanged() override;
  // Reads the rows for the current master values.
  void ReadRows(const std::function<TResultSet()>& read);
  // The connection, connected; raises "Database not assigned" without one.
  TServerSession& Session();
  void DefineFields(const std::vector<TColumnDescription>& columns);

 private:
  void SetPublishedActive(bool value);
  friend class TmySQLDatabase;
  TmySQLDatabase* FDatabase = nullptr;
  size_t FDatabaseSlot = 0;  // where FDatabase lists this dataset
  TmySQLSQLUpdateObject* FUpdateObject = nullptr;
  bool FCachedUpdates = false;
  int FMaxRows = 100000;
  bool FTruncated = false;
  bool FStoredActive = false;
  std::vector<Variant> FMasterValues;
};
