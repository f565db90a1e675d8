#pragma once
// A session over an in-memory catalog. The catalog must outlive its sessions.
#include "library/ServerSession.h"
#include "library/memory/MemoryCatalog.h"

class TMemorySession : public TServerSession {
 public:
  explicit TMemorySession(TMemoryCatalog& catalog) : FCatalog(catalog) {}

  void Connect(const TConnectParams& params) override;
  void Close() override;
  bool Connected() const override { return FConnected; }

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
  void CheckConnected() const;
  // The current database; null when the session chose none.
  TMemoryDatabase* Current() const;
  const TMemoryStatement& FindStatement(const String& sql) const;
  // Raises as a server does for a missing table.
  const TMemoryTable& FindTable(const String& name) const;
  void CheckCharacterSet(const TConnectParams& params) const;

  TMemoryCatalog& FCatalog;
  bool FConnected = false;
  String FDatabase;
};
