#pragma once
// The session over MariaDB Connector/C. Metadata comes from information_schema, one statement
// per call; names travel as escaped string literals, never spliced in as names.
#include "library/ServerSession.h"
#include "library/mariadb/MariaDbConnection.h"

class TMariaDbSession : public TServerSession {
 public:
  void Connect(const TConnectParams& params) override;
  void Close() override;
  bool Connected() const override;

  std::vector<String> TableNames(const String& pattern, bool systemTables) override;
  std::vector<String> FieldNames(const String& table) override;
  std::vector<TIndexDescription> Indexes(const String& table) override;
  std::vector<TRoutine> Routines() override;
  std::vector<TRoutineParam> RoutineParams(const String& name) override;
  std::vector<String> CharacterSets() override;
  std::vector<String> Collations() override;

  std::vector<TColumnDescription> DescribeTable(const String& table) override;
  std::vector<TColumnDescription> Describe(const String& sql) override;
  TResultSet Execute(const String& sql, const std::vector<TParamValue>& params,
                     size_t maxRows) override;
  TResultSet SelectTable(const TTableRequest& request, size_t maxRows) override;

 private:
  std::vector<String> FirstColumn(const std::string& sql);
  // "column = name" matching the table name exactly, as the server's table lookup does.
  std::string TableNameIs(const char* column, const String& table);

  TMariaDbConnection FConnection;
};
