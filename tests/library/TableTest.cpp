// Tables over the in-memory server: definitions, the current index, master/detail.
#include "LibraryFixture.h"
#include "db/DataSource.h"
#include "tests/support/ErrorMessage.h"

namespace {

using Names = std::vector<String>;

std::vector<int64_t> Column(TmySQLDataSet& dataSet, const String& field) {
  std::vector<int64_t> values;
  for (dataSet.First(); !dataSet.Eof(); dataSet.Next()) {
    values.push_back(
        dataSet.FieldByName(field)->IsNull() ? -1 : dataSet.FieldByName(field)->AsInteger());
  }
  return values;
}

TEST_F(LibraryTest, TheServerDescribesTheTableAndItsIndexes) {
  TmySQLTable* table = NewTable(STR("orders"), NewDatabase(false));
  table->FieldDefs()->Update();
  ASSERT_EQ(table->FieldDefs()->Count(), 4);
  EXPECT_EQ(table->FieldDefs()->Items(2)->DataType(), TFieldType::ftFMTBcd);
  EXPECT_TRUE(table->FieldDefs()->Items(0)->Required());

  TIndexDefs* indexes = table->IndexDefs();
  indexes->Update();
  ASSERT_EQ(indexes->Count(), 3);
  EXPECT_EQ(indexes->Items(0)->Name(), String());
  EXPECT_EQ(indexes->Items(0)->Options(),
            SetBit(TIndexOption::ixPrimary) | SetBit(TIndexOption::ixUnique));
  EXPECT_EQ(indexes->Items(1)->Fields(), STR("customer;id"));
  EXPECT_EQ(indexes->Items(2)->Options(), SetBit(TIndexOption::ixDescending));
  EXPECT_EQ(indexes->Items(2)->DescFields(), STR("placed"));

  TStringList names;
  table->GetIndexNames(names);
  EXPECT_EQ(names.ToVector(), (Names{STR("by customer"), STR("newest")}));
  table->SetDatabase(nullptr);
  table->GetIndexNames(names);  // nothing to ask: no indexes
  EXPECT_EQ(names.Count(), 0);
}

TEST_F(LibraryTest, RowsFollowTheCurrentIndex) {
  TmySQLTable* table = NewTable(STR("customers"), NewDatabase());
  table->Open();
  EXPECT_EQ(Column(*table, STR("id")), (std::vector<int64_t>{1, 2, 3}));
  ASSERT_EQ(table->GetIndexFieldCount(), 1);
  EXPECT_EQ(table->GetIndexField(0)->FieldName(), STR("id"));

  table->SetIndexName(STR("by city"));
  EXPECT_EQ(Column(*table, STR("id")), (std::vector<int64_t>{1, 3, 2}));
  ASSERT_EQ(table->GetIndexFieldCount(), 2);
  EXPECT_EQ(table->GetIndexField(1)->FieldName(), STR("name"));
  EXPECT_THROW(table->GetIndexField(2), EDatabaseError);

  table->SetIndexFieldNames(STR("name"));
  EXPECT_EQ(table->IndexName(), String());
  EXPECT_EQ(Column(*table, STR("id")), (std::vector<int64_t>{1, 2, 3}));
  EXPECT_THROW(table->SetIndexName(STR("no such index")), EDatabaseError);
  EXPECT_EQ(table->IndexFieldNames(), String());
  EXPECT_THROW(table->GetIndexFieldCount(), EDatabaseError);
  EXPECT_THROW(table->SetTableName(STR("orders")), EDatabaseError);  // while open
}

TEST_F(LibraryTest, IndexNameAndIndexFieldNamesReplaceEachOther) {
  TmySQLTable* table = NewTable(STR("customers"), NewDatabase(false));
  table->SetIndexFieldNames(STR("name"));
  table->SetIndexName(STR("by city"));
  EXPECT_EQ(table->IndexFieldNames(), String());
  // Even an empty field list takes the place of the index name.
  table->SetIndexFieldNames(String());
  EXPECT_EQ(table->IndexName(), String());
  table->SetIndexName(STR("by city"));
  table->SetIndexName(String());
  EXPECT_EQ(table->IndexFieldNames(), String());
}

TEST_F(LibraryTest, ServerValuesBecomeFieldValues) {
  TmySQLTable* table = NewTable(STR("orders"), NewDatabase());
  table->Open();
  table->First();  // id 10
  EXPECT_DOUBLE_EQ(table->FieldByName(STR("amount"))->AsFloat(), 5.5);
  EXPECT_EQ(table->FieldByName(STR("placed"))->AsString(), STR("2024-01-02"));
  table->Next();  // id 11: the server's zero date has no value here
  EXPECT_TRUE(table->FieldByName(STR("placed"))->IsNull());
}

TEST_F(LibraryTest, ADetailFollowsItsMaster) {
  TmySQLDatabase* database = NewDatabase();
  TmySQLTable* customers = NewTable(STR("customers"), database);
  auto* source = new TDataSource(&FForm);
  source->SetDataSet(customers);
  TmySQLTable* orders = NewTable(STR("orders"), database);
  orders->SetIndexName(STR("by customer"));
  orders->SetMasterFields(STR("id"));
  orders->SetMasterSource(source);

  orders->Open();  // the master is closed: nothing restricts the rows
  EXPECT_EQ(orders->RecordCount(), 4);
  customers->Open();
  EXPECT_EQ(Column(*orders, STR("id")), (std::vector<int64_t>{10, 11}));
  customers->Next();
  EXPECT_EQ(Column(*orders, STR("id")), (std::vector<int64_t>{12}));
  customers->Next();
  EXPECT_TRUE(orders->IsEmpty());

  EXPECT_EQ(DatabaseErrorMessage([&] { orders->SetMasterFields(STR("id;name;city")); }),
            "MasterFields names more fields than the index of the table has");
}

}  // namespace
