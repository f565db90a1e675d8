#include "library/MySQLDatabase.h"

#include <algorithm>

#include "library/DatabaseSession.h"
#include "library/MySQLDataSet.h"
#include "library/OmbrixAbout.h"
#include "library/SessionFactory.h"

namespace {

std::vector<TmySQLDatabase*>& LiveDatabases() {
  static std::vector<TmySQLDatabase*> list;
  return list;
}

void FillList(TStringList& list, const std::vector<String>& names) {
  list.BeginUpdate();
  list.Clear();
  for (const String& name : names) list.Add(name);
  list.EndUpdate();
}

}  // namespace

const std::vector<TmySQLDatabase*>& DBList() {
  return LiveDatabases();
}

const TClassInfo& TmySQLDatabase::StaticClass() {
  static const TClassInfo info = [] {
    using T = TmySQLDatabase;
    TClassBuilder<T, TComponent> builder(STR("TmySQLDatabase"));
    builder.Creatable()
        .Unit(STR("Mysqldbtables"))
        .Prop(STR("ConnectionCharacterSet"), &T::ConnectionCharacterSet,
              &T::SetConnectionCharacterSet)
        .Prop(STR("ConnectionCollation"), &T::ConnectionCollation, &T::SetConnectionCollation)
        .Prop(STR("ConnectOptions"), &T::ConnectOptions, &T::SetConnectOptions,
              &TypeInfoConnectOptions(), 0)
        .Prop(STR("ConnectTimeout"), &T::ConnectTimeout, &T::SetConnectTimeout, nullptr, 10)
        .Prop(STR("DatabaseName"), &T::DatabaseName, &T::SetDatabaseName)
        .Prop(STR("Host"), &T::Host, &T::SetHost)
        .Prop(STR("LoginPrompt"), &T::LoginPrompt, &T::SetLoginPrompt, nullptr, 1)
        .Prop(STR("ReadTimeout"), &T::ReadTimeout, &T::SetReadTimeout, nullptr, 60)
        .Prop(STR("ServerPort"), &T::ServerPort, &T::SetServerPort, nullptr, 3306)
        .Prop(STR("Socket"), &T::Socket, &T::SetSocket)
        .Prop(STR("UserName"), &T::UserName, &T::SetUserName)
        .Prop(STR("UserPassword"), &T::UserPassword, &T::SetUserPassword)
        // Last, so that a form file's settings are all read before it connects.
        .Prop(STR("Connected"), &T::Connected, &T::SetConnected, nullptr, 0)
        .WrittenAs(&T::StoredConnected);
    return WithAbout(builder).Build();
  }();
  return info;
}

TmySQLDatabase::TmySQLDatabase(TComponent* owner) : TComponent(owner) {
  LiveDatabases().push_back(this);
}

TmySQLDatabase::~TmySQLDatabase() {
  SetComponentStateFlag(csDestroying, true);
  SetConnected(false);
  while (!FDataSets.empty()) FDataSets.back()->SetDatabase(nullptr);
  auto& list = LiveDatabases();
  list.erase(std::remove(list.begin(), list.end(), this), list.end());
}

bool TmySQLDatabase::Connected() const {
  return FSession != nullptr && FSession->Connected();
}

void TmySQLDatabase::SetConnected(bool value) {
  if ((ComponentState() & csLoading) != 0) {
    FStoredConnected = value;
    return;
  }
  if (value == Connected()) return;
  if (value) {
    Connect();
  } else {
    for (TmySQLDataSet* dataSet : std::vector<TmySQLDataSet*>(FDataSets)) {
      if (dataSet != nullptr) dataSet->Close();
    }
    FSession.reset();
  }
}

void TmySQLDatabase::Connect() {
  TConnectParams params;
  params.Host = FHost;
  params.Port = FServerPort;
  params.Socket = FSocket;
  params.User = FUserName;
  params.Password = FUserPassword;
  params.Database = FDatabaseName;
  params.CharacterSet = FCharacterSet;
  params.Collation = FCollation;
  params.Options = FConnectOptions;
  params.ConnectTimeout = FConnectTimeout;
  params.ReadTimeout = FReadTimeout;
  ApplyConnectionOverride(params);
  std::unique_ptr<TServerSession> session = NewServerSession();
  try {
    session->Connect(params);
  } catch (const EDatabaseError& e) {
    throw EDatabaseError(e.Message(), this);
  }
  FSession = std::move(session);
}

void TmySQLDatabase::CheckInactive() const {
  if (Connected()) {
    DatabaseError(STR("Cannot perform this operation on an open database"),
                  const_cast<TmySQLDatabase*>(this));
  }
}

template <class T>
void TmySQLDatabase::ChangeSetting(T& setting, const T& value) {
  if (setting == value) return;
  CheckInactive();
  setting = value;
}

void TmySQLDatabase::SetDatabaseName(const String& value) {
  ChangeSetting(FDatabaseName, value);
}
void TmySQLDatabase::SetUserName(const String& value) {
  ChangeSetting(FUserName, value);
}
void TmySQLDatabase::SetUserPassword(const String& value) {
  ChangeSetting(FUserPassword, value);
}
void TmySQLDatabase::SetHost(const String& value) {
  ChangeSetting(FHost, value);
}
void TmySQLDatabase::SetServerPort(uint32_t value) {
  ChangeSetting(FServerPort, value);
}
void TmySQLDatabase::SetSocket(const String& value) {
  ChangeSetting(FSocket, value);
}
void TmySQLDatabase::SetConnectOptions(TConnectOptions value) {
  // Only the seven members exist; other bits would be silently lost on the next save.
  if ((value >> kConnectOptionCount) != 0) {
    DatabaseError(STR("Invalid connection options ") + IntToStr(value), this);
  }
  ChangeSetting(FConnectOptions, value);
}
void TmySQLDatabase::SetConnectionCharacterSet(const String& value) {
  ChangeSetting(FCharacterSet, value);
}
void TmySQLDatabase::SetConnectionCollation(const String& value) {
  ChangeSetting(FCollation, value);
}
void TmySQLDatabase::SetConnectTimeout(uint32_t value) {
  ChangeSetting(FConnectTimeout, value);
}
void TmySQLDatabase::SetReadTimeout(uint32_t value) {
  ChangeSetting(FReadTimeout, value);
}

TServerSession& ConnectedSession(TmySQLDatabase& database) {
  if (!database.Connected()) database.Connect();
  return *database.FSession;
}

void TmySQLDatabase::GetTableNames(const String& pattern, TStringList& list, bool systemTables) {
  FillList(list, ConnectedSession(*this).TableNames(pattern, systemTables));
}

void TmySQLDatabase::GetFieldNames(const String& tableName, TStringList& list) {
  FillList(list, ConnectedSession(*this).FieldNames(tableName));
}

void TmySQLDatabase::GetSPNames(TStringList& list) {
  std::vector<String> names;
  for (const TRoutine& routine : ConnectedSession(*this).Routines()) {
    // A procedure and a function of one name are one entry: the name calls the procedure.
    if (names.empty() || names.back() != routine.Name) names.push_back(routine.Name);
  }
  FillList(list, names);
}

void TmySQLDatabase::GetCharacterSetList(TStringList& list) {
  FillList(list, ConnectedSession(*this).CharacterSets());
}

void TmySQLDatabase::GetCollationList(TStringList& list) {
  FillList(list, ConnectedSession(*this).Collations());
}

TmySQLDataSet* TmySQLDatabase::DataSets(int index) const {
  if (index < 0 || index >= DataSetCount()) {
    throw EListError(STR("List index out of bounds (") + IntToStr(index) + STR(")"));
  }
  CloseDataSetHoles();
  return FDataSets[static_cast<size_t>(index)];
}

void TmySQLDatabase::AddDataSet(TmySQLDataSet* dataSet) {
  dataSet->FDatabaseSlot = FDataSets.size();
  FDataSets.push_back(dataSet);
}

void TmySQLDatabase::RemoveDataSet(TmySQLDataSet* dataSet) {
  const size_t slot = dataSet->FDatabaseSlot;
  if (slot >= FDataSets.size() || FDataSets[slot] != dataSet) return;
  FDataSets[slot] = nullptr;
  ++FDataSetHoles;
  // The last one stays a live dataset, which a connection being freed lets go of first.
  while (!FDataSets.empty() && FDataSets.back() == nullptr) {
    FDataSets.pop_back();
    --FDataSetHoles;
  }
  if (FDataSetHoles > FDataSets.size() / 2) CloseDataSetHoles();
}

void TmySQLDatabase::CloseDataSetHoles() const {
  if (FDataSetHoles == 0) return;
  size_t next = 0;
  for (TmySQLDataSet* dataSet : FDataSets) {
    if (dataSet == nullptr) continue;
    dataSet->FDatabaseSlot = next;
    FDataSets[next++] = dataSet;
  }
  FDataSets.resize(next);
  FDataSetHoles = 0;
}
