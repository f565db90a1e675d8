#pragma once
// A server held in memory for fast tests: databases with tables, views, indexes, routines and
// canned statements, plus the server's character sets and collations. Sessions over it
// (TMemorySession) answer as a real server with the same schema would.
#include <map>
#include <vector>

#include "library/ServerSession.h"

struct TMemoryColumn {
  String Name{};
  TFieldType DataType = TFieldType::ftString;
  uint32_t Size = 0;
  bool Required = false;
};

enum class TMemoryTableKind { Table, View, SystemView };

struct TMemoryTable {
  String Name{};
  TMemoryTableKind Kind = TMemoryTableKind::Table;
  std::vector<TMemoryColumn> Columns{};
  std::vector<TIndexDescription> Indexes{};  // the primary key first
  std::vector<TRow> Rows{};                  // values in column order
};

struct TMemoryRoutine {
  String Name{};
  TRoutineKind Kind = TRoutineKind::Procedure;
  std::vector<TRoutineParam> Params{};  // a function's result first
};

// A statement the catalog answers as given (blanks around it aside): its result columns and
// rows.
struct TMemoryStatement {
  String Sql{};
  TResultSet Result{};
};

struct TMemoryDatabase {
  std::vector<TMemoryTable> Tables{};
  std::vector<TMemoryRoutine> Routines{};
  std::vector<TMemoryStatement> Statements{};

  TMemoryTable& AddTable(const String& name, std::vector<TMemoryColumn> columns,
                         TMemoryTableKind kind = TMemoryTableKind::Table);
  // Tables match exactly, as on a server that keeps the case of table names.
  TMemoryTable* FindTable(const String& name);
  TMemoryRoutine& AddRoutine(const String& name, TRoutineKind kind,
                             std::vector<TRoutineParam> params);
  void AddStatement(const String& sql, TResultSet result);
};

class TMemoryCatalog {
 public:
  TMemoryCatalog();

  // Creates the database on first use.
  TMemoryDatabase& Database(const String& name);
  TMemoryDatabase* FindDatabase(const String& name);

  // With no user added, every login succeeds.
  void AddUser(const String& user, const String& password);
  // Raises what a server raises when a login is refused or the database is missing.
  void CheckLogin(const TConnectParams& params) const;
  // A catalog that is down refuses every connection.
  void SetRunning(bool running) { FRunning = running; }

  std::vector<String> CharacterSets;
  std::vector<String> Collations;

 private:
  std::map<String, TMemoryDatabase> FDatabases;
  std::map<String, String> FUsers;
  bool FRunning = true;
};
