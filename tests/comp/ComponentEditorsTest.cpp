// The context-menu verbs of the connection, the query and the update object over the in-memory
// server, driven through the scripted driver: captions, actions and the designer's notices.
#include "LibraryFixture.h"
#include "ScriptedDriver.h"
#include "comp/DatabaseEditor.h"
#include "comp/QueryEditor.h"
#include "comp/UpdateSQLEditor.h"
#include "designide/FormDesigner.h"

namespace {

class ComponentEditorsTest : public LibraryTest {
 protected:
  ComponentEditorsTest() {
    RegisterFormsClasses();
    FForm.SetName(STR("Form1"));
  }

  template <class Editor>
  std::unique_ptr<Editor> EditorOn(TComponent* component) {
    auto editor = std::make_unique<Editor>();
    editor->Initialize(component, &FDesigner);
    return editor;
  }

  TmySQLQuery* NewQuery(TmySQLDatabase* database, const String& sql) {
    auto* query = new TmySQLQuery(&FForm);
    query->SetName(STR("Query1"));
    query->SetDatabase(database);
    query->SQL()->SetText(sql);
    return query;
  }

  static std::vector<String> Items(TCustomForm& form, const Char* list) {
    std::vector<String> items;
    const TStringList* strings = form.Field<TListBox>(list)->Items();
    for (int i = 0; i < strings->Count(); ++i) items.push_back(strings->Strings(i));
    return items;
  }

  TScriptedDriver FDriver;
  TFormDesigner FDesigner{&FForm};
};

TEST_F(ComponentEditorsTest, ConnectionVerbsFollowTheConnectionsState) {
  TmySQLDatabase* database = NewDatabase(false);
  auto editor = EditorOn<TMySQLDatabaseEditor>(database);
  ASSERT_EQ(editor->GetVerbCount(), 2);
  EXPECT_EQ(editor->GetVerb(0), STR("MySQLDatabase &Editor..."));
  EXPECT_EQ(editor->GetVerb(1), STR("&Connect to server"));
  editor->ExecuteVerb(1);
  EXPECT_TRUE(database->Connected());
  EXPECT_EQ(editor->GetVerb(1), STR("&Disconnect from server"));
  editor->ExecuteVerb(1);
  EXPECT_FALSE(database->Connected());
  EXPECT_EQ(FDesigner.ModifiedCount(), 2);

  // Outside the table: no caption, no action, but the designer is told all the same.
  EXPECT_EQ(editor->GetVerb(2), String());
  editor->ExecuteVerb(7);
  EXPECT_FALSE(database->Connected());
  EXPECT_EQ(FDesigner.ModifiedCount(), 3);
}

TEST_F(ComponentEditorsTest, ADoubleClickOnAConnectionOpensItsOptionsEvenToBeCancelled) {
  TmySQLDatabase* database = NewDatabase(false);
  FDriver.Expect(TScript(STR("TConnForm"))
                     .Run([](TCustomForm& f) {
                       EXPECT_EQ(f.Field<TEdit>(STR("DBName"))->Text(), STR("shop"));
                     })
                     .Replace(STR("DBName"), STR("other"))
                     .Click(STR("CancelBtn")));
  EditorOn<TMySQLDatabaseEditor>(database)->Edit();
  EXPECT_EQ(FDriver.PendingScripts(), 0u);
  EXPECT_EQ(database->DatabaseName(), STR("shop"));
  EXPECT_EQ(FDesigner.ModifiedCount(), 1);  // cancelled, still a notice
}

TEST_F(ComponentEditorsTest, AFailedConnectIsNoChange) {
  TmySQLDatabase* database = NewDatabase(false);
  FCatalog.SetRunning(false);
  EXPECT_THROW(EditorOn<TMySQLDatabaseEditor>(database)->ExecuteVerb(1), EDatabaseError);
  EXPECT_EQ(FDesigner.ModifiedCount(), 0);
}

TEST_F(ComponentEditorsTest, QueryVerbsOpenAndCloseTheDataset) {
  TmySQLQuery* query = NewQuery(NewDatabase(), kCityQuery);
  auto editor = EditorOn<TMySQLQueryEditor>(query);
  ASSERT_EQ(editor->GetVerbCount(), 3);
  EXPECT_EQ(editor->GetVerb(0), STR("Fields Editor..."));
  EXPECT_EQ(editor->GetVerb(1), STR("SQL Editor..."));
  EXPECT_EQ(editor->GetVerb(2), STR("Open"));
  editor->ExecuteVerb(2);
  EXPECT_TRUE(query->Active());
  EXPECT_EQ(editor->GetVerb(2), STR("Close"));
  editor->ExecuteVerb(2);
  EXPECT_FALSE(query->Active());
  EXPECT_EQ(editor->GetVerb(3), String());
  editor->ExecuteVerb(3);
  EXPECT_EQ(FDesigner.ModifiedCount(), 3);
}

TEST_F(ComponentEditorsTest, SQLEditorListsTheOpenConnectionsTablesAndStartsAtTheQueryTable) {
  TmySQLQuery* query = NewQuery(NewDatabase(), STR("select * from orders"));
  FDriver.Expect(
      TScript(STR("TSQLEditForm"))
          .Run([](TCustomForm& f) {
            EXPECT_EQ(Items(f, STR("TableList")),
                      (std::vector<String>{STR("big orders"), STR("customers"), STR("orders")}));
            // The start table is chosen and its fields are listed.
            EXPECT_EQ(Items(f, STR("FieldList")),
                      (std::vector<String>{STR("*"), STR("id"), STR("customer"), STR("amount"),
                                           STR("placed")}));
          })
          .Replace(STR("mmSQL"), STR("select id from customers"))
          .Click(STR("OkButton")));
  EditorOn<TMySQLQueryEditor>(query)->ExecuteVerb(1);
  EXPECT_EQ(query->SQL()->Text(), STR("select id from customers") + String(sLineBreak));
  EXPECT_EQ(FDesigner.ModifiedCount(), 1);
}

TEST_F(ComponentEditorsTest, SQLEditorNeverConnectsAClosedConnection) {
  TmySQLDatabase* database = NewDatabase(false);
  TmySQLQuery* query = NewQuery(database, STR("select * from orders"));
  FDriver.Expect(TScript(STR("TSQLEditForm"))
                     .Run([](TCustomForm& f) {
                       EXPECT_TRUE(Items(f, STR("TableList")).empty());
                       EXPECT_TRUE(Items(f, STR("FieldList")).empty());
                     })
                     .Replace(STR("mmSQL"), STR("select 1"))
                     .Click(STR("CancelButton")));
  EditorOn<TMySQLQueryEditor>(query)->ExecuteVerb(1);
  EXPECT_FALSE(database->Connected());
  EXPECT_EQ(query->SQL()->Text(), STR("select * from orders") + String(sLineBreak));
  EXPECT_EQ(FDesigner.ModifiedCount(), 1);  // cancelled, still a notice
}

TEST_F(ComponentEditorsTest, AnEmptyStatementCanBeEditedAndConfirmedEmpty) {
  TmySQLQuery* query = NewQuery(nullptr, STR("select 1"));
  FDriver.Expect(
      TScript(STR("TSQLEditForm")).Replace(STR("mmSQL"), String()).Click(STR("OkButton")));
  EditorOn<TMySQLQueryEditor>(query)->ExecuteVerb(1);
  EXPECT_EQ(query->SQL()->Count(), 0);
}

TEST_F(ComponentEditorsTest, ADoubleClickOnAQueryOpensTheFieldsEditor) {
  TmySQLQuery* query = NewQuery(NewDatabase(), kCityQuery);
  FDriver.Expect(TScript(STR("TFieldsEditorForm")).CloseBox());
  EditorOn<TMySQLQueryEditor>(query)->Edit();
  EXPECT_EQ(FDriver.PendingScripts(), 0u);
  EXPECT_EQ(FDesigner.ModifiedCount(), 1);
}

TEST_F(ComponentEditorsTest, UpdateObjectHasOneVerbAndNoticesOnlyConfirmedEdits) {
  auto* update = new TmySQLUpdateSQL(&FForm);
  update->SetName(STR("Update1"));
  TmySQLQuery* query = NewQuery(NewDatabase(), STR("select * from customers"));
  query->SetUpdateObject(update);
  auto editor = EditorOn<TMySQLUpdateSQLEditor>(update);
  ASSERT_EQ(editor->GetVerbCount(), 1);
  EXPECT_EQ(editor->GetVerb(0), STR("&MySQLUpdateSQL Editor..."));
  EXPECT_EQ(editor->GetVerb(4), STR("&MySQLUpdateSQL Editor..."));

  FDriver.Expect(TScript(STR("TMySQLUpdateSQLEditForm")).Click(STR("CancelButton")));
  editor->Edit();
  EXPECT_EQ(FDesigner.ModifiedCount(), 0);

  // Any index runs the editor.
  FDriver.Expect(TScript(STR("TMySQLUpdateSQLEditForm")).Click(STR("OkButton")));
  editor->ExecuteVerb(9);
  EXPECT_EQ(FDriver.PendingScripts(), 0u);
  EXPECT_EQ(FDesigner.ModifiedCount(), 1);
}

}  // namespace
