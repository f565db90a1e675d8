// The table's MasterFields editor against the private test server: the designer works on a
// temporary table that reads the server's fields and indexes, and only OK changes the table on
// the form.
#include <gtest/gtest.h>

#include "ServerFixture.h"
#include "comp/TableFieldLinkProperty.h"
#include "db/DataSource.h"
#include "designide/FormDesigner.h"
#include "forms/ScriptedDriver.h"
#include "library/LibraryClasses.h"
#include "library/MySQLTable.h"

namespace {

using Names = std::vector<String>;

const std::vector<std::string> kSchema = {
    "CREATE TABLE customers (id INT PRIMARY KEY, name VARCHAR(30), since DATE)",
    "CREATE TABLE orders (id INT PRIMARY KEY, cust_id INT, odate DATE, "
    "KEY by_cust_date (cust_id, odate), KEY newest (odate DESC))",
    "INSERT INTO customers VALUES (1, 'Ann', '2024-01-02'), (2, 'Bob', '2024-01-05')",
    "INSERT INTO orders VALUES (10, 1, '2024-01-02'), (11, 1, '2024-02-03'), "
    "(12, 2, '2024-01-05')",
};

Names ItemsOf(TCustomForm& f, const Char* control) {
  if (auto* combo = dynamic_cast<TComboBox*>(f.Field<TControl>(control))) {
    return combo->Items()->ToVector();
  }
  return f.Field<TListBox>(control)->Items()->ToVector();
}

TScript& Join(TScript& script, const Char* detail, const Char* master) {
  return script.Choose(STR("DetailList"), detail)
      .Choose(STR("MasterList"), master)
      .Click(STR("AddButton"));
}

class FieldLinkDesignerServerTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    RegisterFormsClasses();
    RegisterLibraryClasses();
    FSchema = new TTestDatabase(kSchema);
  }
  static void TearDownTestSuite() {
    delete FSchema;
    FSchema = nullptr;
  }
  void SetUp() override {
    FForm.SetName(STR("F1"));
    FDatabase = new TmySQLDatabase(&FForm);
    FSchema->Target(*FDatabase);
    FCustomers = new TmySQLTable(&FForm);
    FCustomers->SetName(STR("Customers"));
    FCustomers->SetDatabase(FDatabase);
    FCustomers->SetTableName(STR("customers"));
    auto* source = new TDataSource(&FForm);
    source->SetDataSet(FCustomers);
    FOrders = new TmySQLTable(&FForm);
    FOrders->SetName(STR("Orders"));
    FOrders->SetDatabase(FDatabase);
    FOrders->SetTableName(STR("orders"));
    FOrders->SetMasterSource(source);
  }

  bool Edit(TScript script) {
    FDriver.Expect(std::move(script));
    TmySQLTableFieldLinkProperty editor;
    editor.Initialize(&FDesigner, {FOrders}, *GetPropInfo(FOrders, STR("MasterFields")));
    editor.Edit();
    EXPECT_EQ(FDriver.PendingScripts(), 0u);
    return editor.Changed();
  }

  Names Link() const {
    return {FOrders->IndexName(), FOrders->IndexFieldNames(), FOrders->MasterFields()};
  }

  static TTestDatabase* FSchema;
  TComponent FForm{nullptr};
  TmySQLDatabase* FDatabase;
  TmySQLTable* FCustomers;
  TmySQLTable* FOrders;
  TFormDesigner FDesigner{&FForm};
  TScriptedDriver FDriver;
};

TTestDatabase* FieldLinkDesignerServerTest::FSchema = nullptr;

TEST_F(FieldLinkDesignerServerTest, TheServersIndexesAreOfferedAndOkWritesTheLink) {
  TScript script(STR("TLinkFields"));
  script
      .Run([](TCustomForm& f) {
        EXPECT_EQ(ItemsOf(f, STR("IndexList")),
                  (Names{STR("Primary"), STR("by_cust_date"), STR("newest")}));
        EXPECT_EQ(ItemsOf(f, STR("DetailList")), (Names{STR("id")}));
        EXPECT_EQ(ItemsOf(f, STR("MasterList")), (Names{STR("id"), STR("name"), STR("since")}));
      })
      .Choose(STR("IndexList"), STR("by_cust_date"))
      .Run([](TCustomForm& f) {
        EXPECT_EQ(ItemsOf(f, STR("DetailList")), (Names{STR("cust_id"), STR("odate")}));
      });
  Join(script, STR("cust_id"), STR("id")).Click(STR("Button1"));
  EXPECT_TRUE(Edit(std::move(script)));
  EXPECT_EQ(Link(), (Names{String(), STR("cust_id"), STR("id")}));
  EXPECT_EQ(FDesigner.ModifiedCount(), 1);
  // The temporary table connected; the table on the form stays closed.
  EXPECT_TRUE(FDatabase->Connected());
  EXPECT_FALSE(FOrders->Active());
}

TEST_F(FieldLinkDesignerServerTest, CancelLeavesTheTableAsItWas) {
  FOrders->SetIndexName(STR("by_cust_date"));
  FOrders->SetMasterFields(STR("id;since"));
  TScript script(STR("TLinkFields"));
  script
      .Run([](TCustomForm& f) {
        EXPECT_EQ(f.Field<TComboBox>(STR("IndexList"))->Text(), STR("by_cust_date"));
        EXPECT_EQ(ItemsOf(f, STR("BindList")),
                  (Names{STR("cust_id -> id"), STR("odate -> since")}));
      })
      .Choose(STR("IndexList"), STR("Primary"));
  Join(script, STR("id"), STR("name")).Click(STR("Button2"));
  EXPECT_FALSE(Edit(std::move(script)));
  EXPECT_EQ(Link(), (Names{STR("by_cust_date"), String(), STR("id;since")}));
  EXPECT_EQ(FDesigner.ModifiedCount(), 0);
}

TEST_F(FieldLinkDesignerServerTest, ALinkOnADescendingIndexReopensOnIt) {
  FOrders->SetIndexFieldNames(STR("odate"));
  FOrders->SetMasterFields(STR("since"));
  TScript script(STR("TLinkFields"));
  script
      .Run([](TCustomForm& f) {
        EXPECT_EQ(f.Field<TComboBox>(STR("IndexList"))->Text(), STR("newest"));
        EXPECT_EQ(ItemsOf(f, STR("BindList")), (Names{STR("odate -> since")}));
      })
      .Click(STR("Button1"));
  EXPECT_TRUE(Edit(std::move(script)));
  EXPECT_EQ(Link(), (Names{STR("newest"), String(), STR("since")}));
}

TEST_F(FieldLinkDesignerServerTest, AnOpenDetailFollowsTheNewLink) {
  FOrders->SetIndexFieldNames(STR("cust_id"));
  FOrders->SetMasterFields(STR("id"));
  FCustomers->Open();
  FOrders->Open();
  EXPECT_EQ(FOrders->RecordCount(), 2);
  TScript script(STR("TLinkFields"));
  Join(script, STR("odate"), STR("since")).Click(STR("Button1"));
  EXPECT_TRUE(Edit(std::move(script)));
  EXPECT_EQ(Link(), (Names{STR("by_cust_date"), String(), STR("id;since")}));
  ASSERT_TRUE(FOrders->Active());
  // Ann's order of her first day only.
  ASSERT_EQ(FOrders->RecordCount(), 1);
  EXPECT_EQ(FOrders->FieldByName(STR("id"))->AsInteger(), 10);
}

}  // namespace
