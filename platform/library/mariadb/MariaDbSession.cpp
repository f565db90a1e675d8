#include "library/mariadb/MariaDbSession.h"

#include <algorithm>
#include <limits>

#include "db/NamedParams.h"
#include "library/mariadb/MariaDbTypes.h"

namespace {

constexpr size_t kAllRows = std::numeric_limits<size_t>::max();

String Text(const TRowValue& value) {
  return value ? FromUtf8(*value) : String();
}

// Finds a column of a result by name; -1 when the server does not have it.
int ColumnIndex(const TResultSet& result, std::string_view name) {
  for (size_t i = 0; i < result.Columns.size(); ++i) {
    if (ToUtf8(result.Columns[i].Name) == name) return static_cast<int>(i);
  }
  return -1;
}

const TParamValue& FindParam(const std::vector<TParamValue>& params, const String& name) {
  const auto found = std::find_if(params.begin(), params.end(),
                                  [&](const TParamValue& p) { return SameText(p.Name, name); });
  if (found == params.end()) throw EDatabaseError(STR("Parameter '") + name + STR("' not found"));
  return *found;
}

TParamDirection DirectionOf(const TRowValue& mode) {
  if (!mode) return TParamDirection::Result;
  if (*mode == "OUT") return TParamDirection::Out;
  if (*mode == "INOUT") return TParamDirection::InOut;
  return TParamDirection::In;
}

}  // namespace

void TMariaDbSession::Connect(const TConnectParams& params) {
  FConnection.Open(params);
}

void TMariaDbSession::Close() {
  FConnection.Close();
}

bool TMariaDbSession::Connected() const {
  return FConnection.IsOpen();
}

std::vector<String> TMariaDbSession::FirstColumn(const std::string& sql) {
  std::vector<String> names;
  for (const TRow& row : FConnection.Run(sql, kAllRows).Rows) names.push_back(Text(row[0]));
  return names;
}

// information_schema compares names without regard to case or accents; the server's table
// lookup does not (unless it folds table names to lower case).
std::string TMariaDbSession::TableNameIs(const char* column, const String& table) {
  const std::string literal = FConnection.Literal(table);
  return std::string(column) + " = " + literal + " AND (BINARY " + column + " = " + literal +
         " OR @@lower_case_table_names <> 0)";
}

std::vector<String> TMariaDbSession::TableNames(const String& pattern, bool systemTables) {
  std::string sql =
      "SELECT TABLE_NAME FROM information_schema.TABLES WHERE TABLE_SCHEMA = DATABASE()";
  if (!systemTables) sql += " AND TABLE_TYPE <> 'SYSTEM VIEW'";
  if (!pattern.empty()) sql += " AND TABLE_NAME LIKE " + FConnection.Literal(pattern);
  return FirstColumn(sql + " ORDER BY BINARY TABLE_NAME");
}

std::vector<String> TMariaDbSession::FieldNames(const String& table) {
  return FirstColumn(
      "SELECT COLUMN_NAME FROM information_schema.COLUMNS WHERE TABLE_SCHEMA = DATABASE() AND " +
      TableNameIs("TABLE_NAME", table) + " ORDER BY ORDINAL_POSITION");
}

std::vector<TIndexDescription> TMariaDbSession::Indexes(const String& table) {
  // All columns: which ones a server has (EXPRESSION only where it indexes expressions) shows
  // in the result itself, without a second round trip.
  TResultSet result = FConnection.Run(
      "SELECT * FROM information_schema.STATISTICS WHERE TABLE_SCHEMA = DATABASE() AND " +
          TableNameIs("TABLE_NAME", table),
      kAllRows);
  const int name = ColumnIndex(result, "INDEX_NAME");
  const int nonUnique = ColumnIndex(result, "NON_UNIQUE");
  const int sequence = ColumnIndex(result, "SEQ_IN_INDEX");
  const int column = ColumnIndex(result, "COLUMN_NAME");
  const int collation = ColumnIndex(result, "COLLATION");
  const int expression = ColumnIndex(result, "EXPRESSION");
  // Indexes in the server's order, the primary key first; parts by their position.
  std::vector<String> order;
  for (const TRow& row : result.Rows) {
    const String indexName = Text(row[name]);
    if (std::find(order.begin(), order.end(), indexName) == order.end()) order.push_back(indexName);
  }
  std::stable_partition(order.begin(), order.end(),
                        [](const String& n) { return n == STR("PRIMARY"); });
  auto rank = [&](const TRow& row) {
    const auto at = std::find(order.begin(), order.end(), Text(row[name])) - order.begin();
    return std::make_pair(at, std::stoll(row[sequence].value_or("0")));
  };
  std::stable_sort(result.Rows.begin(), result.Rows.end(),
                   [&](const TRow& a, const TRow& b) { return rank(a) < rank(b); });

  std::vector<TIndexDescription> indexes;
  for (const TRow& row : result.Rows) {
    const String indexName = Text(row[name]);
    const bool primary = indexName == STR("PRIMARY");
    if (indexes.empty() || indexes.back().Name != (primary ? String() : indexName) ||
        indexes.back().Primary != primary) {
      TIndexDescription& index = indexes.emplace_back();
      index.Name = primary ? String() : indexName;
      index.Primary = primary;
      index.Unique = row[nonUnique] == "0";
    }
    TIndexDescription& index = indexes.back();
    const bool descending = row[collation] == "D";
    index.Descending = index.Descending || descending;
    if (expression >= 0 && row[expression]) {
      index.IsExpression = true;
      if (!index.Expression.empty()) index.Expression += STR(";");
      index.Expression += Text(row[expression]);
    } else {
      index.Fields.push_back(Text(row[column]));
      if (descending) index.DescendingFields.push_back(index.Fields.back());
    }
  }
  return indexes;
}

std::vector<TRoutine> TMariaDbSession::Routines() {
  const TResultSet result = FConnection.Run(
      "SELECT ROUTINE_NAME, ROUTINE_TYPE FROM information_schema.ROUTINES"
      " WHERE ROUTINE_SCHEMA = DATABASE() ORDER BY BINARY ROUTINE_NAME, ROUTINE_TYPE DESC",
      kAllRows);
  std::vector<TRoutine> routines;
  for (const TRow& row : result.Rows) {
    const TRoutineKind kind =
        row[1] == "FUNCTION" ? TRoutineKind::Function : TRoutineKind::Procedure;
    routines.push_back({Text(row[0]), kind});
  }
  return routines;
}

std::vector<TRoutineParam> TMariaDbSession::RoutineParams(const String& name) {
  // Routine names are matched as the server matches them: without regard to case or accents.
  // The join tells a routine without parameters from no routine at all; naming the routine on
  // both sides lets the server read only its parameters.
  const std::string routine = FConnection.Literal(name);
  const TResultSet result = FConnection.Run(
      "SELECT r.ROUTINE_TYPE, p.PARAMETER_MODE, p.PARAMETER_NAME, p.DATA_TYPE, "
      "p.DTD_IDENTIFIER, p.ORDINAL_POSITION FROM information_schema.ROUTINES r "
      "LEFT JOIN information_schema.PARAMETERS p ON p.SPECIFIC_SCHEMA = DATABASE() "
      "AND p.SPECIFIC_NAME = " +
          routine +
          " AND p.ROUTINE_TYPE = r.ROUTINE_TYPE "
          "WHERE r.ROUTINE_SCHEMA = DATABASE() AND r.ROUTINE_NAME = " +
          routine + " ORDER BY r.ROUTINE_TYPE DESC, p.ORDINAL_POSITION",
      kAllRows);
  if (result.Rows.empty()) {
    RaiseNoSuchRoutine(name);
  }
  std::vector<TRoutineParam> params;
  for (const TRow& row : result.Rows) {
    if (row[0] != result.Rows.front()[0]) break;  // a function of the same name
    if (!row[5]) continue;                        // no parameters at all
    TRoutineParam param;
    param.Direction = DirectionOf(row[1]);
    param.Name = Text(row[2]);
    param.TypeName = Text(row[3]);
    param.DataType = FieldTypeOfDataType(row[3].value_or(""), row[4].value_or(""));
    params.push_back(std::move(param));
  }
  return params;
}

std::vector<String> TMariaDbSession::CharacterSets() {
  return FirstColumn("SELECT CHARACTER_SET_NAME FROM information_schema.CHARACTER_SETS ORDER BY 1");
}

std::vector<String> TMariaDbSession::Collations() {
  return FirstColumn("SELECT COLLATION_NAME FROM information_schema.COLLATIONS ORDER BY 1");
}

std::vector<TColumnDescription> TMariaDbSession::DescribeTable(const String& table) {
  return FConnection.Describe("SELECT * FROM " + TMariaDbConnection::QuoteName(table));
}

std::vector<TColumnDescription> TMariaDbSession::Describe(const String& sql) {
  return FConnection.Describe(ToUtf8(ParseNamedParams(sql).WithPlaceholders()));
}

TResultSet TMariaDbSession::Execute(const String& sql, const std::vector<TParamValue>& params,
                                    size_t maxRows) {
  const TParsedStatement parsed = ParseNamedParams(sql);
  std::string text = ToUtf8(parsed.Texts.front());
  for (size_t i = 0; i < parsed.Names.size(); ++i) {
    text += FConnection.Literal(FindParam(params, parsed.Names[i]));
    text += ToUtf8(parsed.Texts[i + 1]);
  }
  return FConnection.Run(text, maxRows);
}

TResultSet TMariaDbSession::SelectTable(const TTableRequest& request, size_t maxRows) {
  std::string sql = "SELECT * FROM " + TMariaDbConnection::QuoteName(request.Table);
  for (size_t i = 0; i < request.Equal.size(); ++i) {
    sql += i == 0 ? " WHERE " : " AND ";
    sql += TMariaDbConnection::QuoteName(request.Equal[i].Name) + " = " +
           FConnection.Literal(request.Equal[i]);
  }
  for (size_t i = 0; i < request.OrderBy.size(); ++i) {
    sql += i == 0 ? " ORDER BY " : ", ";
    sql += TMariaDbConnection::QuoteName(request.OrderBy[i]);
  }
  // One row beyond the cap tells whether the table has more.
  if (maxRows != kAllRows) sql += " LIMIT " + std::to_string(maxRows + 1);
  return FConnection.Run(sql, maxRows);
}
