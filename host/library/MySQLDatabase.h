#pragma once
// The connection to a MySQL server. Metadata calls and opening a dataset connect it when it is
// closed; every failure raises EDatabaseError with the server's message.
#include <cstdint>
#include <memory>
#include <vector>

#include "classes/Component.h"
#include "classes/StringList.h"
#include "library/ConnectOptions.h"

class TServerSession;  // the host's internals
class TmySQLDataSet;

class TmySQLDatabase : public TComponent {
  OMBRIX_CLASS(TmySQLDatabase)
  explicit TmySQLDatabase(TComponent* owner);
  ~TmySQLDatabase() override;

  bool Connected() const;
  // Disconnecting closes the datasets. A form file's value is kept aside, never acted on:
  // loading connects nobody, and the connection stays closed until it is opened.
  void SetConnected(bool value);
  // The Connected that form files store: the value it was read with, whatever happened since.
  bool StoredConnected() const { return FStoredConnected; }
  void Open() { SetConnected(true); }
  void Close() { SetConnected(false); }

  // The settings. Changing one of an open connection raises the database error.
  const String& DatabaseName() const { return FDatabaseName; }
  void SetDatabaseName(const String& value);
  const String& UserName() const { return FUserName; }
  void SetUserName(const String& value);
  const String& UserPassword() const { return FUserPassword; }
  void SetUserPassword(const String& value);
  const String& Host() const { return FHost; }
  void SetHost(const String& value);
  uint32_t ServerPort() const { return FServerPort; }
  void SetServerPort(uint32_t value);
  // A local socket; used when Host is empty or "localhost".
  const String& Socket() const { return FSocket; }
  void SetSocket(const String& value);
  // Kept for the host's login dialog; the library itself never asks.
  bool LoginPrompt() const { return FLoginPrompt; }
  void SetLoginPrompt(bool value) { FLoginPrompt = value; }
  TConnectOptions ConnectOptions() const { return FConnectOptions; }
  void SetConnectOptions(TConnectOptions value);
  const String& ConnectionCharacterSet() const { return FCharacterSet; }
  void SetConnectionCharacterSet(const String& value);
  const String& ConnectionCollation() const { return FCollation; }
  void SetConnectionCollation(const String& value);
  // Seconds before a server that does not answer is given up.
  uint32_t ConnectTimeout() const { return FConnectTimeout; }
  void SetConnectTimeout(uint32_t value);
  uint32_t ReadTimeout() const { return FReadTimeout; }
  void SetReadTimeout(uint32_t value);

  // Metadata of the current database. Each replaces the list's contents.
  // Tables and views; systemTables adds the server's system views (only the system schemas
  // such as information_schema have any). A non-empty pattern is an SQL LIKE pattern.
  void GetTableNames(const String& pattern, TStringList& list, bool systemTables = false);
  // Column names in the table's order; empty for an unknown table.
  void GetFieldNames(const String& tableName, TStringList& list);
  // Stored procedures and functions, each name once.
  void GetSPNames(TStringList& list);
  void GetCharacterSetList(TStringList& list);
  void GetCollationList(TStringList& list);

  // The datasets that use this connection.
  int DataSetCount() const { return static_cast<int>(FDataSets.size() - FDataSetHoles); }
  TmySQLDataSet* DataSets(int index) const;

 private:
  friend class TmySQLDataSet;
  friend TServerSession& ConnectedSession(TmySQLDatabase& database);
  void Connect();
  void CheckInactive() const;
  void AddDataSet(TmySQLDataSet* dataSet);
  void RemoveDataSet(TmySQLDataSet* dataSet);
  void CloseDataSetHoles() const;
  template <class T>
  void ChangeSetting(T& setting, const T& value);

  String FDatabaseName;
  String FUserName;
  String FUserPassword;
  String FHost;
  uint32_t FServerPort = 3306;
  String FSocket;
  bool FLoginPrompt = true;
  TConnectOptions FConnectOptions = 0;
  String FCharacterSet;
  String FCollation;
  uint32_t FConnectTimeout = 10;
  uint32_t FReadTimeout = 60;
  bool FStoredConnected = false;
  std::unique_ptr<TServerSession> FSession;
  // In the order they joined. One that leaves leaves a hole, closed when the list is next read
  // by index or is half holes, so that datasets leave in constant time in any order.
  mutable std::vector<TmySQLDataSet*> FDataSets;
  mutable size_t FDataSetHoles = 0;
};

// Every live connection, in the order of creation.
const std::vector<TmySQLDatabase*>& DBList();
