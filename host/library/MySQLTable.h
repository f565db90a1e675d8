#pragma once
// A dataset over one table. The current index is IndexFieldNames when set, else IndexName, else
// the primary key; rows come ordered by it. With MasterSource and MasterFields the table shows
// the rows whose current index fields equal the master's fields, following the master.
#include "db/DataSource.h"
#include "library/MySQLDataSet.h"

struct TTableRequest;

class TmySQLTable : public TmySQLDataSet {
  OMBRIX_CLASS(TmySQLTable)
  explicit TmySQLTable(TComponent* owner);

  const String& TableName() const { return FTableName; }
  // Raises the database error while the table is open.
  void SetTableName(const String& value);
  const String& IndexName() const { return FIndexName; }
  // Clears IndexFieldNames.
  void SetIndexName(const String& value);
  const String& IndexFieldNames() const { return FIndexFieldNames; }
  // Clears IndexName.
  void SetIndexFieldNames(const String& value);
  TDataSource* MasterSource() const { return DataSource(); }
  void SetMasterSource(TDataSource* value) { SetDataSource(value); }
  const String& MasterFields() const { return FMasterFields; }
  void SetMasterFields(const String& value);

  // The index names of the table (the primary key has none and is not listed).
  void GetIndexNames(TStringList& list);
  int GetIndexFieldCount() override;
  TField* GetIndexField(int index) override;

 protected:
  void InternalInitFieldDefs() override;
  void UpdateIndexDefs() override;
  void InternalOpen() override;
  void InternalRefresh() override;
  std::vector<Variant> MasterValues() override;

 private:
  // The field names of the current index, from IndexDefs for IndexName and the primary key.
  std::vector<String> IndexFields();
  TTableRequest Request();

  String FTableName;
  String FIndexName;
  String FIndexFieldNames;
  String FMasterFields;
};
