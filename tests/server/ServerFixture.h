#pragma once
// The private test server (scripts/test.sh exports OMBRIX_TEST_SOCKET) and throw-away
// databases on it, one per test process, so that parallel runs never meet.
#include <memory>
#include <string>
#include <vector>

#include "library/MySQLDatabase.h"
#include "library/ServerSession.h"

// Root over the test server's socket; fails the test when no server was started.
TConnectParams TestServerParams(const String& database = String());
// Root over TCP to 127.0.0.1 at the test server's port (OMBRIX_TEST_PORT).
TConnectParams TestServerTcpParams();

// A database with a unique name, made from the given statements and dropped at the end.
class TTestDatabase {
 public:
  explicit TTestDatabase(const std::vector<std::string>& statements);
  ~TTestDatabase();
  TTestDatabase(const TTestDatabase&) = delete;
  TTestDatabase& operator=(const TTestDatabase&) = delete;

  const String& Name() const { return FName; }
  // A new session connected to this database.
  std::unique_ptr<TServerSession> Connect() const;
  // Points a connection component at this database: root over the test server's socket.
  void Target(TmySQLDatabase& connection) const;
  // Runs a statement (UTF-8) as root in this database.
  void Run(const std::string& sql) const;

 private:
  String FName;
  std::unique_ptr<TServerSession> FAdmin;
};
