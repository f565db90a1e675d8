// Connecting to the private test server: failures carry the server's message, nothing hangs,
// and every option reaches the server.
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>

#include "ServerFixture.h"
#include "library/mariadb/MariaDbSession.h"
#include "tests/support/ErrorMessage.h"

namespace {

std::string Value(TServerSession& session, const char* sql) {
  return session.Execute(FromUtf8(sql), {}, 1).Rows.at(0).at(0).value_or("NULL");
}

std::unique_ptr<TServerSession> ConnectWith(const TConnectParams& params) {
  auto session = std::make_unique<TMariaDbSession>();
  session->Connect(params);
  return session;
}

TEST(MariaDbConnect, FailuresCarryTheServersMessage) {
  TConnectParams params = TestServerParams();
  params.Socket = STR("/nonexistent/mysqld.sock");
  EXPECT_NE(DatabaseErrorMessage([&] { ConnectWith(params); }).find("Can't connect"),
            std::string::npos);

  params = TestServerParams(STR("ombrix_no_such_database"));
  EXPECT_NE(DatabaseErrorMessage([&] { ConnectWith(params); }).find("Unknown database"),
            std::string::npos);

  TMariaDbSession closed;
  EXPECT_THROW(closed.TableNames(String(), true), EDatabaseError);
}

TEST(MariaDbConnect, PasswordsOverTcp) {
  auto admin = ConnectWith(TestServerParams());
  const String user = FromUtf8("ombrix_user_" + std::to_string(getpid()));
  admin->Execute(STR("CREATE USER ") + user + STR("@127.0.0.1 IDENTIFIED BY :pw"),
                 {{STR("pw"), std::string("s3cret' \\ pass")}}, 0);
  TConnectParams params = TestServerTcpParams();
  params.User = user;
  params.Password = STR("s3cret' \\ pass");
  EXPECT_EQ(Value(*ConnectWith(params), "SELECT CURRENT_USER() LIKE 'ombrix_user_%'"), "1");
  params.Password = STR("wrong");
  EXPECT_NE(DatabaseErrorMessage([&] { ConnectWith(params); }).find("Access denied"),
            std::string::npos);
  admin->Execute(STR("DROP USER ") + user + STR("@127.0.0.1"), {}, 0);

  // The test server offers no TLS, so insisting on it must fail rather than fall back.
  params = TestServerTcpParams();
  params.Options = ConnectOptionBit(TConnectOption::coSSL);
  EXPECT_NE(DatabaseErrorMessage([&] { ConnectWith(params); }).find("SSL"), std::string::npos);
}

TEST(MariaDbConnect, ASilentServerTimesOut) {
  // A port that accepts connections but never says a word.
  const int listener = socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  ASSERT_EQ(bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
  ASSERT_EQ(listen(listener, 4), 0);
  socklen_t length = sizeof address;
  getsockname(listener, reinterpret_cast<sockaddr*>(&address), &length);

  TConnectParams params;
  params.Host = STR("127.0.0.1");
  params.Port = ntohs(address.sin_port);
  params.User = STR("root");
  params.ConnectTimeout = 1;
  const auto start = std::chrono::steady_clock::now();
  EXPECT_THROW(ConnectWith(params), EDatabaseError);
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
  close(listener);
}

TEST(MariaDbConnect, OptionsReachTheServer) {
  TConnectParams params = TestServerParams();
  auto plain = ConnectWith(params);
  EXPECT_EQ(plain->Execute(STR("SHOW SESSION STATUS LIKE 'Compression'"), {}, 1).Rows[0][1], "OFF");
  EXPECT_EQ(Value(*plain, "SELECT @@sql_mode LIKE '%IGNORE_SPACE%'"), "0");

  params.Options = ConnectOptionBit(TConnectOption::coCompress) |
                   ConnectOptionBit(TConnectOption::coIgnoreSpaces) |
                   ConnectOptionBit(TConnectOption::coFoundRows);
  auto tuned = ConnectWith(params);
  EXPECT_EQ(tuned->Execute(STR("SHOW SESSION STATUS LIKE 'Compression'"), {}, 1).Rows[0][1], "ON");
  EXPECT_EQ(Value(*tuned, "SELECT @@sql_mode LIKE '%IGNORE_SPACE%'"), "1");

  // Found rows: an UPDATE that changes nothing still counts the rows it matched.
  TTestDatabase database({"CREATE TABLE t (a INT)", "INSERT INTO t VALUES (1), (2)"});
  for (auto [options, expected] : {std::pair{TConnectOptions{0}, "0"},
                                   std::pair{ConnectOptionBit(TConnectOption::coFoundRows), "2"}}) {
    TConnectParams p = TestServerParams(database.Name());
    p.Options = options;
    auto session = ConnectWith(p);
    session->Execute(STR("UPDATE t SET a = a"), {}, 0);
    EXPECT_EQ(Value(*session, "SELECT ROW_COUNT()"), expected);
  }
}

TEST(MariaDbConnect, InteractiveSessionsGetTheInteractiveTimeout) {
  auto admin = ConnectWith(TestServerParams());
  admin->Execute(STR("SET GLOBAL interactive_timeout = 4321"), {}, 0);
  TConnectParams params = TestServerParams();
  EXPECT_NE(Value(*ConnectWith(params), "SELECT @@wait_timeout"), "4321");
  params.Options = ConnectOptionBit(TConnectOption::coInteractive);
  EXPECT_EQ(Value(*ConnectWith(params), "SELECT @@wait_timeout"), "4321");
}

TEST(MariaDbConnect, CharacterSetAndCollationGovernLiteralsNotTheWire) {
  TTestDatabase database({"CREATE TABLE `größe` (`ärger` INT)"});
  TConnectParams params = TestServerParams(database.Name());
  params.CharacterSet = STR("latin1");
  params.Collation = STR("latin1_german2_ci");
  auto session = ConnectWith(params);
  EXPECT_EQ(Value(*session, "SELECT @@collation_connection"), "latin1_german2_ci");
  EXPECT_EQ(Value(*session, "SELECT @@character_set_results"), "utf8mb4");
  EXPECT_EQ(session->FieldNames(FromUtf8("größe")), std::vector<String>{FromUtf8("ärger")});

  params.Collation = STR("utf8mb4_bin");
  EXPECT_NE(DatabaseErrorMessage([&] { ConnectWith(params); }).find("not valid for CHARACTER SET"),
            std::string::npos);
  params.CharacterSet = STR("latin1; DROP DATABASE x");
  params.Collation.clear();
  EXPECT_EQ(DatabaseErrorMessage([&] { ConnectWith(params); }),
            "Unknown character set: 'latin1; DROP DATABASE x'");
}

}  // namespace
