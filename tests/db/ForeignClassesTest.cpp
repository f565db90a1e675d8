#include <gtest/gtest.h>

#include "TestDataSets.h"
#include "db/DataSource.h"
#include "db/StringFields.h"
#include "foreign/ForeignClasses.h"

namespace {

struct Form {
  TComponent root{nullptr};
  Form() { RegisterForeignClasses(); }
  TComponent* Make(const char* className, const char* name) {
    const TClassInfo* cls = GetClass(S(className));
    EXPECT_NE(cls, nullptr) << className;
    auto* c = static_cast<TComponent*>(cls->Create(&root));
    c->SetName(S(name));
    return c;
  }
};

TEST(ForeignClasses, FoundByNameAsDatasetsUpdateObjectsOrConnections) {
  Form f;
  for (const char* name :
       {"TQuery", "TTable", "TStoredProc", "TADOQuery", "TADODataset", "TADOTable",
        "TADOStoredProc", "TSQLQuery", "TSQLDataset", "TSQLTable", "TSQLStoredProc", "TZQuery",
        "TZTable", "TZStoredProc", "TNestedTable"}) {
    TComponent* c = f.Make(name, "X");
    EXPECT_TRUE(c->Is<TDataSet>()) << name;
    EXPECT_TRUE(c->ClassNameIs(S(name))) << name;
    delete c;
  }
  for (const char* name : {"TUpdateSQL", "TZUpdateSQL"}) {
    std::unique_ptr<TComponent> c(f.Make(name, "U"));
    EXPECT_TRUE(c->InheritsFrom(ForeignUpdateObjectClass()));
    EXPECT_FALSE(c->Is<TDataSet>());
  }
  for (const char* name :
       {"TDatabase", "TSession", "TADOConnection", "TSQLConnection", "TZConnection"}) {
    std::unique_ptr<TComponent> c(f.Make(name, "C"));
    EXPECT_FALSE(c->Is<TDataSet>()) << name;
    EXPECT_FALSE(c->InheritsFrom(ForeignUpdateObjectClass())) << name;
  }
}

TEST(ForeignClasses, StatementsAndNamesAreReadByPropertyName) {
  Form f;
  TComponent* query = f.Make("TQuery", "Query1");
  TStringList lines{STR("select *"), STR("from t")};
  SetObjectProp(query, STR("SQL"), &lines);
  lines.Clear();
  auto* sql = As<TStringList>(GetObjectProp(query, STR("SQL")));
  ASSERT_NE(sql, nullptr);
  EXPECT_EQ(sql->ToVector(), (std::vector<String>{STR("select *"), STR("from t")}));
  EXPECT_EQ(GetStrProp(query, STR("DatabaseName")), String());

  TComponent* ado = f.Make("TADODataSet", "Ado1");
  SetStrProp(ado, STR("CommandText"), STR("select 1\nfrom dual"));
  EXPECT_EQ(GetStrProp(ado, STR("commandtext")), STR("select 1\nfrom dual"));
  TComponent* proc = f.Make("TADOStoredProc", "Proc1");
  SetStrProp(proc, STR("ProcedureName"), STR("sp_list"));
  EXPECT_EQ(GetStrProp(proc, STR("ProcedureName")), STR("sp_list"));
  EXPECT_EQ(GetPropInfo(proc, STR("StoredProcName")), nullptr);
  TComponent* zproc = f.Make("TZStoredProc", "Proc2");
  SetStrProp(zproc, STR("StoredProcName"), STR("sp_z"));
  EXPECT_EQ(GetStrProp(zproc, STR("StoredProcName")), STR("sp_z"));

  // Tables: Filtered and Filter where the family has them, on the dataset itself.
  TComponent* table = f.Make("TTable", "Table1");
  SetStrProp(table, STR("TableName"), STR("orders"));
  SetOrdProp(table, STR("Filtered"), 1);
  SetStrProp(table, STR("Filter"), STR("Id > 3"));
  EXPECT_EQ(GetStrProp(table, STR("TableName")), STR("orders"));
  EXPECT_TRUE(static_cast<TDataSet*>(table)->Filtered());
  EXPECT_EQ(static_cast<TDataSet*>(table)->Filter(), STR("Id > 3"));
  TComponent* dbx = f.Make("TSQLTable", "Table2");
  EXPECT_EQ(GetPropInfo(dbx, STR("Filtered")), nullptr);
  EXPECT_EQ(GetPropInfo(dbx, STR("Filter")), nullptr);
  EXPECT_NE(GetPropInfo(dbx, STR("TableName")), nullptr);
  // Every dataset event slot is there to be copied.
  EXPECT_EQ(GetPropInfo(dbx, STR("OnFilterRecord"))->Kind(), TTypeKind::tkMethod);
}

TEST(ForeignClasses, UpdateObjectsAndConnectionsAreTypedReferences) {
  Form f;
  TComponent* query = f.Make("TZQuery", "Query1");
  TComponent* update = f.Make("TZUpdateSQL", "Upd1");
  TStringList modify{STR("update t set a = :a")};
  SetObjectProp(update, STR("ModifySQL"), &modify);
  SetObjectProp(query, STR("UpdateObject"), update);
  TObject* held = GetObjectProp(query, STR("UpdateObject"));
  EXPECT_EQ(held, update);
  EXPECT_EQ(As<TStringList>(GetObjectProp(held, STR("ModifySQL")))->Text(),
            STR("update t set a = :a\n"));
  EXPECT_EQ(As<TStringList>(GetObjectProp(held, STR("DeleteSQL")))->Count(), 0);
  EXPECT_THROW(SetObjectProp(query, STR("UpdateObject"), query), EInvalidCast);
  delete update;
  EXPECT_EQ(GetObjectProp(query, STR("UpdateObject")), nullptr);

  TComponent* ado = f.Make("TADOQuery", "Ado1");
  TComponent* adoConnection = f.Make("TADOConnection", "Conn1");
  TComponent* zConnection = f.Make("TZConnection", "Conn2");
  SetObjectProp(ado, STR("Connection"), adoConnection);
  EXPECT_THROW(SetObjectProp(ado, STR("Connection"), zConnection), EInvalidCast);
  SetObjectProp(query, STR("Connection"), zConnection);
  SetOrdProp(zConnection, STR("Port"), 3306);
  EXPECT_EQ(GetOrdProp(zConnection, STR("Port")), 3306);
  // Two references to one connection: clearing one keeps the other told of its removal.
  SetObjectProp(query, STR("Connection"), nullptr);
  delete adoConnection;
  EXPECT_EQ(GetObjectProp(ado, STR("Connection")), nullptr);
}

TEST(ForeignClasses, MasterLinksAndPersistentFieldsWorkAsOnAnyDataset) {
  Form f;
  auto* master = static_cast<TDataSet*>(f.Make("TADOTable", "Master"));
  auto* detail = static_cast<TDataSet*>(f.Make("TADOTable", "Detail"));
  auto* source = new TDataSource(&f.root);
  source->SetDataSet(master);
  SetObjectProp(detail, STR("MasterSource"), source);
  EXPECT_EQ(detail->DataSource(), source);
  EXPECT_TRUE(master->IsLinkedTo(source));
  EXPECT_THROW(SetObjectProp(master, STR("MasterSource"), source), EDatabaseError);

  auto* field = new TStringField(&f.root);
  field->SetFieldName(STR("Name"));
  field->SetParentComponent(detail);
  auto* target = new TMemDataSet(&f.root);
  while (detail->FieldCount() > 0) detail->Fields()[0]->SetDataSet(target);
  EXPECT_EQ(field->DataSet(), target);
  EXPECT_EQ(field->Owner(), &f.root);
}

}  // namespace
