#pragma once
// One session with a database server, as the component library sees it. Two implementations:
// MariaDB Connector/C for real servers, an in-memory catalog for fast tests. Package code never
// sees this interface; it talks to TmySQLDatabase and the datasets.
//
// Names handed in (tables, routines, fields) are data: implementations quote or escape them so
// that nothing a name contains changes the statement. Every failure raises EDatabaseError with
// the server's message.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "db/FieldTypes.h"
#include "library/ConnectOptions.h"
#include "rtl/String.h"

struct TConnectParams {
  String Host{};      // empty: the local server
  uint32_t Port = 0;  // 0: the client's default port
  String Socket{};    // a local socket path, used when Host is empty or "localhost"
  String User{};
  String Password{};
  String Database{};
  String CharacterSet{};  // governs string literals on the server; the wire always carries UTF-8
  String Collation{};
  TConnectOptions Options = 0;
  unsigned ConnectTimeout = 10;  // seconds; a server that never answers fails instead of hanging
  unsigned ReadTimeout = 60;
};

// Puts the run's connection settings (library/ConnectionOverride.h) over the stored ones.
void ApplyConnectionOverride(TConnectParams& params);

struct TIndexDescription {
  String Name{};                 // empty for the primary key
  std::vector<String> Fields{};  // in key order; expression parts are not fields
  std::vector<String> DescendingFields{};
  String Expression{};  // expression parts joined by ";" (servers that index expressions)
  bool Primary = false;
  bool Unique = false;
  bool Descending = false;  // any part descending
  bool IsExpression = false;
};

enum class TParamDirection { In, Out, InOut, Result };

struct TRoutineParam {
  String Name{};  // empty for a function's result
  TParamDirection Direction = TParamDirection::In;
  TFieldType DataType = TFieldType::ftUnknown;
  String TypeName{};  // the server's name of the type, "varchar", "decimal", ...
};

enum class TRoutineKind { Procedure, Function };

struct TRoutine {
  String Name{};
  TRoutineKind Kind = TRoutineKind::Procedure;
};

struct TColumnDescription {
  String Name{};  // as the statement names it (the alias)
  TFieldType DataType = TFieldType::ftUnknown;
  uint32_t Size = 0;  // characters of a string, bytes of a binary string, 0 otherwise
  uint32_t Precision = 0;
  uint32_t Scale = 0;
  bool Required = false;  // NOT NULL
  bool AutoIncrement = false;
  String Table{};         // the table or alias as the statement names it
  String OriginTable{};   // the base table or view; empty for computed columns
  String OriginColumn{};  // the column in it; empty for computed columns
};

// A value as the server's text protocol carries it (UTF-8 text, or bytes for binary columns).
using TRowValue = std::optional<std::string>;
using TRow = std::vector<TRowValue>;

struct TResultSet {
  std::vector<TColumnDescription> Columns{};
  std::vector<TRow> Rows{};
  bool Truncated = false;  // the statement had more rows than the cap
};

// A value for a ":name" parameter of a statement; names match without regard to ASCII case.
struct TParamValue {
  String Name{};
  TRowValue Value{};    // null: SQL NULL
  bool Binary = false;  // bytes, not text
};

// The rows of one table, optionally restricted to equal values (a detail of a master) and
// ordered by fields (the current index).
struct TTableRequest {
  String Table{};
  std::vector<String> OrderBy{};
  std::vector<TParamValue> Equal{};  // field name, value; a null value matches no row
};

class TServerSession {
 public:
  virtual ~TServerSession() = default;

  virtual void Connect(const TConnectParams& params) = 0;
  virtual void Close() = 0;
  virtual bool Connected() const = 0;

  // Tables and views of the current database, in code point order. systemTables adds the
  // server's system views, which only the system schemas hold. An empty pattern lists all,
  // otherwise it is a LIKE pattern ("%" any run, "_" one character).
  virtual std::vector<String> TableNames(const String& pattern, bool systemTables) = 0;
  // Column names in the table's order; empty when there is no such table.
  virtual std::vector<String> FieldNames(const String& table) = 0;
  // The table's indexes, the primary key first.
  virtual std::vector<TIndexDescription> Indexes(const String& table) = 0;
  // Stored procedures and functions of the current database, in code point order.
  virtual std::vector<TRoutine> Routines() = 0;
  // A routine's parameters in declared order; a function's result comes first. When a
  // procedure and a function share the name, the procedure's. Raises when there is no routine.
  virtual std::vector<TRoutineParam> RoutineParams(const String& name) = 0;
  virtual std::vector<String> CharacterSets() = 0;
  virtual std::vector<String> Collations() = 0;

  // The columns of a table or view with their types; raises when there is no such table.
  virtual std::vector<TColumnDescription> DescribeTable(const String& table) = 0;
  // The result columns of a statement, without running it. ":name" parameters are allowed.
  virtual std::vector<TColumnDescription> Describe(const String& sql) = 0;
  // Runs a statement, keeping at most maxRows rows of its first result.
  virtual TResultSet Execute(const String& sql, const std::vector<TParamValue>& params,
                             size_t maxRows) = 0;
  virtual TResultSet SelectTable(const TTableRequest& request, size_t maxRows) = 0;
};

// Failures that both implementations report alike.
[[noreturn]] void RaiseNotConnected();
[[noreturn]] void RaiseNoSuchRoutine(const String& name);
