// The in-memory server answers as a real server with the same schema would.
#include <gtest/gtest.h>

#include "library/memory/MemorySession.h"
#include "tests/support/ErrorMessage.h"

namespace {

using Names = std::vector<String>;

String U(const char* utf8) {
  return FromUtf8(utf8);
}

class MemorySessionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    TMemoryDatabase& shop = FCatalog.Database(STR("shop"));
    TMemoryTable& items = shop.AddTable(STR("items"), {{STR("id"), TFieldType::ftInteger},
                                                       {STR("name"), TFieldType::ftString, 20}});
    items.Rows = {{"10", "pear"}, {"9", "Apple"}, {"11", std::nullopt}, {"2", "apple"}};
    TIndexDescription byName{.Name = STR("by name"), .Fields = {STR("name")}};
    TIndexDescription primary{.Fields = {STR("id")}, .Primary = true, .Unique = true};
    items.Indexes = {byName, primary};
    shop.AddTable(STR("cafe"), {{STR("plain")}});
    shop.AddTable(U("café"), {{STR("accented")}});
    shop.AddTable(STR("Zebra"), {{STR("z")}}, TMemoryTableKind::View);
    shop.AddTable(STR("TABLES"), {{STR("t")}}, TMemoryTableKind::SystemView);
    shop.AddRoutine(STR("twin"), TRoutineKind::Function,
                    {{String(), TParamDirection::Result, TFieldType::ftInteger}});
    shop.AddRoutine(STR("twin"), TRoutineKind::Procedure,
                    {{STR("a"), TParamDirection::InOut, TFieldType::ftInteger}});
    shop.AddRoutine(STR("alpha"), TRoutineKind::Procedure, {});
    FSession.Connect(Params(STR("shop")));
  }

  static TConnectParams Params(const String& database) {
    TConnectParams params;
    params.Database = database;
    return params;
  }

  TMemoryCatalog FCatalog;
  TMemorySession FSession{FCatalog};
};

TEST_F(MemorySessionTest, LoginFailuresReadLikeTheServers) {
  TMemorySession session(FCatalog);
  EXPECT_EQ(DatabaseErrorMessage([&] { session.Connect(Params(STR("nowhere"))); }),
            "Unknown database 'nowhere'");
  FCatalog.AddUser(STR("ann"), STR("secret"));
  TConnectParams params = Params(STR("shop"));
  params.User = STR("ann");
  EXPECT_EQ(DatabaseErrorMessage([&] { session.Connect(params); }),
            "Access denied for user 'ann'@'localhost' (using password: NO)");
  params.Password = STR("secret");
  session.Connect(params);
  EXPECT_TRUE(session.Connected());
  session.Close();
  EXPECT_THROW(session.TableNames(String(), true), EDatabaseError);

  params.CharacterSet = STR("latin1");
  params.Collation = STR("utf8mb4_bin");
  EXPECT_EQ(DatabaseErrorMessage([&] { session.Connect(params); }),
            "COLLATION 'utf8mb4_bin' is not valid for CHARACTER SET 'latin1'");
  params.Collation = STR("latin1_bin");
  session.Connect(params);
  FCatalog.SetRunning(false);
  EXPECT_THROW(session.Connect(params), EDatabaseError);
  EXPECT_FALSE(session.Connected());
}

TEST_F(MemorySessionTest, TableNamesSortedFilteredAndSystemViewsOnRequest) {
  EXPECT_EQ(FSession.TableNames(String(), false),
            (Names{STR("Zebra"), STR("cafe"), U("café"), STR("items")}));
  EXPECT_EQ(FSession.TableNames(String(), true).size(), 5u);
  EXPECT_EQ(FSession.TableNames(STR("CAF_"), true), (Names{STR("cafe"), U("café")}));
  EXPECT_EQ(FSession.TableNames(STR("%a%e%"), true), (Names{STR("TABLES"), STR("cafe")}));
  EXPECT_TRUE(FSession.TableNames(STR("cafe\\%"), true).empty());

  TMemorySession noDatabase(FCatalog);
  noDatabase.Connect(Params(String()));
  EXPECT_TRUE(noDatabase.TableNames(String(), true).empty());
  EXPECT_TRUE(noDatabase.Routines().empty());
}

TEST_F(MemorySessionTest, FieldsAndIndexesOfTheExactTable) {
  EXPECT_EQ(FSession.FieldNames(U("café")), Names{STR("accented")});
  EXPECT_TRUE(FSession.FieldNames(STR("CAFE")).empty());
  const auto indexes = FSession.Indexes(STR("items"));
  ASSERT_EQ(indexes.size(), 2u);
  EXPECT_TRUE(indexes[0].Primary);
  EXPECT_EQ(indexes[1].Name, STR("by name"));
}

TEST_F(MemorySessionTest, RoutinesPreferTheProcedure) {
  const auto routines = FSession.Routines();
  ASSERT_EQ(routines.size(), 3u);
  EXPECT_EQ(routines[0].Name, STR("alpha"));
  EXPECT_EQ(routines[1].Kind, TRoutineKind::Procedure);
  EXPECT_EQ(routines[2].Kind, TRoutineKind::Function);
  const auto params = FSession.RoutineParams(STR("TWIN"));
  ASSERT_EQ(params.size(), 1u);
  EXPECT_EQ(params[0].Direction, TParamDirection::InOut);
  EXPECT_TRUE(FSession.RoutineParams(STR("alpha")).empty());
  EXPECT_EQ(DatabaseErrorMessage([&] { FSession.RoutineParams(STR("beta")); }),
            "Stored procedure 'beta' does not exist");
}

TEST_F(MemorySessionTest, SelectTableFiltersOrdersAndCaps) {
  TTableRequest request{.Table = STR("items"), .OrderBy = {STR("name"), STR("id")}};
  TResultSet rows = FSession.SelectTable(request, 10);
  ASSERT_EQ(rows.Rows.size(), 4u);
  EXPECT_FALSE(rows.Rows[0][1].has_value());  // NULL first
  EXPECT_EQ(rows.Rows[1][0], "2");            // "apple" = "Apple": then by id, as numbers
  EXPECT_EQ(rows.Rows[2][0], "9");
  EXPECT_EQ(rows.Columns[1].Size, 20u);
  EXPECT_EQ(rows.Columns[1].OriginTable, STR("items"));

  request.Equal = {{STR("NAME"), std::string("APPLE")}};
  rows = FSession.SelectTable(request, 1);
  EXPECT_EQ(rows.Rows.size(), 1u);
  EXPECT_TRUE(rows.Truncated);
  request.Equal = {{STR("name"), std::nullopt}};
  EXPECT_TRUE(FSession.SelectTable(request, 10).Rows.empty());

  request.Equal = {{STR("colour"), std::string("red")}};
  EXPECT_EQ(DatabaseErrorMessage([&] { FSession.SelectTable(request, 10); }),
            "Unknown column 'colour' in 'where clause'");
  EXPECT_EQ(DatabaseErrorMessage([&] { FSession.SelectTable({.Table = STR("none")}, 10); }),
            "Table 'shop.none' doesn't exist");
}

TEST_F(MemorySessionTest, StatementsAreAnsweredAsDefined) {
  TResultSet result;
  result.Columns = {{.Name = STR("n"), .DataType = TFieldType::ftInteger}};
  result.Rows = {{"1"}, {"2"}};
  FCatalog.Database(STR("shop")).AddStatement(STR("SELECT n FROM t WHERE n > :m"), result);
  EXPECT_EQ(FSession.Describe(STR("SELECT n FROM t WHERE n > :m")).at(0).Name, STR("n"));
  const TResultSet capped = FSession.Execute(STR("SELECT n FROM t WHERE n > :m"), {}, 1);
  EXPECT_EQ(capped.Rows.size(), 1u);
  EXPECT_TRUE(capped.Truncated);
  EXPECT_THROW(FSession.Describe(STR("SELECT 1")), EDatabaseError);
}

}  // namespace
