// The package's property editors over the in-memory server: drop-down values, refusals without
// a connection, the master source chains, the parameters refresh and the About button.
#include <algorithm>

#include "LibraryFixture.h"
#include "ScriptedDriver.h"
#include "comp/AboutProperty.h"
#include "comp/DataSourceProperty.h"
#include "comp/ParamsProperty.h"
#include "comp/ServerNameProperties.h"
#include "db/DataSource.h"
#include "designide/FormDesigner.h"
#include "library/MySQLDatabase.h"

namespace {

class PropertyEditorsTest : public LibraryTest {
 protected:
  PropertyEditorsTest() {
    RegisterFormsClasses();
    FForm.SetName(STR("Form1"));
  }

  template <class Editor>
  std::unique_ptr<Editor> EditorFor(std::vector<TPersistent*> components, const Char* property) {
    auto editor = std::make_unique<Editor>();
    editor->Initialize(&FDesigner, std::move(components),
                       *GetPropInfo(components.front()->ClassType(), property));
    return editor;
  }

  template <class Editor>
  std::vector<String> Values(std::vector<TPersistent*> components, const Char* property) {
    std::vector<String> values;
    EditorFor<Editor>(std::move(components), property)->GetValues([&](const String& v) {
      values.push_back(v);
    });
    return values;
  }

  TDataSource* NewSource(const Char* name, TDataSet* dataSet) {
    auto* source = new TDataSource(&FForm);
    source->SetName(name);
    source->SetDataSet(dataSet);
    return source;
  }

  TScriptedDriver FDriver;
  TFormDesigner FDesigner{&FForm};
};

using Names = std::vector<String>;

TEST_F(PropertyEditorsTest, StringListsAskTheFirstSelectedComponentUnsorted) {
  TmySQLDatabase* database = NewDatabase();
  TmySQLTable* orders = NewTable(STR("orders"), database);
  TmySQLTable* customers = NewTable(STR("customers"), database);
  EXPECT_EQ(Values<TmySQLTableNamePropertyEditor>({orders}, STR("TableName")),
            (Names{STR("big orders"), STR("customers"), STR("orders")}));
  EXPECT_EQ(Values<TmySQLIndexNamePropertyEditor>({orders, customers}, STR("IndexName")),
            (Names{STR("by customer"), STR("newest")}));
  EXPECT_EQ(Values<TmySQLIndexNamePropertyEditor>({customers, orders}, STR("IndexName")),
            (Names{STR("by city")}));
  FCatalog.CharacterSets = {STR("utf8mb4"), STR("latin1")};
  FCatalog.Collations = {STR("utf8mb4_bin"), STR("latin1_swedish_ci")};
  EXPECT_EQ(Values<TmySQLDatabaseCharsetPropertyEditor>({database}, STR("ConnectionCharacterSet")),
            (Names{STR("utf8mb4"), STR("latin1")}));
  EXPECT_EQ(Values<TmySQLDatabaseCollationPropertyEditor>({database}, STR("ConnectionCollation")),
            (Names{STR("utf8mb4_bin"), STR("latin1_swedish_ci")}));

  auto* proc = new TmySQLStoredProc(&FForm);
  proc->SetDatabase(database);
  EXPECT_EQ(Values<TmySQLStoredProcNamePropertyEditor>({proc}, STR("ProcedureName")),
            (Names{STR("add order"), STR("total")}));

  // A value list the designer sorts, several components at once, and typing allowed.
  constexpr TPropertyAttributes kListed = 0x29;
  EXPECT_EQ(EditorFor<TmySQLTableNamePropertyEditor>({orders}, STR("TableName"))->GetAttributes(),
            kListed);
  EXPECT_EQ(EditorFor<TmySQLDatabaseCollationPropertyEditor>({database}, STR("ConnectionCollation"))
                ->GetAttributes(),
            kListed);
  auto typed = EditorFor<TmySQLIndexNamePropertyEditor>({orders}, STR("IndexName"));
  typed->SetValue(STR("newest"));
  EXPECT_EQ(orders->IndexName(), STR("newest"));
}

TEST_F(PropertyEditorsTest, TableAndProcedureListsNeedAConnection) {
  TmySQLTable* table = NewTable(STR("orders"), nullptr);
  auto* proc = new TmySQLStoredProc(&FForm);
  for (const auto& values :
       {std::function<void()>(
            [&] { Values<TmySQLTableNamePropertyEditor>({table}, STR("TableName")); }),
        std::function<void()>(
            [&] { Values<TmySQLStoredProcNamePropertyEditor>({proc}, STR("ProcedureName")); }),
        std::function<void()>(
            [&] { EditorFor<TMySQLSPParamsProperty>({proc}, STR("Params"))->Edit(); })}) {
    try {
      values();
      ADD_FAILURE() << "no error without a connection";
    } catch (const EDatabaseError& e) {
      EXPECT_EQ(e.Message(), STR("Database property is not set"));
    }
  }
  // The index list still asks the table, which has nothing to offer without a connection.
  EXPECT_TRUE(Values<TmySQLIndexNamePropertyEditor>({table}, STR("IndexName")).empty());
}

TEST_F(PropertyEditorsTest, IndexFieldListsLeaveOutWhatAFieldListCannotSelect) {
  TMemoryTable& customers = *FCatalog.Database(STR("shop")).FindTable(STR("customers"));
  customers.Indexes.push_back(
      {.Name = STR("by lower name"), .Expression = STR("lower(name)"), .IsExpression = true});
  customers.Indexes.push_back({.Name = STR("mixed"),
                               .Fields = {STR("city")},
                               .Expression = STR("city;lower(name)"),
                               .IsExpression = true});
  customers.Indexes.push_back({.Name = STR("no fields")});
  customers.Indexes.push_back({.Name = STR("down"),
                               .Fields = {STR("name")},
                               .DescendingFields = {STR("name")},
                               .Descending = true});
  TmySQLTable* table = NewTable(STR("customers"), NewDatabase());
  EXPECT_EQ(Values<TmySQLIndexFieldNamesPropertyEditor>({table}, STR("IndexFieldNames")),
            (Names{STR("id"), STR("city;name")}));

  // The definitions are read again: a new index shows without reopening anything.
  customers.Indexes.push_back({.Name = STR("by name"), .Fields = {STR("name")}});
  EXPECT_EQ(Values<TmySQLIndexFieldNamesPropertyEditor>({table}, STR("IndexFieldNames")),
            (Names{STR("id"), STR("city;name"), STR("name")}));
}

TEST_F(PropertyEditorsTest, MasterSourceNeverOffersASourceThatLeadsBackToTheTable) {
  TmySQLDatabase* database = NewDatabase(false);
  TmySQLTable* a = NewTable(STR("customers"), database);
  TmySQLTable* b = NewTable(STR("orders"), database);
  TmySQLTable* c = NewTable(STR("orders"), database);
  a->SetName(STR("A"));
  b->SetName(STR("B"));
  c->SetName(STR("C"));
  TDataSource* dsa = NewSource(STR("DSA"), a);
  NewSource(STR("DSB"), b);
  NewSource(STR("DSC"), c);
  NewSource(STR("DSNone"), nullptr);
  b->SetMasterSource(dsa);
  auto sorted = [](Names n) {
    std::sort(n.begin(), n.end());
    return n;
  };
  EXPECT_EQ(sorted(Values<TmySQLDataSourcePropertyEditor>({a}, STR("MasterSource"))),
            (Names{STR("DSC"), STR("DSNone")}));
  EXPECT_EQ(sorted(Values<TmySQLDataSourcePropertyEditor>({b}, STR("MasterSource"))),
            (Names{STR("DSA"), STR("DSC"), STR("DSNone")}));
  // A source linked to any of the selected tables is dropped.
  EXPECT_EQ(sorted(Values<TmySQLDataSourcePropertyEditor>({b, c}, STR("MasterSource"))),
            (Names{STR("DSA"), STR("DSNone")}));
}

TEST_F(PropertyEditorsTest, ParamsAreReadAgainOnlyWhenTheProcedureHasNone) {
  auto* proc = new TmySQLStoredProc(&FForm);
  proc->SetName(STR("Proc1"));
  proc->SetDatabase(NewDatabase());
  proc->SetProcedureName(STR("add order"));
  FDriver.Expect(TScript(STR("TCollectionEditorForm"))
                     .Run([](TCustomForm& f) {
                       EXPECT_EQ(f.Field<TListBox>(STR("ItemList"))->Items()->Count(), 3);
                     })
                     .CloseBox());
  EditorFor<TMySQLSPParamsProperty>({proc}, STR("Params"))->Edit();
  EXPECT_EQ(FDriver.PendingScripts(), 0u);
  ASSERT_EQ(proc->GetParamsCount(), 3);

  // With parameters present the library decides: they are current, nothing is read.
  TMemoryRoutine& routine = FCatalog.Database(STR("shop")).Routines.front();
  routine.Params.push_back({STR("d"), TParamDirection::In, TFieldType::ftInteger});
  FDriver.Expect(TScript(STR("TCollectionEditorForm")).CloseBox());
  EditorFor<TMySQLSPParamsProperty>({proc}, STR("Params"))->Edit();
  EXPECT_EQ(proc->GetParamsCount(), 3);

  // Without any, they are read from the server however current they seemed.
  proc->Params()->Clear();
  FDriver.Expect(TScript(STR("TCollectionEditorForm")).CloseBox());
  EditorFor<TMySQLSPParamsProperty>({proc}, STR("Params"))->Edit();
  EXPECT_EQ(proc->GetParamsCount(), 4);
}

TEST_F(PropertyEditorsTest, AboutShowsTheBoxForTheComponentsClass) {
  TmySQLTable* table = NewTable(STR("orders"), nullptr);
  auto editor = EditorFor<TAboutProperty>({table}, STR("About"));
  EXPECT_EQ(editor->GetValue(), STR("About..."));
  EXPECT_EQ(editor->GetAttributes(), 0x44u);
  FDriver.Expect(TScript(STR("TMySQLAboutComp"))
                     .Run([](TCustomForm& f) {
                       EXPECT_EQ(f.Field<TLabel>(STR("Label1"))->Caption(), STR("TmySQLTable"));
                     })
                     .Click(STR("Button1")));
  editor->Edit();
  EXPECT_EQ(FDriver.PendingScripts(), 0u);
}

}  // namespace
