#include "library/memory/MemoryCatalog.h"

#include <algorithm>

#include "rtl/Exceptions.h"

TMemoryTable& TMemoryDatabase::AddTable(const String& name, std::vector<TMemoryColumn> columns,
                                        TMemoryTableKind kind) {
  if (FindTable(name) != nullptr) {
    throw EDatabaseError(STR("Table '") + name + STR("' already exists"));
  }
  TMemoryTable& table = Tables.emplace_back();
  table.Name = name;
  table.Kind = kind;
  table.Columns = std::move(columns);
  return table;
}

TMemoryTable* TMemoryDatabase::FindTable(const String& name) {
  const auto found = std::find_if(Tables.begin(), Tables.end(),
                                  [&](const TMemoryTable& t) { return t.Name == name; });
  return found == Tables.end() ? nullptr : &*found;
}

TMemoryRoutine& TMemoryDatabase::AddRoutine(const String& name, TRoutineKind kind,
                                            std::vector<TRoutineParam> params) {
  TMemoryRoutine& routine = Routines.emplace_back();
  routine.Name = name;
  routine.Kind = kind;
  routine.Params = std::move(params);
  return routine;
}

void TMemoryDatabase::AddStatement(const String& sql, TResultSet result) {
  Statements.push_back({sql, std::move(result)});
}

TMemoryCatalog::TMemoryCatalog()
    : CharacterSets{STR("ascii"), STR("binary"), STR("latin1"), STR("utf8mb3"), STR("utf8mb4")},
      Collations{STR("ascii_bin"),          STR("ascii_general_ci"),   STR("binary"),
                 STR("latin1_bin"),         STR("latin1_german2_ci"),  STR("latin1_swedish_ci"),
                 STR("utf8mb3_bin"),        STR("utf8mb3_general_ci"), STR("utf8mb4_bin"),
                 STR("utf8mb4_general_ci"), STR("utf8mb4_unicode_ci")} {}

TMemoryDatabase& TMemoryCatalog::Database(const String& name) {
  return FDatabases[name];
}

TMemoryDatabase* TMemoryCatalog::FindDatabase(const String& name) {
  const auto found = FDatabases.find(name);
  return found == FDatabases.end() ? nullptr : &found->second;
}

void TMemoryCatalog::AddUser(const String& user, const String& password) {
  FUsers[user] = password;
}

void TMemoryCatalog::CheckLogin(const TConnectParams& params) const {
  if (!FRunning) throw EDatabaseError(STR("Can't connect to the in-memory server (111)"));
  if (!FUsers.empty()) {
    const auto user = FUsers.find(params.User);
    if (user == FUsers.end() || user->second != params.Password) {
      const String usingPassword = params.Password.empty() ? STR("NO") : STR("YES");
      throw EDatabaseError(STR("Access denied for user '") + params.User +
                           STR("'@'localhost' (using password: ") + usingPassword + STR(")"));
    }
  }
  if (!params.Database.empty() && FDatabases.find(params.Database) == FDatabases.end()) {
    throw EDatabaseError(STR("Unknown database '") + params.Database + STR("'"));
  }
}
