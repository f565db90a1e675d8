// The MariaDB session against the private test server: a schema with awkward names, and every
// metadata and query call of the session.
#include <gtest/gtest.h>

#include <algorithm>

#include "ServerFixture.h"
#include "library/mariadb/MariaDbSession.h"

namespace {

using Names = std::vector<String>;

String U(const char* utf8) {
  return FromUtf8(utf8);
}

// Names with blanks, quotes, backquotes and non-ASCII letters, a composite primary key, a
// unique and a descending index, a view, routines with every parameter direction, and tables
// whose names differ only in case or accents.
const std::vector<std::string> kSchema = {
    "CREATE TABLE `order items` (`order id` INT NOT NULL, line INT NOT NULL, "
    "`it's` VARCHAR(20), `na``me` CHAR(8), `größe` DECIMAL(10,2) UNSIGNED, qty INT, "
    "PRIMARY KEY (`order id`, line), UNIQUE KEY `uq na``me` (`na``me`), "
    "KEY `by größe` (`größe` DESC, line))",
    "CREATE TABLE orders (id INT AUTO_INCREMENT PRIMARY KEY, customer VARCHAR(30) NOT NULL, "
    "note TEXT, data BLOB)",
    "CREATE TABLE cafe (plain INT)",
    "CREATE TABLE `café` (accented INT)",
    "CREATE TABLE `CAFE` (upper INT)",
    "CREATE TABLE `x' OR '1'='1` (injected INT)",
    "CREATE VIEW `order view` AS SELECT `order id`, qty FROM `order items`",
    "CREATE PROCEDURE `add item`(IN `p in` INT, OUT `p out` VARCHAR(10), "
    "INOUT `p inout` DECIMAL(10,2)) SET `p out` = 'x'",
    "CREATE FUNCTION `größe f`(x INT UNSIGNED) RETURNS BIGINT RETURN x + 1",
    "CREATE PROCEDURE twin(a INT) SELECT a",
    "CREATE FUNCTION twin() RETURNS INT RETURN 1",
    "CREATE PROCEDURE `two results`() BEGIN SELECT 1 AS a; SELECT 2 AS b; END",
    "INSERT INTO `order items` VALUES (1, 1, 'a', 'n1', 1.50, 3), (1, 2, 'b''s', 'n2', 2.00, 4),"
    " (2, 1, NULL, 'n3', NULL, 5)",
    "INSERT INTO orders (customer) VALUES ('Ann'), ('Bob'), ('Cid')",
};

class MariaDbSessionTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { FDatabase = new TTestDatabase(kSchema); }
  static void TearDownTestSuite() {
    delete FDatabase;
    FDatabase = nullptr;
  }
  void SetUp() override { FSession = FDatabase->Connect(); }

  static TTestDatabase* FDatabase;
  std::unique_ptr<TServerSession> FSession;
};

TTestDatabase* MariaDbSessionTest::FDatabase = nullptr;

TEST_F(MariaDbSessionTest, TableNamesListTablesAndViewsExactly) {
  EXPECT_EQ(FSession->TableNames(String(), true),
            (Names{U("CAFE"), U("cafe"), U("café"), U("order items"), U("order view"), U("orders"),
                   U("x' OR '1'='1")}));
  EXPECT_EQ(FSession->TableNames(STR("order%"), true),
            (Names{U("order items"), U("order view"), U("orders")}));
  // A pattern is data too: its quote cannot end the literal.
  EXPECT_EQ(FSession->TableNames(U("x' OR '1'='1"), true), (Names{U("x' OR '1'='1")}));
}

TEST_F(MariaDbSessionTest, SystemTablesAddTheServersOwnViews) {
  auto session = std::make_unique<TMariaDbSession>();
  session->Connect(TestServerParams(STR("information_schema")));
  EXPECT_TRUE(session->TableNames(String(), false).empty());
  const Names all = session->TableNames(String(), true);
  EXPECT_NE(std::find(all.begin(), all.end(), STR("TABLES")), all.end());
}

TEST_F(MariaDbSessionTest, FieldNamesInServerOrderForTheExactTable) {
  EXPECT_EQ(FSession->FieldNames(U("order items")),
            (Names{U("order id"), U("line"), U("it's"), U("na`me"), U("größe"), U("qty")}));
  EXPECT_EQ(FSession->FieldNames(STR("cafe")), Names{STR("plain")});
  EXPECT_EQ(FSession->FieldNames(U("café")), Names{STR("accented")});
  EXPECT_EQ(FSession->FieldNames(STR("CAFE")), Names{STR("upper")});
  EXPECT_EQ(FSession->FieldNames(U("x' OR '1'='1")), Names{STR("injected")});
  EXPECT_EQ(FSession->FieldNames(U("order view")), (Names{U("order id"), STR("qty")}));
  EXPECT_TRUE(FSession->FieldNames(STR("no such table")).empty());
}

TEST_F(MariaDbSessionTest, IndexesWithPrimaryUniqueAndDescendingOptions) {
  const std::vector<TIndexDescription> indexes = FSession->Indexes(U("order items"));
  ASSERT_EQ(indexes.size(), 3u);
  EXPECT_EQ(indexes[0].Name, String());
  EXPECT_TRUE(indexes[0].Primary);
  EXPECT_TRUE(indexes[0].Unique);
  EXPECT_EQ(indexes[0].Fields, (Names{U("order id"), STR("line")}));
  EXPECT_EQ(indexes[1].Name, U("uq na`me"));
  EXPECT_TRUE(indexes[1].Unique);
  EXPECT_FALSE(indexes[1].Primary);
  EXPECT_EQ(indexes[1].Fields, Names{U("na`me")});
  EXPECT_EQ(indexes[2].Name, U("by größe"));
  EXPECT_FALSE(indexes[2].Unique);
  EXPECT_TRUE(indexes[2].Descending);
  EXPECT_EQ(indexes[2].Fields, (Names{U("größe"), STR("line")}));
  EXPECT_EQ(indexes[2].DescendingFields, Names{U("größe")});
  for (const auto& index : indexes) EXPECT_FALSE(index.IsExpression);
  EXPECT_TRUE(FSession->Indexes(STR("CAFE")).empty());
}

TEST_F(MariaDbSessionTest, RoutinesAndTheirParameters) {
  const std::vector<TRoutine> routines = FSession->Routines();
  Names names;
  for (const TRoutine& r : routines) names.push_back(r.Name);
  EXPECT_EQ(names, (Names{U("add item"), U("größe f"), U("twin"), U("twin"), U("two results")}));
  EXPECT_EQ(routines[2].Kind, TRoutineKind::Procedure);
  EXPECT_EQ(routines[3].Kind, TRoutineKind::Function);

  const std::vector<TRoutineParam> params = FSession->RoutineParams(U("add item"));
  ASSERT_EQ(params.size(), 3u);
  EXPECT_EQ(params[0].Name, U("p in"));
  EXPECT_EQ(params[0].Direction, TParamDirection::In);
  EXPECT_EQ(params[0].DataType, TFieldType::ftInteger);
  EXPECT_EQ(params[1].Direction, TParamDirection::Out);
  EXPECT_EQ(params[1].DataType, TFieldType::ftString);
  EXPECT_EQ(params[2].Direction, TParamDirection::InOut);
  EXPECT_EQ(params[2].DataType, TFieldType::ftFMTBcd);

  const std::vector<TRoutineParam> function = FSession->RoutineParams(U("GRÖßE F"));
  ASSERT_EQ(function.size(), 2u);
  EXPECT_EQ(function[0].Direction, TParamDirection::Result);
  EXPECT_EQ(function[0].DataType, TFieldType::ftLargeint);
  EXPECT_EQ(function[1].Name, STR("x"));
  EXPECT_EQ(function[1].DataType, TFieldType::ftLargeint);  // unsigned int

  // The procedure wins over the function of the same name; no parameters is not "missing".
  ASSERT_EQ(FSession->RoutineParams(STR("twin")).size(), 1u);
  EXPECT_TRUE(FSession->RoutineParams(STR("two results")).empty());
  EXPECT_THROW(FSession->RoutineParams(U("add item' OR '1'='1")), EDatabaseError);
}

TEST_F(MariaDbSessionTest, CharacterSetsAndCollations) {
  const Names charsets = FSession->CharacterSets();
  EXPECT_GT(charsets.size(), 30u);
  EXPECT_NE(std::find(charsets.begin(), charsets.end(), STR("latin1")), charsets.end());
  const Names collations = FSession->Collations();
  EXPECT_GT(collations.size(), 200u);
  EXPECT_NE(std::find(collations.begin(), collations.end(), STR("utf8mb4_bin")), collations.end());
}

TEST_F(MariaDbSessionTest, DescribeGivesOriginsWithoutRunning) {
  // (The server names an aliased view by its alias, so the view here has none.)
  const auto columns = FSession->Describe(
      U("SELECT i.`order id` AS ord, o.customer, i.qty * 2 AS twice, `order view`.qty "
        "FROM `order items` i JOIN orders o ON o.id = i.`order id` JOIN `order view` "
        "ON `order view`.`order id` = i.`order id` "
        "WHERE i.line = :line AND o.customer <> ':not a param'"));
  ASSERT_EQ(columns.size(), 4u);
  EXPECT_EQ(columns[0].Name, STR("ord"));
  EXPECT_EQ(columns[0].Table, STR("i"));
  EXPECT_EQ(columns[0].OriginTable, U("order items"));
  EXPECT_EQ(columns[0].OriginColumn, U("order id"));
  EXPECT_EQ(columns[0].DataType, TFieldType::ftInteger);
  EXPECT_TRUE(columns[0].Required);
  EXPECT_EQ(columns[1].DataType, TFieldType::ftString);
  EXPECT_EQ(columns[1].Size, 30u);
  EXPECT_EQ(columns[2].OriginTable, String());
  EXPECT_EQ(columns[2].OriginColumn, String());
  EXPECT_EQ(columns[3].OriginTable, U("order view"));

  const auto types = FSession->Describe(U("SELECT * FROM orders"));
  ASSERT_EQ(types.size(), 4u);
  EXPECT_EQ(types[0].DataType, TFieldType::ftAutoInc);
  EXPECT_EQ(types[2].DataType, TFieldType::ftMemo);
  EXPECT_EQ(types[3].DataType, TFieldType::ftBlob);
  const auto decimal = FSession->Describe(U("SELECT `größe` FROM `order items`"));
  EXPECT_EQ(decimal[0].Precision, 10u);
  EXPECT_EQ(decimal[0].Scale, 2u);
  EXPECT_THROW(FSession->Describe(STR("SELECT nothing FROM nowhere")), EDatabaseError);
}

TEST_F(MariaDbSessionTest, ExecuteBindsParametersAsData) {
  const std::vector<TParamValue> params = {{STR("Name"), std::string("Bob' OR '1'='1")}};
  EXPECT_TRUE(FSession->Execute(STR("SELECT id FROM orders WHERE customer = :name"), params, 10)
                  .Rows.empty());
  const std::string awkward = "it's a \\ back`slash";
  const auto echoed = FSession->Execute(STR("SELECT :v AS v, :n AS n"),
                                        {{STR("v"), awkward}, {STR("n"), std::nullopt}}, 10);
  ASSERT_EQ(echoed.Rows.size(), 1u);
  EXPECT_EQ(echoed.Rows[0][0], awkward);
  EXPECT_FALSE(echoed.Rows[0][1].has_value());
  EXPECT_THROW(FSession->Execute(STR("SELECT :missing"), {}, 10), EDatabaseError);

  // Without backslash escapes the server reads backslashes literally; values still survive.
  FSession->Execute(STR("SET SESSION sql_mode = 'NO_BACKSLASH_ESCAPES'"), {}, 0);
  EXPECT_EQ(FSession->Execute(STR("SELECT :v"), {{STR("v"), awkward}}, 10).Rows[0][0], awkward);
}

TEST_F(MariaDbSessionTest, ExecuteCapsRowsAndDrainsCallResults) {
  const TResultSet capped = FSession->Execute(STR("SELECT * FROM orders ORDER BY id"), {}, 2);
  EXPECT_EQ(capped.Rows.size(), 2u);
  EXPECT_TRUE(capped.Truncated);
  EXPECT_EQ(capped.Columns.size(), 4u);
  EXPECT_FALSE(FSession->Execute(STR("SELECT * FROM orders"), {}, 3).Truncated);

  const TResultSet first = FSession->Execute(U("CALL `two results`()"), {}, 10);
  ASSERT_EQ(first.Rows.size(), 1u);
  EXPECT_EQ(first.Columns[0].Name, STR("a"));
  // The connection is in step again: no "Commands out of sync".
  EXPECT_EQ(FSession->Execute(STR("SELECT 3"), {}, 10).Rows[0][0], "3");
}

TEST_F(MariaDbSessionTest, SelectTableQuotesNamesAndFilters) {
  TTableRequest request;
  request.Table = U("order items");
  request.OrderBy = {U("größe"), STR("line")};
  TResultSet all = FSession->SelectTable(request, 100);
  ASSERT_EQ(all.Rows.size(), 3u);
  EXPECT_FALSE(all.Rows[0][4].has_value());  // NULL first
  EXPECT_EQ(all.Rows[1][2], "a");
  EXPECT_EQ(all.Rows[2][2], "b's");

  request.Equal = {{U("order id"), std::string("1")}};
  request.OrderBy = {STR("line")};
  const TResultSet detail = FSession->SelectTable(request, 1);
  ASSERT_EQ(detail.Rows.size(), 1u);
  EXPECT_TRUE(detail.Truncated);
  EXPECT_EQ(detail.Rows[0][1], "1");

  request.Equal = {{U("order id"), std::nullopt}};
  EXPECT_TRUE(FSession->SelectTable(request, 10).Rows.empty());

  TTableRequest injected;
  injected.Table = U("x' OR '1'='1");
  EXPECT_EQ(FSession->SelectTable(injected, 10).Columns[0].Name, STR("injected"));
  injected.Table = U("orders` WHERE 1=0 OR `orders");
  EXPECT_THROW(FSession->SelectTable(injected, 10), EDatabaseError);
}

}  // namespace
