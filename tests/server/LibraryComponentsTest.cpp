// The library's components against the private test server.
#include <gtest/gtest.h>

#include "ServerFixture.h"
#include "db/DataSource.h"
#include "db/DateTimeFields.h"
#include "library/LibraryClasses.h"
#include "library/MySQLQuery.h"
#include "library/MySQLStoredProc.h"
#include "library/MySQLTable.h"
#include "tests/support/ErrorMessage.h"

namespace {

using Names = std::vector<String>;

String U(const char* utf8) {
  return FromUtf8(utf8);
}

const std::vector<std::string> kShop = {
    "CREATE TABLE `kunden liste` (`kunden nr` INT PRIMARY KEY, `name` VARCHAR(30) NOT NULL, "
    "`straße` VARCHAR(40), UNIQUE KEY `by name` (name))",
    "CREATE TABLE `auf``träge` (nr INT, `kunden nr` INT, pos INT, betrag DECIMAL(8,2), "
    "am DATE, um TIME, stempel DATETIME, bild BLOB, PRIMARY KEY (nr, pos), "
    "KEY `je kunde` (`kunden nr`, nr), KEY `neueste` (am DESC))",
    "CREATE VIEW `große aufträge` AS SELECT nr, betrag FROM `auf``träge` WHERE betrag > 100",
    "CREATE TABLE calls (n INT)",
    "CREATE FUNCTION counted(x INT) RETURNS INT BEGIN INSERT INTO calls VALUES (x); RETURN x; END",
    "CREATE PROCEDURE `buche auftrag`(IN kunde INT, OUT nummer INT, INOUT `betrag €` DECIMAL(8,2)) "
    "SET nummer = 1",
    "INSERT INTO `kunden liste` VALUES (1, 'Ann', 'Hauptstraße 1'), (2, 'O''Brien', NULL), "
    "(3, 'Zoë', 'Kai 2')",
    "INSERT INTO `auf``träge` VALUES (10, 1, 1, 150.25, '2024-02-29', '838:59:59', "
    "'2024-02-29 13:05:07', x'00ff10'), (10, 1, 2, 5.00, '2024-03-01', '00:00:01', NULL, NULL), "
    "(11, 2, 1, 99.99, NULL, NULL, NULL, NULL)",
};

class LibraryComponentsTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    RegisterLibraryClasses();
    FSchema = new TTestDatabase(kShop);
  }
  static void TearDownTestSuite() {
    delete FSchema;
    FSchema = nullptr;
  }
  void SetUp() override {
    FDatabase = new TmySQLDatabase(&FForm);
    FSchema->Target(*FDatabase);
  }
  TmySQLTable* NewTable(const String& name) {
    auto* table = new TmySQLTable(&FForm);
    table->SetDatabase(FDatabase);
    table->SetTableName(name);
    return table;
  }
  TmySQLQuery* NewQuery(const String& sql) {
    auto* query = new TmySQLQuery(&FForm);
    query->SetDatabase(FDatabase);
    query->SQL()->SetText(sql);
    return query;
  }

  static TTestDatabase* FSchema;
  TComponent FForm{nullptr};
  TmySQLDatabase* FDatabase = nullptr;
};

TTestDatabase* LibraryComponentsTest::FSchema = nullptr;

TEST_F(LibraryComponentsTest, ConnectionMetadata) {
  TStringList list;
  FDatabase->GetTableNames(String(), list, true);
  EXPECT_EQ(list.ToVector(),
            (Names{U("auf`träge"), STR("calls"), U("große aufträge"), U("kunden liste")}));
  FDatabase->GetFieldNames(U("auf`träge"), list);
  EXPECT_EQ(list.Count(), 8);
  EXPECT_EQ(list.Strings(1), U("kunden nr"));
  FDatabase->GetSPNames(list);
  EXPECT_EQ(list.ToVector(), (Names{U("buche auftrag"), STR("counted")}));
  FDatabase->GetCollationList(list);
  EXPECT_GE(list.IndexOf(STR("utf8mb4_bin")), 0);

  FDatabase->Close();
  FDatabase->SetSocket(STR("/nonexistent/mysqld.sock"));
  FDatabase->SetName(STR("Shop"));
  EXPECT_NE(DatabaseErrorMessage([&] { FDatabase->Open(); }).find("Can't connect"),
            std::string::npos);
}

TEST_F(LibraryComponentsTest, DescribingAQueryRunsNothing) {
  TmySQLQuery* query =
      NewQuery(U("SELECT counted(k.`kunden nr`) AS n, k.name, a.betrag FROM `kunden liste` k "
                 "JOIN `auf``träge` a ON a.`kunden nr` = k.`kunden nr` WHERE k.name <> :name"));
  FDatabase->Open();
  // Read without Update: the open connection describes the statement.
  ASSERT_EQ(query->FieldDefs()->Count(), 3);
  EXPECT_EQ(query->FieldDefs()->Items(1)->Size(), 30);
  EXPECT_EQ(query->FieldDefs()->Items(2)->DataType(), TFieldType::ftFMTBcd);
  auto calls = NewQuery(STR("SELECT COUNT(*) FROM calls"));
  calls->Open();
  EXPECT_EQ(calls->Fields()[0]->AsInteger(), 0);

  query->ParamByName(STR("name"))->SetAsString(STR("O'Brien"));
  query->Open();
  EXPECT_EQ(query->RecordCount(), 2);
  calls->Refresh();
  EXPECT_EQ(calls->Fields()[0]->AsInteger(), 2);
}

TEST_F(LibraryComponentsTest, ValuesOfEveryKindArrive) {
  TmySQLTable* orders = NewTable(U("auf`träge"));
  orders->Open();
  ASSERT_EQ(orders->RecordCount(), 3);
  EXPECT_DOUBLE_EQ(orders->FieldByName(STR("betrag"))->AsFloat(), 150.25);
  EXPECT_EQ(orders->FieldByName(STR("am"))->AsString(), STR("2024-02-29"));
  EXPECT_EQ(orders->FieldByName(STR("stempel"))->AsString(), STR("2024-02-29 13:05:07"));
  EXPECT_EQ(std::get<TBytes>(orders->FieldByName(STR("bild"))->Value()),
            (TBytes{0x00, 0xff, 0x10}));
  orders->Last();
  EXPECT_TRUE(orders->FieldByName(STR("am"))->IsNull());
}

TEST_F(LibraryComponentsTest, TableIndexesAndAMasterWithAwkwardNames) {
  TmySQLTable* customers = NewTable(U("kunden liste"));
  TmySQLTable* orders = NewTable(U("auf`träge"));
  orders->IndexDefs()->Update();
  ASSERT_EQ(orders->IndexDefs()->Count(), 3);
  EXPECT_EQ(orders->IndexDefs()->Items(0)->Name(), String());
  EXPECT_EQ(orders->IndexDefs()->Items(0)->Fields(), STR("nr;pos"));
  EXPECT_TRUE(InSet(orders->IndexDefs()->Items(0)->Options(), TIndexOption::ixPrimary));
  EXPECT_TRUE(InSet(orders->IndexDefs()->Items(2)->Options(), TIndexOption::ixDescending));
  TStringList names;
  customers->GetIndexNames(names);
  EXPECT_EQ(names.ToVector(), Names{STR("by name")});

  auto* source = new TDataSource(&FForm);
  source->SetDataSet(customers);
  orders->SetIndexName(U("je kunde"));
  orders->SetMasterFields(U("kunden nr"));
  orders->SetMasterSource(source);
  customers->SetIndexName(STR("by name"));
  customers->Open();
  orders->Open();
  EXPECT_EQ(customers->FieldByName(STR("name"))->AsString(), STR("Ann"));
  EXPECT_EQ(orders->RecordCount(), 2);
  customers->Next();
  EXPECT_EQ(customers->FieldByName(STR("name"))->AsString(), STR("O'Brien"));
  EXPECT_EQ(orders->RecordCount(), 1);
  EXPECT_EQ(orders->FieldByName(STR("nr"))->AsInteger(), 11);
  customers->Next();
  EXPECT_TRUE(orders->IsEmpty());
  ASSERT_EQ(orders->GetIndexFieldCount(), 2);
  EXPECT_EQ(orders->GetIndexField(0)->FieldName(), U("kunden nr"));
}

TEST_F(LibraryComponentsTest, AQueryTakesUnsetParametersFromItsMaster) {
  TmySQLTable* customers = NewTable(U("kunden liste"));
  auto* source = new TDataSource(&FForm);
  source->SetDataSet(customers);
  TmySQLQuery* orders =
      NewQuery(U("SELECT nr, pos FROM `auf``träge` WHERE `kunden nr` = :\"kunden nr\""));
  orders->SetDataSource(source);
  customers->Open();
  orders->Open();
  EXPECT_EQ(orders->RecordCount(), 2);
  customers->Next();
  EXPECT_EQ(orders->RecordCount(), 1);
}

TEST_F(LibraryComponentsTest, StoredProcedureParameters) {
  auto* proc = new TmySQLStoredProc(&FForm);
  proc->SetDatabase(FDatabase);
  proc->SetProcedureName(U("BUCHE AUFTRAG"));
  proc->RefreshParams();
  ASSERT_EQ(proc->GetParamsCount(), 3);
  EXPECT_EQ(proc->Params()->Items(0)->ParamType(), TParamType::ptInput);
  EXPECT_EQ(proc->Params()->Items(1)->ParamType(), TParamType::ptOutput);
  EXPECT_EQ(proc->Params()->Items(2)->Name(), U("betrag €"));
  EXPECT_EQ(proc->Params()->Items(2)->ParamType(), TParamType::ptInputOutput);
  proc->SetProcedureName(STR("counted"));
  proc->RefreshParams();
  ASSERT_EQ(proc->GetParamsCount(), 2);
  EXPECT_EQ(proc->Params()->Items(0)->ParamType(), TParamType::ptResult);
}

}  // namespace
