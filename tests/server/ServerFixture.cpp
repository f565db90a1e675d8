#include "ServerFixture.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>

#include "library/mariadb/MariaDbSession.h"

namespace {

std::string Environment(const char* name) {
  const char* value = std::getenv(name);
  if (value == nullptr) {
    ADD_FAILURE() << name << " is not set: run the server tests through scripts/test.sh";
    throw std::runtime_error("no test server");
  }
  return value;
}

}  // namespace

TConnectParams TestServerTcpParams() {
  TConnectParams params = TestServerParams();
  params.Socket.clear();
  params.Host = STR("127.0.0.1");
  params.Port = static_cast<uint32_t>(std::stoul(Environment("OMBRIX_TEST_PORT")));
  return params;
}

TConnectParams TestServerParams(const String& database) {
  TConnectParams params;
  params.Socket = FromUtf8(Environment("OMBRIX_TEST_SOCKET"));
  params.User = STR("root");
  params.Database = database;
  params.ConnectTimeout = 5;
  params.ReadTimeout = 30;
  return params;
}

TTestDatabase::TTestDatabase(const std::vector<std::string>& statements) {
  const auto tick = std::chrono::steady_clock::now().time_since_epoch().count();
  FName =
      FromUtf8("ombrix_test_" + std::to_string(getpid()) + "_" + std::to_string(tick % 1000000));
  FAdmin = std::make_unique<TMariaDbSession>();
  FAdmin->Connect(TestServerParams());
  FAdmin->Execute(STR("CREATE DATABASE ") + FName + STR(" CHARACTER SET utf8mb4"), {}, 0);
  FAdmin->Execute(STR("USE ") + FName, {}, 0);
  for (const std::string& sql : statements) Run(sql);
}

TTestDatabase::~TTestDatabase() {
  try {
    FAdmin->Execute(STR("DROP DATABASE IF EXISTS ") + FName, {}, 0);
  } catch (const Exception& e) {
    ADD_FAILURE() << "dropping the test database: " << e.what();
  }
}

std::unique_ptr<TServerSession> TTestDatabase::Connect() const {
  auto session = std::make_unique<TMariaDbSession>();
  session->Connect(TestServerParams(FName));
  return session;
}

void TTestDatabase::Target(TmySQLDatabase& connection) const {
  const TConnectParams params = TestServerParams(FName);
  connection.SetSocket(params.Socket);
  connection.SetUserName(params.User);
  connection.SetDatabaseName(params.Database);
}

void TTestDatabase::Run(const std::string& sql) const {
  FAdmin->Execute(FromUtf8(sql), {}, 0);
}
