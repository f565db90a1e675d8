// The package's drop-down lists and the SQL editor's lists read live from the test server.
#include <gtest/gtest.h>

#include <algorithm>

#include "ScriptedDriver.h"
#include "ServerFixture.h"
#include "comp/QueryEditor.h"
#include "comp/ServerNameProperties.h"
#include "designide/FormDesigner.h"
#include "library/LibraryClasses.h"
#include "library/MySQLQuery.h"
#include "library/MySQLStoredProc.h"
#include "library/MySQLTable.h"

namespace {

using Names = std::vector<String>;

const std::vector<std::string> kSchema = {
    "CREATE TABLE `kunden liste` (`kunden nr` INT PRIMARY KEY, name VARCHAR(30), ort VARCHAR(20), "
    "UNIQUE KEY `by name` (name), KEY `ort name` (ort, name), KEY `neueste` (`kunden nr` DESC), "
    "KEY `gemischt` (ort, name DESC))",
    "CREATE VIEW `große kunden` AS SELECT name FROM `kunden liste`",
    "CREATE PROCEDURE `buche auftrag`(IN kunde INT, OUT nummer INT) SET nummer = 1",
    "CREATE FUNCTION doppelt(x INT) RETURNS INT RETURN 2 * x",
};

class PackageEditorsServerTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    RegisterLibraryClasses();
    RegisterFormsClasses();
    FSchema = new TTestDatabase(kSchema);
  }
  static void TearDownTestSuite() {
    delete FSchema;
    FSchema = nullptr;
  }
  void SetUp() override {
    FForm.SetName(STR("Form1"));
    FDatabase = new TmySQLDatabase(&FForm);
    FSchema->Target(*FDatabase);
  }

  template <class Editor>
  Names Values(TPersistent* component, const Char* property) {
    Editor editor;
    editor.Initialize(&FDesigner, {component}, *GetPropInfo(component->ClassType(), property));
    Names values;
    editor.GetValues([&](const String& v) { values.push_back(v); });
    return values;
  }

  static Names Sorted(Names names) {
    std::sort(names.begin(), names.end());
    return names;
  }

  static TTestDatabase* FSchema;
  TScriptedDriver FDriver;
  TComponent FForm{nullptr};
  TFormDesigner FDesigner{&FForm};
  TmySQLDatabase* FDatabase = nullptr;
};

TTestDatabase* PackageEditorsServerTest::FSchema = nullptr;

TEST_F(PackageEditorsServerTest, TableIndexAndIndexFieldLists) {
  auto* table = new TmySQLTable(&FForm);
  table->SetDatabase(FDatabase);
  EXPECT_EQ(Sorted(Values<TmySQLTableNamePropertyEditor>(table, STR("TableName"))),
            (Names{FromUtf8("große kunden"), STR("kunden liste")}));
  table->SetTableName(STR("kunden liste"));
  EXPECT_EQ(Sorted(Values<TmySQLIndexNamePropertyEditor>(table, STR("IndexName"))),
            (Names{STR("by name"), STR("gemischt"), STR("neueste"), STR("ort name")}));
  // Indexes with a descending part cannot be chosen by a field list.
  EXPECT_EQ(Values<TmySQLIndexFieldNamesPropertyEditor>(table, STR("IndexFieldNames")),
            (Names{STR("kunden nr"), STR("name"), STR("ort;name")}));

  // A change on the server shows at the next drop-down.
  FSchema->Run("ALTER TABLE `kunden liste` ADD KEY `nur ort` (ort)");
  EXPECT_EQ(Values<TmySQLIndexFieldNamesPropertyEditor>(table, STR("IndexFieldNames")),
            (Names{STR("kunden nr"), STR("name"), STR("ort;name"), STR("ort")}));
  FSchema->Run("ALTER TABLE `kunden liste` DROP KEY `nur ort`");
}

TEST_F(PackageEditorsServerTest, ProcedureCharacterSetAndCollationLists) {
  auto* proc = new TmySQLStoredProc(&FForm);
  proc->SetDatabase(FDatabase);
  EXPECT_EQ(Sorted(Values<TmySQLStoredProcNamePropertyEditor>(proc, STR("ProcedureName"))),
            (Names{STR("buche auftrag"), STR("doppelt")}));
  const Names charsets =
      Values<TmySQLDatabaseCharsetPropertyEditor>(FDatabase, STR("ConnectionCharacterSet"));
  EXPECT_NE(std::find(charsets.begin(), charsets.end(), STR("utf8mb4")), charsets.end());
  EXPECT_NE(std::find(charsets.begin(), charsets.end(), STR("latin1")), charsets.end());
  const Names collations =
      Values<TmySQLDatabaseCollationPropertyEditor>(FDatabase, STR("ConnectionCollation"));
  EXPECT_NE(std::find(collations.begin(), collations.end(), STR("utf8mb4_bin")), collations.end());
  EXPECT_GT(collations.size(), charsets.size());
}

TEST_F(PackageEditorsServerTest, SQLEditorListsTheServersTablesAndFields) {
  FDatabase->Open();
  auto* query = new TmySQLQuery(&FForm);
  query->SetName(STR("Query1"));
  query->SetDatabase(FDatabase);
  query->SQL()->SetText(STR("select * from `kunden liste`"));
  FDriver.Expect(TScript(STR("TSQLEditForm"))
                     .Run([](TCustomForm& f) {
                       const TStringList* tables = f.Field<TListBox>(STR("TableList"))->Items();
                       EXPECT_NE(tables->IndexOf(STR("kunden liste")), -1);
                       const TStringList* fields = f.Field<TListBox>(STR("FieldList"))->Items();
                       EXPECT_NE(fields->IndexOf(STR("kunden nr")), -1);
                       EXPECT_NE(fields->IndexOf(STR("ort")), -1);
                     })
                     .Click(STR("CancelButton")));
  TMySQLQueryEditor editor;
  editor.Initialize(query, &FDesigner);
  editor.ExecuteVerb(1);
  EXPECT_EQ(FDriver.PendingScripts(), 0u);
}

}  // namespace
