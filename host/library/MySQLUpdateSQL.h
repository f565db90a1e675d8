#pragma once
// Update objects: the statements that write a dataset's changes back to the server.
#include <array>
#include <memory>

#include "classes/Component.h"
#include "classes/StringList.h"

class TmySQLDataSet;

// The base of update objects; DataSet is set by the dataset whose UpdateObject it becomes.
class TmySQLSQLUpdateObject : public TComponent {
  OMBRIX_CLASS(TmySQLSQLUpdateObject)
  explicit TmySQLSQLUpdateObject(TComponent* owner) : TComponent(owner) {
    HearWatchedRemovalsOnly();
  }
  ~TmySQLSQLUpdateObject() override;

  TmySQLDataSet* DataSet() const { return FDataSet; }
  // Also detaches the object from the dataset it served.
  void SetDataSet(TmySQLDataSet* value);
  void Notification(TComponent* component, TOperation operation) override;

 private:
  TmySQLDataSet* FDataSet = nullptr;
};

enum class TMySQLUpdateKind { ukModify, ukInsert, ukDelete, ukRefresh };
inline constexpr int kUpdateKindCount = 4;
const TTypeInfo& TypeInfoUpdateKind();

class TmySQLUpdateSQL : public TmySQLSQLUpdateObject {
  OMBRIX_CLASS(TmySQLUpdateSQL)
  explicit TmySQLUpdateSQL(TComponent* owner);

  // The statement of a kind (0 modify, 1 insert, 2 delete, 3 refresh record); raises
  // EListError for another index.
  TStringList* GetSQLIndex(int index) const;
  TStringList* SQL(TMySQLUpdateKind kind) const { return GetSQLIndex(static_cast<int>(kind)); }
  void SetSQL(TMySQLUpdateKind kind, const TStringList& lines);

  TStringList* ModifySQL() const { return SQL(TMySQLUpdateKind::ukModify); }
  TStringList* InsertSQL() const { return SQL(TMySQLUpdateKind::ukInsert); }
  TStringList* DeleteSQL() const { return SQL(TMySQLUpdateKind::ukDelete); }
  TStringList* RefreshSQL() const { return SQL(TMySQLUpdateKind::ukRefresh); }

 private:
  std::array<std::unique_ptr<TStringList>, kUpdateKindCount> FSQL;
};
