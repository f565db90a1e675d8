// The update SQL editor against the private test server: what it preselects for queries on one
// table and on joins, a modify statement read back, primary keys and unreadable tables.
#include <gtest/gtest.h>

#include "ServerFixture.h"
#include "forms/ScriptedDriver.h"
#include "library/LibraryClasses.h"
#include "library/MySQLQuery.h"
#include "library/MySQLUpdateSQL.h"
#include "updsql/UpdateSQLEditForm.h"

namespace {

using Names = std::vector<String>;

const std::vector<std::string> kSchema = {
    "CREATE TABLE customers (id INT PRIMARY KEY, name VARCHAR(30), city VARCHAR(20))",
    "CREATE TABLE order_lines (order_id INT, qty INT, line_no INT, note TEXT, "
    "PRIMARY KEY (line_no, order_id), KEY by_qty (qty))",
};

Names SelectedOf(const TListBox& list) {
  Names names;
  for (int i = 0; i < list.Count(); ++i)
    if (list.Selected(i)) names.push_back(list.Items()->Strings(i));
  return names;
}

Names LinesOf(const TStringList& list) {
  Names lines;
  for (int i = 0; i < list.Count(); ++i) lines.push_back(list.Strings(i));
  return lines;
}

std::function<void(TCustomForm&)> Look(std::function<void(TMySQLUpdateSQLEditForm&)> check) {
  return [check = std::move(check)](TCustomForm& f) { check(*As<TMySQLUpdateSQLEditForm>(&f)); };
}

class UpdateSQLEditorServerTest : public ::testing::Test {
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
    auto* database = new TmySQLDatabase(&FForm);
    FSchema->Target(*database);
    FQuery = new TmySQLQuery(&FForm);
    FQuery->SetName(STR("Q1"));
    FQuery->SetDatabase(database);
    FUpdate = new TmySQLUpdateSQL(&FForm);
    FUpdate->SetName(STR("U1"));
    FQuery->SetUpdateObject(FUpdate);
  }
  void UseSQL(const String& sql) {
    TStringList text;
    text.SetText(sql);
    FQuery->SetSQL(&text);
  }
  static TScript Editor() { return TScript(STR("TMySQLUpdateSQLEditForm")); }

  static TTestDatabase* FSchema;
  TComponent FForm{nullptr};
  TmySQLQuery* FQuery;
  TmySQLUpdateSQL* FUpdate;
  TScriptedDriver FDriver;
};

TTestDatabase* UpdateSQLEditorServerTest::FSchema = nullptr;

TEST_F(UpdateSQLEditorServerTest, AQueryOnOneTableGeneratesFromAllItsFields) {
  UseSQL(STR("SELECT id, name FROM customers WHERE city = 'Oslo'"));
  FDriver.Expect(Editor()
                     .Run(Look([](TMySQLUpdateSQLEditForm& d) {
                       EXPECT_EQ(d.UpdateTableName->Text(), STR("customers"));
                       EXPECT_EQ(SelectedOf(*d.KeyFieldList), (Names{STR("id"), STR("name")}));
                       EXPECT_EQ(SelectedOf(*d.UpdateFieldList), (Names{STR("id"), STR("name")}));
                       EXPECT_FALSE(d.DefaultButton->Enabled());
                     }))
                     .Click(STR("PrimaryKeyButton"))
                     .Click(STR("GenerateButton"))
                     .Click(STR("OkButton")));
  EXPECT_TRUE(EditMySQLUpdateSQL(*FUpdate));
  EXPECT_EQ(LinesOf(*FUpdate->ModifySQL()),
            (Names{STR("update customers"), STR("set"), STR("  id = :id,"), STR("  name = :name"),
                   STR("where"), STR("  id = :OLD_id")}));
  EXPECT_TRUE(FDriver.Messages().empty());
}

TEST_F(UpdateSQLEditorServerTest, AJoinSelectsTheColumnsOfTheFirstTableThatTheQueryDelivers) {
  UseSQL(STR("SELECT c.name, l.qty FROM order_lines l, customers c WHERE c.id = l.order_id"));
  FDriver.Expect(
      Editor()
          .Run(Look([](TMySQLUpdateSQLEditForm& d) {
            EXPECT_EQ(d.UpdateTableName->Text(), STR("order_lines"));
            EXPECT_EQ(d.KeyFieldList->Items()->Count(), 4);
            EXPECT_EQ(SelectedOf(*d.UpdateFieldList), Names{STR("qty")});
          }))
          .Click(STR("PrimaryKeyButton"))
          .Run(Look([](TMySQLUpdateSQLEditForm& d) {
            EXPECT_EQ(SelectedOf(*d.KeyFieldList), (Names{STR("order_id"), STR("line_no")}));
            EXPECT_EQ(SelectedOf(*d.UpdateFieldList), Names{STR("qty")});
          }))
          .Click(STR("GenerateButton"))
          .Click(STR("OkButton")));
  EXPECT_TRUE(EditMySQLUpdateSQL(*FUpdate));
  EXPECT_EQ(LinesOf(*FUpdate->DeleteSQL()),
            (Names{STR("delete from order_lines"), STR("where"), STR("  order_id = :order_id and"),
                   STR("  line_no = :line_no")}));
}

TEST_F(UpdateSQLEditorServerTest, AnExistingModifyStatementIsReadBack) {
  UseSQL(STR("SELECT * FROM customers"));
  TStringList modify;
  modify.SetText(STR("update customers\nset\n  city = :city\nwhere\n  id = :OLD_id"));
  FUpdate->SetSQL(TMySQLUpdateKind::ukModify, modify);
  FDriver.Expect(Editor()
                     .Run(Look([](TMySQLUpdateSQLEditForm& d) {
                       EXPECT_EQ(SelectedOf(*d.KeyFieldList), Names{STR("id")});
                       EXPECT_EQ(SelectedOf(*d.UpdateFieldList), Names{STR("city")});
                     }))
                     .Click(STR("CancelButton")));
  EXPECT_FALSE(EditMySQLUpdateSQL(*FUpdate));
}

TEST_F(UpdateSQLEditorServerTest, ATableWhoseFieldsCannotBeReadIsReported) {
  UseSQL(STR("SELECT * FROM customers"));
  FSchema->Run("DROP TABLE IF EXISTS gone");
  FDriver.Expect(Editor()
                     .Replace(STR("UpdateTableName"), STR("gone"))
                     .Click(STR("GetTableFieldsButton"))
                     .Run(Look([](TMySQLUpdateSQLEditForm& d) {
                       EXPECT_EQ(d.KeyFieldList->Items()->Count(), 3);
                     }))
                     .Click(STR("CancelButton")));
  EXPECT_FALSE(EditMySQLUpdateSQL(*FUpdate));
  ASSERT_EQ(FDriver.Messages().size(), 1u);
  EXPECT_EQ(FDriver.Messages()[0].Text, STR("Unable to determine field names for gone"));
  EXPECT_EQ(FDriver.Cursors().back(), crDefault);
}

}  // namespace
