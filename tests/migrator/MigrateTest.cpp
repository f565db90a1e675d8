#include <algorithm>

#include "MigratorFixture.h"
#include "db/DataSource.h"
#include "db/Field.h"
#include "library/MySQLQuery.h"
#include "library/MySQLStoredProc.h"
#include "library/MySQLTable.h"
#include "library/MySQLUpdateSQL.h"

namespace {

// A data module of every BDE kind: a query with fields, events and an update object serving
// as master through a data source, a detail table, a stored procedure.
const char* const kOrders =
    "object Orders: TDataModule2\n"
    "  object Database1: TmySQLDatabase\n"
    "    DatabaseName = 'shop'\n"
    "  end\n"
    "  object Query1: TQuery\n"
    "    BeforeOpen = Query1BeforeOpen\n"
    "    BeforeRefresh = Query1BeforeRefresh\n"
    "    OnFilterRecord = Query1FilterRecord\n"
    "    CachedUpdates = True\n"
    "    SQL.Strings = (\n"
    "      'select Id, Total'\n"
    "      'from orders')\n"
    "    UpdateObject = UpdateSQL1\n"
    "    Left = 40\n"
    "    Top = 16\n"
    "    object Query1Id: TIntegerField\n"
    "      FieldName = 'Id'\n"
    "    end\n"
    "    object Query1Query1Total: TFloatField\n"
    "      FieldName = 'Total'\n"
    "      OnChange = Query1TotalChange\n"
    "    end\n"
    "  end\n"
    "  object UpdateSQL1: TUpdateSQL\n"
    "    ModifySQL.Strings = (\n"
    "      'update orders set Total = :Total where Id = :OLD_Id')\n"
    "    DeleteSQL.Strings = (\n"
    "      'delete from orders where Id = :OLD_Id')\n"
    "    Left = 40\n"
    "    Top = 64\n"
    "  end\n"
    "  object DataSource1: TDataSource\n"
    "    DataSet = Query1\n"
    "  end\n"
    "  object Lines: TTable\n"
    "    TableName = 'order_lines'\n"
    "    Filtered = True\n"
    "    Filter = 'Qty > 1'\n"
    "    MasterSource = DataSource1\n"
    "    MasterFields = 'Id'\n"
    "    IndexFieldNames = 'OrderId'\n"
    "    Left = 120\n"
    "    Top = 16\n"
    "  end\n"
    "  object Proc1: TStoredProc\n"
    "    StoredProcName = 'close_order'\n"
    "  end\n"
    "end\n";

// Another form: ADO, dbExpress and Zeos datasets, a data source and a lookup field on datasets
// of the first form, and what is never converted.
const char* const kOthers =
    "object Others: TForm2\n"
    "  object DataSource2: TDataSource\n"
    "    DataSet = Orders.Query1\n"
    "  end\n"
    "  object DataSource3: TDataSource\n"
    "    DataSet = Kept\n"
    "  end\n"
    "  object AdoSet: TADODataSet\n"
    "    CommandText = 'select *'#13#10'from customers'#13#10'where Id > 0'\n"
    "    object AdoSetName: TStringField\n"
    "      FieldName = 'Name'\n"
    "    end\n"
    "    object AdoSetLineQty: TIntegerField\n"
    "      FieldKind = fkLookup\n"
    "      FieldName = 'LineQty'\n"
    "      LookupDataSet = Orders.Lines\n"
    "      LookupKeyFields = 'OrderId'\n"
    "      LookupResultField = 'Qty'\n"
    "      KeyFields = 'Id'\n"
    "      Lookup = True\n"
    "    end\n"
    "    object AdoSetKeptName: TStringField\n"
    "      FieldKind = fkLookup\n"
    "      FieldName = 'KeptName'\n"
    "      LookupDataSet = Kept\n"
    "      LookupKeyFields = 'Id'\n"
    "      LookupResultField = 'Name'\n"
    "      KeyFields = 'Id'\n"
    "      Lookup = True\n"
    "    end\n"
    "  end\n"
    "  object DbxSet: TSQLDataSet\n"
    "    CommandText = 'select 1'\n"
    "  end\n"
    "  object AdoTable: TADOTable\n"
    "    TableName = 'items'\n"
    "  end\n"
    "  object DbxTable: TSQLTable\n"
    "    TableName = 'stock'\n"
    "  end\n"
    "  object AdoProc: TADOStoredProc\n"
    "    ProcedureName = 'ado_proc'\n"
    "  end\n"
    "  object ZQuery: TZQuery\n"
    "    SQL.Strings = (\n"
    "      'select 2')\n"
    "    UpdateObject = ZUpdate\n"
    "  end\n"
    "  object ZUpdate: TZUpdateSQL\n"
    "    InsertSQL.Strings = (\n"
    "      'insert into z values (:a)')\n"
    "  end\n"
    "  object ZProc: TZStoredProc\n"
    "    StoredProcName = 'z_proc'\n"
    "  end\n"
    "  object Nested: TNestedTable\n"
    "  end\n"
    "  object Kept: TmySQLQuery\n"
    "  end\n"
    "end\n";

TEST_F(MigratorTest, ConvertsEveryFamilyOnEveryOpenFormAndReportsTheCount) {
  Open(kOrders, "Orders.dfm");
  Open(kOthers, "Others.dfm");
  TBDE2Ombrix& m = Migrator();
  m.Migrate();

  // Found in form order, converted backwards: the pair list stands in reverse.
  const std::vector<std::pair<const char*, const char*>> expected = {
      {"ZProc", "TmySQLStoredProc"}, {"ZQuery", "TmySQLQuery"},     {"AdoProc", "TmySQLStoredProc"},
      {"DbxTable", "TmySQLTable"},   {"AdoTable", "TmySQLTable"},   {"DbxSet", "TmySQLQuery"},
      {"AdoSet", "TmySQLQuery"},     {"Proc1", "TmySQLStoredProc"}, {"Lines", "TmySQLTable"},
      {"Query1", "TmySQLQuery"}};
  ASSERT_EQ(m.DataSets().Count(), static_cast<int>(expected.size()));
  ASSERT_EQ(m.LastRun().Pairs.size(), expected.size());
  for (size_t i = 0; i < expected.size(); ++i) {
    const auto& pair = m.LastRun().Pairs[i];
    EXPECT_EQ(pair.OldName, S(expected[i].first));
    EXPECT_EQ(pair.NewName, S(expected[i].first));
    EXPECT_EQ(pair.NewClass, S(expected[i].second));
    EXPECT_EQ(m.DataSets().GetNewDataSets(static_cast<int>(i))->Name(), S(expected[i].first));
  }
  EXPECT_EQ(m.LastRun().Message, S("10 dataset descendants processed successfully"));
  ASSERT_EQ(driver.Messages().size(), 1u);
  EXPECT_EQ(driver.Messages()[0].Text, m.LastRun().Message);
  EXPECT_EQ(driver.Cursors(), (std::vector<TCursor>{crHourGlass, crDefault}));

  // Sources and their update objects are gone; new ones stand last, the update object after
  // the dataset it serves.
  EXPECT_EQ(Names("Orders"),
            (std::vector<String>{S("Database1"), S("Query1Id"), S("Query1Total"), S("DataSource1"),
                                 String(), S("Proc1"), S("Lines"), S("Query1"), S("UpdateSQL1")}));
  EXPECT_EQ(m.LastRun().Removed.size(), 12u);  // ten datasets and two update objects
  EXPECT_NE(Get<TComponent>("Others", "Nested"), nullptr);
  EXPECT_EQ(Get<TDataSet>("Others", "Kept")->ClassName(), S("TmySQLQuery"));

  EXPECT_EQ(Get<TmySQLTable>("Others", "AdoTable")->TableName(), S("items"));
  EXPECT_EQ(Get<TmySQLTable>("Others", "DbxTable")->TableName(), S("stock"));
  EXPECT_EQ(Get<TmySQLStoredProc>("Others", "AdoProc")->ProcedureName(), S("ado_proc"));
  EXPECT_EQ(Get<TmySQLStoredProc>("Others", "ZProc")->ProcedureName(), S("z_proc"));
  EXPECT_EQ(Get<TmySQLStoredProc>("Orders", "Proc1")->ProcedureName(), S("close_order"));
  EXPECT_EQ(Get<TmySQLQuery>("Others", "DbxSet")->SQL()->ToVector(),
            (std::vector<String>{S("select 1")}));
  // A multi-line command text gives one statement line per line.
  EXPECT_EQ(Get<TmySQLQuery>("Others", "AdoSet")->SQL()->ToVector(),
            (std::vector<String>{S("select *"), S("from customers"), S("where Id > 0")}));
  for (int i = 0; i < m.DataSets().Count(); ++i) {
    EXPECT_EQ(As<TmySQLDataSet>(m.DataSets().GetNewDataSets(i))->Database(), m.GetDatabase());
  }
}

TEST_F(MigratorTest, CarriesStatementEventsFieldsAndUpdateObjectButNoMasterLink) {
  Open(kOrders, "Orders.dfm");
  TBDE2Ombrix& m = Migrator();
  m.SetDeleteSourceComponents(false);
  auto* oldQuery = Get<TDataSet>("Orders", "Query1");
  TField* id = oldQuery->Fields()[0];
  TField* total = oldQuery->Fields()[1];
  m.Migrate();

  auto* query = Get<TmySQLQuery>("Orders", "Query1");
  EXPECT_EQ(Get<TDataSet>("Orders", "Die_Query1"), oldQuery);
  EXPECT_EQ(query->SQL()->ToVector(),
            (std::vector<String>{S("select Id, Total"), S("from orders")}));
  EXPECT_FALSE(query->CachedUpdates());
  EXPECT_EQ(query->DesignInfo(), oldQuery->DesignInfo());
  EXPECT_EQ(query->Event(TDataSetEvent::BeforeOpen).Name, S("Query1BeforeOpen"));
  EXPECT_EQ(query->Event(TDataSetEvent::OnFilterRecord).Name, S("Query1FilterRecord"));
  EXPECT_FALSE(query->Event(TDataSetEvent::BeforeRefresh).Assigned());
  // The old dataset keeps its handlers but loses its fields, which keep order and handlers.
  EXPECT_EQ(oldQuery->Event(TDataSetEvent::BeforeOpen).Name, S("Query1BeforeOpen"));
  EXPECT_EQ(oldQuery->FieldCount(), 0);
  ASSERT_EQ(query->FieldCount(), 2);
  EXPECT_EQ(query->Fields()[0], id);
  EXPECT_EQ(query->Fields()[1], total);
  EXPECT_EQ(total->Name(), S("Query1Total"));  // the doubled name repaired
  EXPECT_EQ(id->Name(), S("Query1Id"));
  EXPECT_EQ(total->OnChange().Name, S("Query1TotalChange"));

  auto* update = As<TmySQLUpdateSQL>(query->UpdateObject());
  ASSERT_NE(update, nullptr);
  EXPECT_EQ(update->Name(), S("UpdateSQL1"));
  EXPECT_NE(Find("Orders", "Die_UpdateSQL1"), nullptr);
  EXPECT_EQ(update->DesignInfo(), Find("Orders", "Die_UpdateSQL1")->DesignInfo());
  EXPECT_EQ(update->ModifySQL()->ToVector(),
            (std::vector<String>{S("update orders set Total = :Total where Id = :OLD_Id")}));
  EXPECT_EQ(update->InsertSQL()->Count(), 0);
  EXPECT_EQ(update->DeleteSQL()->ToVector(),
            (std::vector<String>{S("delete from orders where Id = :OLD_Id")}));
  EXPECT_EQ(GetObjectProp(oldQuery, S("UpdateObject")), Find("Orders", "Die_UpdateSQL1"));

  // Only the data source follows; the detail keeps no master link, index or filter expression
  // of its old self except the filter itself.
  EXPECT_EQ(Get<TDataSource>("Orders", "DataSource1")->DataSet(), query);
  auto* lines = Get<TmySQLTable>("Orders", "Lines");
  EXPECT_EQ(lines->TableName(), S("order_lines"));
  EXPECT_TRUE(lines->Filtered());
  EXPECT_EQ(lines->Filter(), S("Qty > 1"));
  EXPECT_EQ(lines->MasterSource(), nullptr);
  EXPECT_EQ(lines->MasterFields(), String());
  EXPECT_EQ(lines->IndexFieldNames(), String());
  EXPECT_EQ(Get<TDataSet>("Orders", "Die_Lines")->DataSource(),
            Get<TDataSource>("Orders", "DataSource1"));
}

TEST_F(MigratorTest, RetargetsDataSourcesAndLookupFieldsAcrossForms) {
  Open(kOrders, "Orders.dfm");
  Open(kOthers, "Others.dfm");
  TBDE2Ombrix& m = Migrator();
  m.Migrate();
  EXPECT_EQ(Get<TDataSource>("Others", "DataSource2")->DataSet(), Find("Orders", "Query1"));
  EXPECT_EQ(Get<TDataSource>("Others", "DataSource3")->DataSet(), Find("Others", "Kept"));
  EXPECT_EQ(Get<TField>("Others", "AdoSetLineQty")->LookupDataSet(), Find("Orders", "Lines"));
  EXPECT_EQ(Get<TField>("Others", "AdoSetKeptName")->LookupDataSet(), Find("Others", "Kept"));
  EXPECT_EQ(Get<TField>("Others", "AdoSetLineQty")->DataSet(), Find("Others", "AdoSet"));
  const auto names = [](const std::vector<TMigrationReport::TName>& list) {
    std::vector<String> out;
    for (const auto& n : list) out.push_back(n.Name);
    return out;
  };
  EXPECT_EQ(names(m.LastRun().DataSources),
            (std::vector<String>{S("DataSource1"), S("DataSource2")}));
  EXPECT_EQ(names(m.LastRun().LookupFields), (std::vector<String>{S("AdoSetLineQty")}));
}

TEST_F(MigratorTest, OnlyTheChosenFamiliesAndExactClassNamesAreConverted) {
  Open(kOrders, "Orders.dfm");
  Open(kOthers, "Others.dfm");
  TBDE2Ombrix& m = Migrator();
  m.SetConvertComponents(SetBit(TConvertComponent::convADO) | SetBit(TConvertComponent::convZeos));
  m.Migrate();
  EXPECT_EQ(m.DataSets().Count(), 5);
  EXPECT_TRUE(Find("Orders", "Query1")->ClassNameIs(S("TQuery")));
  EXPECT_TRUE(Find("Others", "DbxSet")->ClassNameIs(S("TSQLDataSet")));
  EXPECT_TRUE(Find("Others", "AdoSet")->ClassNameIs(S("TmySQLQuery")));
  EXPECT_TRUE(Find("Others", "ZQuery")->ClassNameIs(S("TmySQLQuery")));
  // An update object converts with its dataset whatever its family.
  EXPECT_TRUE(Find("Others", "ZUpdate")->ClassNameIs(S("TmySQLUpdateSQL")));
  EXPECT_EQ(Get<TmySQLUpdateSQL>("Others", "ZUpdate")->InsertSQL()->ToVector(),
            (std::vector<String>{S("insert into z values (:a)")}));
}

// A class derived from a listed one under another name, as a user's library might have.
const TClassInfo& MyQueryClass() {
  static const TClassInfo info = [] {
    TClassInfo cls;
    cls.Name = STR("TMyQuery");
    cls.Parent = GetClass(STR("TQuery"));
    cls.Create = [](TComponent* owner) -> TObject* {
      return new TForeignDataSet(owner, MyQueryClass());
    };
    return cls;
  }();
  return info;
}

TEST_F(MigratorTest, DerivedClassesUnknownClassesAndLibraryDatasetsStay) {
  RegisterClass(MyQueryClass());
  Open(
      "object F: TForm1\n"
      "  object Database1: TmySQLDatabase\n  end\n"
      "  object Mine: TMyQuery\n  end\n"
      "  object Odd: TOddQuery\n  end\n"
      "  object Nested: TNestedTable\n  end\n"
      "  object Own: TmySQLTable\n  end\n"
      "end\n",
      "F.dfm");
  ASSERT_TRUE(Find("F", "Mine")->InheritsFrom(*GetClass(STR("TQuery"))));
  TBDE2Ombrix& m = Migrator();
  m.Migrate();
  EXPECT_EQ(m.DataSets().Count(), 0);
  EXPECT_EQ(driver.Messages().back().Text, S("0 dataset descendants processed successfully"));
  EXPECT_EQ(Names("F"), (std::vector<String>{S("Database1"), S("Mine"), S("Odd"), S("Nested"),
                                             S("Own"), m.Name()}));
}

TEST_F(MigratorTest, ComponentsOfAnEmbeddedFrameAreNotSeen) {
  Open(
      "object F: TForm1\n"
      "  object Database1: TmySQLDatabase\n  end\n"
      "  inline Frame1: TFrame1\n"
      "    object FrameQuery: TQuery\n    end\n"
      "  end\n"
      "end\n",
      "F.dfm");
  TBDE2Ombrix& m = Migrator();
  m.Migrate();
  EXPECT_EQ(m.DataSets().Count(), 0);
  EXPECT_TRUE(Find("F", "Frame1")->FindComponent(S("FrameQuery"))->ClassNameIs(S("TQuery")));
}

TEST_F(MigratorTest, KeptSourcesAreConvertedAgainOnASecondRun) {
  Open(kOrders, "Orders.dfm");
  TBDE2Ombrix& m = Migrator();
  m.SetDeleteSourceComponents(false);
  m.SetConvertComponents(SetBit(TConvertComponent::convBDE));
  m.Migrate();
  EXPECT_TRUE(Find("Orders", "Die_Query1")->ClassNameIs(S("TQuery")));
  EXPECT_TRUE(Find("Orders", "Die_UpdateSQL1")->ClassNameIs(S("TUpdateSQL")));
  m.Migrate();
  EXPECT_EQ(m.DataSets().Count(), 3);
  EXPECT_TRUE(Find("Orders", "Die_Die_Query1")->ClassNameIs(S("TQuery")));
  EXPECT_TRUE(Find("Orders", "Die_Query1")->ClassNameIs(S("TmySQLQuery")));
  EXPECT_TRUE(Find("Orders", "Query1")->ClassNameIs(S("TmySQLQuery")));
  EXPECT_TRUE(Find("Orders", "Die_Die_UpdateSQL1")->ClassNameIs(S("TUpdateSQL")));
  EXPECT_TRUE(Find("Orders", "Die_UpdateSQL1")->ClassNameIs(S("TmySQLUpdateSQL")));
  // The fields moved with the first run; the leftover has none to give.
  EXPECT_EQ(Get<TDataSet>("Orders", "Die_Query1")->FieldCount(), 0);
  EXPECT_EQ(Get<TDataSet>("Orders", "Query1")->FieldCount(), 2);
}

TEST_F(MigratorTest, ConvertedFormsRenderWithTheNewComponentsLast) {
  TFormModule& module = Open(kOrders, "Orders.dfm");
  TBDE2Ombrix& m = Migrator();
  m.SetConvertComponents(SetBit(TConvertComponent::convBDE));
  m.Migrate();
  delete &m;
  const std::string text = module.Render();
  EXPECT_EQ(text.find("TQuery"), std::string::npos) << text;
  EXPECT_EQ(text.find("TUpdateSQL\n"), std::string::npos) << text;
  const size_t proc = text.find("object Proc1: TmySQLStoredProc");
  const size_t lines = text.find("object Lines: TmySQLTable");
  const size_t query = text.find("object Query1: TmySQLQuery");
  const size_t update = text.find("object UpdateSQL1: TmySQLUpdateSQL");
  ASSERT_NE(update, std::string::npos) << text;
  EXPECT_LT(text.find("object DataSource1"), proc);
  EXPECT_LT(proc, lines);
  EXPECT_LT(lines, query);
  EXPECT_LT(query, update);
  EXPECT_NE(text.find("    object Query1Total: TFloatField\n"), std::string::npos) << text;
  EXPECT_NE(text.find("    UpdateObject = UpdateSQL1\n"), std::string::npos) << text;
  EXPECT_NE(text.find("    Filter = 'Qty > 1'\n    Filtered = True\n"), std::string::npos) << text;
  // It reads back as it was written.
  TFormSet again;
  EXPECT_EQ(again.OpenText(text, "Orders.dfm").Render(), text);
}

}  // namespace
