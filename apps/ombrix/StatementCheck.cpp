#include "StatementCheck.h"

#include "library/DatabaseSession.h"

namespace {

// Puts the session's SQL mode back however the checks end.
class TAnsiQuotes {
 public:
  explicit TAnsiQuotes(TServerSession& session) : FSession(session) {
    FMode = session.Execute(STR("SELECT @@SESSION.sql_mode"), {}, 1).Rows.at(0).at(0);
    session.Execute(STR("SET SESSION sql_mode = CONCAT(@@SESSION.sql_mode, ',ANSI_QUOTES')"), {},
                    0);
  }
  ~TAnsiQuotes() {
    try {
      FSession.Execute(STR("SET SESSION sql_mode = :mode"), {{STR("mode"), FMode}}, 0);
    } catch (const EDatabaseError&) {
      // A session that broke during the checks is closed by its connection anyway.
    }
  }
  TAnsiQuotes(const TAnsiQuotes&) = delete;
  TAnsiQuotes& operator=(const TAnsiQuotes&) = delete;

 private:
  TServerSession& FSession;
  TRowValue FMode;
};

}  // namespace

std::vector<std::optional<String>> CheckStatements(TmySQLDatabase& database,
                                                   const std::vector<const TStringList*>& sql) {
  TServerSession& session = ConnectedSession(database);
  TAnsiQuotes quotes(session);
  std::vector<std::optional<String>> results;
  for (const TStringList* statement : sql) {
    std::optional<String>& result = results.emplace_back();
    if (Trim(statement->Text()).empty()) continue;
    try {
      session.Describe(statement->Text());
    } catch (const EDatabaseError& e) {
      result = e.Message();
    }
  }
  return results;
}
