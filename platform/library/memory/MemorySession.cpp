#include "library/memory/MemorySession.h"

#include <algorithm>

#include "library/memory/MemoryRows.h"
#include "rtl/Exceptions.h"

namespace {

// Code point order, as the server sorts names compared byte for byte in UTF-8.
bool CodePointLess(const String& a, const String& b) {
  return ToUtf8(a) < ToUtf8(b);
}

bool Contains(const std::vector<String>& names, const String& name) {
  return std::find(names.begin(), names.end(), name) != names.end();
}

TResultSet Capped(TResultSet result, size_t maxRows) {
  if (result.Rows.size() > maxRows) {
    result.Rows.resize(maxRows);
    result.Truncated = true;
  }
  return result;
}

}  // namespace

void TMemorySession::Connect(const TConnectParams& params) {
  Close();
  FCatalog.CheckLogin(params);
  CheckCharacterSet(params);
  FDatabase = params.Database;
  FConnected = true;
}

void TMemorySession::CheckCharacterSet(const TConnectParams& params) const {
  const String& charset = params.CharacterSet;
  const String& collation = params.Collation;
  if (!charset.empty() && !Contains(FCatalog.CharacterSets, charset)) {
    throw EDatabaseError(STR("Unknown character set: '") + charset + STR("'"));
  }
  if (!collation.empty() && !Contains(FCatalog.Collations, collation)) {
    throw EDatabaseError(STR("Unknown collation: '") + collation + STR("'"));
  }
  if (!charset.empty() && !collation.empty() && collation != charset &&
      collation.rfind(charset + STR("_"), 0) != 0) {
    throw EDatabaseError(STR("COLLATION '") + collation +
                         STR("' is not valid for CHARACTER SET '") + charset + STR("'"));
  }
}

void TMemorySession::Close() {
  FConnected = false;
  FDatabase.clear();
}

void TMemorySession::CheckConnected() const {
  if (!FConnected) RaiseNotConnected();
}

TMemoryDatabase* TMemorySession::Current() const {
  CheckConnected();
  return FDatabase.empty() ? nullptr : FCatalog.FindDatabase(FDatabase);
}

std::vector<String> TMemorySession::TableNames(const String& pattern, bool systemTables) {
  std::vector<String> names;
  TMemoryDatabase* database = Current();
  if (database == nullptr) return names;
  for (const TMemoryTable& table : database->Tables) {
    if (table.Kind == TMemoryTableKind::SystemView && !systemTables) continue;
    if (!pattern.empty() && !MatchesLike(table.Name, pattern)) continue;
    names.push_back(table.Name);
  }
  std::sort(names.begin(), names.end(), CodePointLess);
  return names;
}

std::vector<String> TMemorySession::FieldNames(const String& table) {
  std::vector<String> names;
  TMemoryDatabase* database = Current();
  const TMemoryTable* found = database != nullptr ? database->FindTable(table) : nullptr;
  if (found == nullptr) return names;
  for (const TMemoryColumn& column : found->Columns) names.push_back(column.Name);
  return names;
}

std::vector<TIndexDescription> TMemorySession::Indexes(const String& table) {
  TMemoryDatabase* database = Current();
  const TMemoryTable* found = database != nullptr ? database->FindTable(table) : nullptr;
  if (found == nullptr) return {};
  std::vector<TIndexDescription> indexes = found->Indexes;
  std::stable_partition(indexes.begin(), indexes.end(),
                        [](const TIndexDescription& index) { return index.Primary; });
  return indexes;
}

std::vector<TRoutine> TMemorySession::Routines() {
  std::vector<TRoutine> routines;
  TMemoryDatabase* database = Current();
  if (database == nullptr) return routines;
  for (const TMemoryRoutine& routine : database->Routines) {
    routines.push_back({routine.Name, routine.Kind});
  }
  std::sort(routines.begin(), routines.end(), [](const TRoutine& a, const TRoutine& b) {
    if (a.Name != b.Name) return CodePointLess(a.Name, b.Name);
    return a.Kind == TRoutineKind::Procedure && b.Kind == TRoutineKind::Function;
  });
  return routines;
}

std::vector<TRoutineParam> TMemorySession::RoutineParams(const String& name) {
  TMemoryDatabase* database = Current();
  const TMemoryRoutine* best = nullptr;
  if (database != nullptr) {
    for (const TMemoryRoutine& routine : database->Routines) {
      if (!SameText(routine.Name, name)) continue;
      if (best == nullptr || routine.Kind == TRoutineKind::Procedure) best = &routine;
    }
  }
  if (best == nullptr) RaiseNoSuchRoutine(name);
  return best->Params;
}

std::vector<String> TMemorySession::CharacterSets() {
  CheckConnected();
  return FCatalog.CharacterSets;
}

std::vector<String> TMemorySession::Collations() {
  CheckConnected();
  return FCatalog.Collations;
}

const TMemoryStatement& TMemorySession::FindStatement(const String& sql) const {
  TMemoryDatabase* database = Current();
  if (database != nullptr) {
    // Blanks around a statement mean nothing to a server.
    for (const TMemoryStatement& statement : database->Statements) {
      if (Trim(statement.Sql) == Trim(sql)) return statement;
    }
  }
  throw EDatabaseError(STR("The in-memory server does not know the statement: ") + sql);
}

std::vector<TColumnDescription> TMemorySession::Describe(const String& sql) {
  return FindStatement(sql).Result.Columns;
}

TResultSet TMemorySession::Execute(const String& sql, const std::vector<TParamValue>&,
                                   size_t maxRows) {
  return Capped(FindStatement(sql).Result, maxRows);
}

const TMemoryTable& TMemorySession::FindTable(const String& name) const {
  TMemoryDatabase* database = Current();
  const TMemoryTable* table = database != nullptr ? database->FindTable(name) : nullptr;
  if (table == nullptr) {
    throw EDatabaseError(STR("Table '") + FDatabase + STR(".") + name + STR("' doesn't exist"));
  }
  return *table;
}

std::vector<TColumnDescription> TMemorySession::DescribeTable(const String& table) {
  const TMemoryTable& found = FindTable(table);
  std::vector<TColumnDescription> columns;
  for (const TMemoryColumn& column : found.Columns) {
    TColumnDescription& out = columns.emplace_back();
    out.Name = column.Name;
    out.DataType = column.DataType;
    out.Size = column.Size;
    out.Required = column.Required;
    out.AutoIncrement = column.DataType == TFieldType::ftAutoInc;
    out.Table = found.Name;
    out.OriginTable = found.Name;
    out.OriginColumn = column.Name;
  }
  return columns;
}

TResultSet TMemorySession::SelectTable(const TTableRequest& request, size_t maxRows) {
  TResultSet result;
  result.Columns = DescribeTable(request.Table);
  result.Rows = SelectRows(FindTable(request.Table), request);
  return Capped(std::move(result), maxRows);
}
