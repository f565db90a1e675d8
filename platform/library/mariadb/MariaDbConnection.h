#pragma once
// One Connector/C connection: connecting with the session's settings, sending statements,
// reading results into memory, and quoting names and values for statements.
#include <string>

#include "library/ServerSession.h"

struct st_mysql;  // Connector/C's MYSQL, kept out of the includers' sight

class TMariaDbConnection {
 public:
  TMariaDbConnection() = default;
  ~TMariaDbConnection();
  TMariaDbConnection(const TMariaDbConnection&) = delete;
  TMariaDbConnection& operator=(const TMariaDbConnection&) = delete;

  void Open(const TConnectParams& params);
  void Close();
  bool IsOpen() const { return FHandle != nullptr; }

  // Sends one statement (UTF-8) and keeps at most maxRows rows of its first result; later
  // results (the status of a CALL) are read and dropped.
  TResultSet Run(const std::string& sql, size_t maxRows);
  // The result columns of a statement with "?" parameters, prepared but not run.
  std::vector<TColumnDescription> Describe(const std::string& sql);

  // A string literal of the name or text that the server reads back unchanged, whatever the
  // connection's character set and SQL mode.
  std::string Literal(StringView value);
  std::string Literal(const TParamValue& value);
  // A quoted name: backquotes around, inner backquotes doubled.
  static std::string QuoteName(StringView name);

 private:
  st_mysql* Handle();
  [[noreturn]] void Fail();
  std::string Escape(std::string_view bytes);
  void ApplyCharacterSet(const TConnectParams& params);
  TResultSet FetchFirstResult(size_t maxRows);
  void DropMoreResults();

  st_mysql* FHandle = nullptr;
};
