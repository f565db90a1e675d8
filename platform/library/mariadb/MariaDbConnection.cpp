#include "library/mariadb/MariaDbConnection.h"

#include <mysql.h>

#include <memory>

#include "library/mariadb/MariaDbTypes.h"

namespace {

struct TResultCloser {
  void operator()(MYSQL_RES* result) const { mysql_free_result(result); }
};
using TResultPtr = std::unique_ptr<MYSQL_RES, TResultCloser>;

struct TStatementCloser {
  void operator()(MYSQL_STMT* statement) const { mysql_stmt_close(statement); }
};

unsigned long ClientFlags(TConnectOptions options) {
  static constexpr unsigned long kFlags[kConnectOptionCount] = {CLIENT_COMPRESS,
                                                                CLIENT_FOUND_ROWS,
                                                                CLIENT_IGNORE_SPACE,
                                                                CLIENT_INTERACTIVE,
                                                                CLIENT_NO_SCHEMA,
                                                                CLIENT_ODBC,
                                                                0 /* SSL is an option, below */};
  unsigned long flags = CLIENT_MULTI_RESULTS;
  for (int i = 0; i < kConnectOptionCount; ++i) {
    if (HasConnectOption(options, static_cast<TConnectOption>(i))) flags |= kFlags[i];
  }
  return flags;
}

// Character set and collation names go into statements unquoted, so they must be plain words.
void CheckPlainName(const String& name, const String& what) {
  for (Char c : name) {
    const bool plain =
        (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
    if (!plain) {
      throw EDatabaseError(what + STR(": '") + name + STR("'"));
    }
  }
}

const char* OrNull(const std::string& text) {
  return text.empty() ? nullptr : text.c_str();
}

}  // namespace

TMariaDbConnection::~TMariaDbConnection() {
  Close();
}

void TMariaDbConnection::Close() {
  if (FHandle != nullptr) mysql_close(FHandle);
  FHandle = nullptr;
}

MYSQL* TMariaDbConnection::Handle() {
  if (FHandle == nullptr) RaiseNotConnected();
  return FHandle;
}

void TMariaDbConnection::Fail() {
  const String message = FromUtf8(mysql_error(FHandle));
  throw EDatabaseError(message);
}

void TMariaDbConnection::Open(const TConnectParams& params) {
  Close();
  FHandle = mysql_init(nullptr);
  if (FHandle == nullptr) throw EDatabaseError(STR("Out of memory for a server connection"));
  const unsigned connectTimeout = params.ConnectTimeout;
  const unsigned readTimeout = params.ReadTimeout;
  mysql_options(FHandle, MYSQL_OPT_CONNECT_TIMEOUT, &connectTimeout);
  mysql_options(FHandle, MYSQL_OPT_READ_TIMEOUT, &readTimeout);
  mysql_options(FHandle, MYSQL_OPT_WRITE_TIMEOUT, &readTimeout);
  // The host's strings convert to and from UTF-8 at this edge, so the wire always carries it.
  mysql_options(FHandle, MYSQL_SET_CHARSET_NAME, "utf8mb4");
  if (HasConnectOption(params.Options, TConnectOption::coSSL)) {
    const my_bool enforce = 1;
    mysql_options(FHandle, MYSQL_OPT_SSL_ENFORCE, &enforce);
  }
  const std::string host = ToUtf8(params.Host);
  const std::string user = ToUtf8(params.User);
  const std::string password = ToUtf8(params.Password);
  const std::string database = ToUtf8(params.Database);
  const std::string socket = ToUtf8(params.Socket);
  if (mysql_real_connect(FHandle, OrNull(host), user.c_str(), password.c_str(), OrNull(database),
                         params.Port, OrNull(socket), ClientFlags(params.Options)) == nullptr) {
    const String message = FromUtf8(mysql_error(FHandle));
    Close();
    throw EDatabaseError(message);
  }
  try {
    // Connector/C falls back to a plain connection when the server offers no TLS, even with
    // the option set; asking for SSL means the connection must be encrypted.
    if (HasConnectOption(params.Options, TConnectOption::coSSL) &&
        mysql_get_ssl_cipher(FHandle) == nullptr) {
      throw EDatabaseError(STR("SSL is required, but the server does not support it"));
    }
    ApplyCharacterSet(params);
  } catch (...) {
    Close();
    throw;
  }
}

// The chosen character set and collation govern the server's reading of literals; client and
// results stay UTF-8. SET NAMES checks that the collation belongs to the character set.
void TMariaDbConnection::ApplyCharacterSet(const TConnectParams& params) {
  if (params.CharacterSet.empty() && params.Collation.empty()) return;
  CheckPlainName(params.CharacterSet, STR("Unknown character set"));
  CheckPlainName(params.Collation, STR("Unknown collation"));
  const std::string charset = ToUtf8(params.CharacterSet);
  const std::string collation = ToUtf8(params.Collation);
  if (charset.empty()) {
    Run("SET collation_connection = " + collation, 0);
  } else {
    Run("SET NAMES " + charset + (collation.empty() ? "" : " COLLATE " + collation), 0);
  }
  Run("SET character_set_client = utf8mb4, character_set_results = utf8mb4", 0);
}

TResultSet TMariaDbConnection::Run(const std::string& sql, size_t maxRows) {
  if (mysql_real_query(Handle(), sql.data(), sql.size()) != 0) Fail();
  TResultSet result = FetchFirstResult(maxRows);
  DropMoreResults();
  return result;
}

TResultSet TMariaDbConnection::FetchFirstResult(size_t maxRows) {
  TResultSet result;
  TResultPtr rows(mysql_use_result(FHandle));
  if (!rows) {
    if (mysql_field_count(FHandle) != 0) Fail();
    return result;
  }
  const unsigned count = mysql_num_fields(rows.get());
  const MYSQL_FIELD* fields = mysql_fetch_fields(rows.get());
  for (unsigned i = 0; i < count; ++i) result.Columns.push_back(DescribeField(fields[i]));
  while (MYSQL_ROW row = mysql_fetch_row(rows.get())) {
    if (result.Rows.size() == maxRows) {
      result.Truncated = true;
      break;
    }
    const unsigned long* lengths = mysql_fetch_lengths(rows.get());
    TRow& out = result.Rows.emplace_back(count);
    for (unsigned i = 0; i < count; ++i) {
      if (row[i] != nullptr) out[i] = std::string(row[i], lengths[i]);
    }
  }
  if (!result.Truncated && mysql_errno(FHandle) != 0) Fail();
  return result;  // freeing the result reads the rows beyond the cap
}

void TMariaDbConnection::DropMoreResults() {
  while (mysql_more_results(FHandle)) {
    if (mysql_next_result(FHandle) > 0) Fail();
    TResultPtr dropped(mysql_use_result(FHandle));
  }
}

std::vector<TColumnDescription> TMariaDbConnection::Describe(const std::string& sql) {
  std::unique_ptr<MYSQL_STMT, TStatementCloser> statement(mysql_stmt_init(Handle()));
  if (!statement) Fail();
  if (mysql_stmt_prepare(statement.get(), sql.data(), sql.size()) != 0) {
    throw EDatabaseError(FromUtf8(mysql_stmt_error(statement.get())));
  }
  std::vector<TColumnDescription> columns;
  TResultPtr metadata(mysql_stmt_result_metadata(statement.get()));
  if (!metadata) return columns;  // a statement without a result
  const unsigned count = mysql_num_fields(metadata.get());
  const MYSQL_FIELD* fields = mysql_fetch_fields(metadata.get());
  for (unsigned i = 0; i < count; ++i) columns.push_back(DescribeField(fields[i]));
  return columns;
}

std::string TMariaDbConnection::Escape(std::string_view bytes) {
  std::string out(bytes.size() * 2 + 1, '\0');
  // Escapes for the client's character set, doubling quotes instead of using backslashes
  // when the server runs with NO_BACKSLASH_ESCAPES.
  const unsigned long length =
      mysql_real_escape_string(Handle(), out.data(), bytes.data(), bytes.size());
  out.resize(length);
  return out;
}

std::string TMariaDbConnection::Literal(StringView value) {
  return "_utf8mb4'" + Escape(ToUtf8(value)) + "'";
}

// A parameter reads like a literal written into the statement: in the connection's character
// set, so that the chosen character set applies to values.
std::string TMariaDbConnection::Literal(const TParamValue& value) {
  if (!value.Value) return "NULL";
  return (value.Binary ? "_binary'" : "'") + Escape(*value.Value) + "'";
}

std::string TMariaDbConnection::QuoteName(StringView name) {
  std::string out = "`";
  for (char c : ToUtf8(name)) {
    out += c;
    if (c == '`') out += '`';
  }
  return out + "`";
}
