// The connection component over the in-memory server.
#include "LibraryFixture.h"
#include "tests/support/ErrorMessage.h"

namespace {

using Names = std::vector<String>;

TEST_F(LibraryTest, DBListHoldsLiveConnectionsInCreationOrder) {
  const size_t before = DBList().size();
  TmySQLDatabase* first = NewDatabase(false);
  auto* second = new TmySQLDatabase(nullptr);
  TmySQLDatabase* third = NewDatabase(false);
  ASSERT_EQ(DBList().size(), before + 3);
  EXPECT_EQ(DBList()[before], first);
  EXPECT_EQ(DBList()[before + 2], third);
  delete second;
  EXPECT_EQ(DBList().size(), before + 2);
  EXPECT_EQ(DBList()[before + 1], third);
}

TEST_F(LibraryTest, ConnectingReportsTheServersMessageAndSettingsWaitForClose) {
  FCatalog.AddUser(STR("ann"), STR("secret"));
  TmySQLDatabase* database = NewDatabase(false);
  database->SetName(STR("Shop"));
  database->SetUserName(STR("ann"));
  EXPECT_EQ(DatabaseErrorMessage([&] { database->SetConnected(true); }),
            "Access denied for user 'ann'@'localhost' (using password: NO)");
  EXPECT_FALSE(database->Connected());

  database->SetUserPassword(STR("secret"));
  database->Open();
  EXPECT_TRUE(database->Connected());
  database->SetUserName(STR("ann"));  // an unchanged value is no change
  EXPECT_EQ(DatabaseErrorMessage([&] { database->SetHost(STR("elsewhere")); }),
            "Shop: Cannot perform this operation on an open database");
  database->Close();
  database->SetHost(STR("elsewhere"));
  EXPECT_EQ(database->Host(), STR("elsewhere"));
}

TEST_F(LibraryTest, ConnectOptionsAreSevenBits) {
  TmySQLDatabase* database = NewDatabase(false);
  database->SetConnectOptions(ConnectOptionBit(TConnectOption::coCompress) |
                              ConnectOptionBit(TConnectOption::coSSL));
  EXPECT_EQ(database->ConnectOptions(), 0x41);
  EXPECT_EQ(GetOrdProp(database, STR("ConnectOptions")), 0x41);
  EXPECT_THROW(database->SetConnectOptions(0x80), EDatabaseError);
  EXPECT_EQ(database->ConnectOptions(), 0x41);
  const TTypeInfo& type = *GetPropInfo(database, STR("ConnectOptions"))->PropType;
  EXPECT_EQ(type.Kind, TTypeKind::tkSet);
  EXPECT_EQ(type.EnumNames.size(), 7u);
  EXPECT_EQ(type.EnumNames[6], STR("coSSL"));
}

TEST_F(LibraryTest, MetadataListsConnectWhenNeededAndReplaceTheList) {
  TmySQLDatabase* database = NewDatabase(false);
  TStringList list{STR("stale")};
  database->GetTableNames(String(), list, true);
  EXPECT_TRUE(database->Connected());
  EXPECT_EQ(list.ToVector(), (Names{STR("big orders"), STR("customers"), STR("orders")}));
  database->GetTableNames(STR("%ord%"), list, false);
  EXPECT_EQ(list.ToVector(), (Names{STR("big orders"), STR("orders")}));
  database->GetFieldNames(STR("orders"), list);
  EXPECT_EQ(list.ToVector(), (Names{STR("id"), STR("customer"), STR("amount"), STR("placed")}));
  database->GetFieldNames(STR("nothing"), list);
  EXPECT_EQ(list.Count(), 0);

  FCatalog.Database(STR("shop")).AddRoutine(STR("total"), TRoutineKind::Procedure, {});
  database->GetSPNames(list);
  EXPECT_EQ(list.ToVector(), (Names{STR("add order"), STR("total")}));
  database->GetCharacterSetList(list);
  EXPECT_EQ(list.IndexOf(STR("utf8mb4")) >= 0, true);
  database->GetCollationList(list);
  EXPECT_EQ(list.IndexOf(STR("latin1_german2_ci")) >= 0, true);
}

TEST_F(LibraryTest, DisconnectingClosesTheDataSets) {
  TmySQLDatabase* database = NewDatabase();
  TmySQLTable* table = NewTable(STR("customers"), database);
  table->Open();
  EXPECT_EQ(database->DataSetCount(), 1);
  database->Close();
  EXPECT_FALSE(table->Active());
  // Freeing the connection leaves the dataset without one.
  delete database;
  EXPECT_EQ(table->Database(), nullptr);
  EXPECT_EQ(DatabaseErrorMessage([&] { table->Open(); }), "Database not assigned");
}

// The connection's datasets, read by index.
std::vector<TmySQLDataSet*> Listed(const TmySQLDatabase& database) {
  std::vector<TmySQLDataSet*> listed;
  for (int i = 0; i < database.DataSetCount(); ++i) listed.push_back(database.DataSets(i));
  return listed;
}

TEST_F(LibraryTest, DataSetsLeaveTheConnectionInAnyOrderAndTheRestKeepTheirOrder) {
  TmySQLDatabase* database = NewDatabase();
  TmySQLDatabase* other = NewDatabase();
  std::vector<TmySQLDataSet*> expected;
  for (int i = 0; i < 12; ++i) expected.push_back(NewTable(STR("customers"), database));
  const auto leave = [&](size_t index) { expected.erase(expected.begin() + index); };
  delete expected[0];
  leave(0);
  expected[3]->SetDatabase(other);  // moves to the other connection's end
  TmySQLDataSet* moved = expected[3];
  leave(3);
  delete expected.back();
  leave(expected.size() - 1);
  EXPECT_EQ(database->DataSetCount(), 9);
  EXPECT_EQ(Listed(*database), expected);
  EXPECT_EQ(Listed(*other), std::vector<TmySQLDataSet*>{moved});
  // More than half of them go between two reads, and one comes back at the end.
  for (size_t index : {7, 5, 3, 1, 0}) {
    delete expected[index];
    leave(index);
  }
  moved->SetDatabase(database);
  expected.push_back(moved);
  EXPECT_EQ(Listed(*database), expected);
  EXPECT_EQ(other->DataSetCount(), 0);
  expected[1]->Open();
  ASSERT_TRUE(expected[1]->Active());
  database->Close();
  for (TmySQLDataSet* dataSet : expected) EXPECT_FALSE(dataSet->Active());
  delete database;
  for (TmySQLDataSet* dataSet : expected) EXPECT_EQ(dataSet->Database(), nullptr);
}

}  // namespace
