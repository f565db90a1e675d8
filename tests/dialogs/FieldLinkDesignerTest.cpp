// The field link designer driven as a user would: index mode through the table's MasterFields
// editor, free mode through an editor without indexes, both over an in-memory "shop".
#include <gtest/gtest.h>

#include "ErrorMessage.h"
#include "ScriptedDriver.h"
#include "comp/TableFieldLinkProperty.h"
#include "db/DataSource.h"
#include "designide/FormDesigner.h"
#include "fldlinks/LinkFields.h"
#include "library/LibraryClasses.h"
#include "library/MySQLTable.h"
#include "library/SessionFactory.h"
#include "library/memory/MemorySession.h"

namespace {

using Names = std::vector<String>;

// Free mode: every detail field may be joined, the detail side goes to IndexFieldNames.
class TFreeLinkProperty : public TmySQLFieldLinkProperty {
  OMBRIX_CLASS(TFreeLinkProperty)
  using TmySQLFieldLinkProperty::TmySQLFieldLinkProperty;
  String GetIndexFieldNames() override { return Table()->IndexFieldNames(); }
  void SetIndexFieldNames(const String& value) override { Table()->SetIndexFieldNames(value); }
  String GetMasterFields() override { return Table()->MasterFields(); }
  void SetMasterFields(const String& value) override { Table()->SetMasterFields(value); }

 private:
  TmySQLTable* Table() { return As<TmySQLTable>(DataSet()); }
};

const TClassInfo& TFreeLinkProperty::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TFreeLinkProperty, TmySQLFieldLinkProperty>(STR("TFreeLinkProperty")).Build();
  return info;
}

Names ItemsOf(const TStringList& items) {
  return items.ToVector();
}

Names ItemsOf(TCustomForm& f, const Char* list) {
  return ItemsOf(*f.Field<TListBox>(list)->Items());
}

bool Enabled(TCustomForm& f, const Char* control) {
  return f.Field<TControl>(control)->Enabled();
}

TScript Designer() {
  return TScript(STR("TLinkFields"));
}

TScript& Join(TScript& script, const Char* detail, const Char* master) {
  return script.Choose(STR("DetailList"), detail)
      .Choose(STR("MasterList"), master)
      .Click(STR("AddButton"));
}

class FieldLinkDesignerTest : public ::testing::Test {
 protected:
  FieldLinkDesignerTest() {
    RegisterFormsClasses();
    RegisterLibraryClasses();
    TMemoryDatabase& shop = FCatalog.Database(STR("shop"));
    shop.AddTable(STR("customers"), {{STR("id"), TFieldType::ftInteger, 0, true},
                                     {STR("name"), TFieldType::ftString, 30}})
        .Indexes = {{.Name = String(), .Fields = {STR("id")}, .Primary = true, .Unique = true}};
    shop.AddTable(STR("orders"), {{STR("id"), TFieldType::ftInteger, 0, true},
                                  {STR("cust_id"), TFieldType::ftInteger},
                                  {STR("odate"), TFieldType::ftDate}})
        .Indexes = {
        {.Name = String(), .Fields = {STR("id")}, .Primary = true, .Unique = true},
        {.Name = STR("by_cust_date"), .Fields = {STR("cust_id"), STR("odate")}},
        {.Name = STR("by_year"), .Expression = STR("year(odate)"), .IsExpression = true},
        {.Name = STR("newest"),
         .Fields = {STR("odate")},
         .DescendingFields = {STR("odate")},
         .Descending = true},
    };
    FForm.SetName(STR("F1"));
    auto* database = new TmySQLDatabase(&FForm);
    database->SetDatabaseName(STR("shop"));
    FCustomers = new TmySQLTable(&FForm);
    FCustomers->SetName(STR("Customers"));
    FCustomers->SetDatabase(database);
    FCustomers->SetTableName(STR("customers"));
    FSource = new TDataSource(&FForm);
    FSource->SetName(STR("CustomersSource"));
    FSource->SetDataSet(FCustomers);
    FOrders = new TmySQLTable(&FForm);
    FOrders->SetName(STR("Orders"));
    FOrders->SetDatabase(database);
    FOrders->SetTableName(STR("orders"));
    FOrders->SetMasterSource(FSource);
  }

  // The table's MasterFields editor, as the object inspector runs it; true on OK.
  bool RunTableEditor() {
    TmySQLTableFieldLinkProperty editor;
    editor.Initialize(&FDesigner, {FOrders}, *GetPropInfo(FOrders, STR("MasterFields")));
    editor.Edit();
    return editor.Changed();
  }
  bool EditTable(TScript script) {
    FDriver.Expect(std::move(script));
    return RunTableEditor();
  }

  bool RunFreeEditor() {
    TFreeLinkProperty editor(FOrders);
    return EditMasterFields(FOrders, &editor);
  }
  bool EditFree(TScript script) {
    FDriver.Expect(std::move(script));
    return RunFreeEditor();
  }

  // IndexName, IndexFieldNames and MasterFields of the detail table.
  Names Link() const {
    return {FOrders->IndexName(), FOrders->IndexFieldNames(), FOrders->MasterFields()};
  }

  TMemoryCatalog FCatalog;
  TScopedSessionFactory FFactory{[this] { return std::make_unique<TMemorySession>(FCatalog); }};
  TComponent FForm{nullptr};
  TmySQLTable* FCustomers;
  TDataSource* FSource;
  TmySQLTable* FOrders;
  TFormDesigner FDesigner{&FForm};
  TScriptedDriver FDriver;
};

TEST_F(FieldLinkDesignerTest, FreeModeOffersEveryFieldAndAcceptsAnyJoins) {
  TScript script = Designer();
  script.Run([](TCustomForm& f) {
    EXPECT_EQ(f.Caption(), STR("Field Link Designer"));
    EXPECT_FALSE(f.Field<TControl>(STR("IndexList"))->Visible());
    EXPECT_FALSE(f.Field<TControl>(STR("IndexLabel"))->Visible());
    EXPECT_EQ(ItemsOf(f, STR("DetailList")), (Names{STR("id"), STR("cust_id"), STR("odate")}));
    EXPECT_EQ(ItemsOf(f, STR("MasterList")), (Names{STR("id"), STR("name")}));
    EXPECT_FALSE(Enabled(f, STR("AddButton")));
  });
  Join(script, STR("cust_id"), STR("id")).Click(STR("Button1"));
  EXPECT_TRUE(EditFree(std::move(script)));
  EXPECT_EQ(Link(), (Names{String(), STR("cust_id"), STR("id")}));

  // No joins at all is a valid answer too, and empties the link.
  EXPECT_TRUE(EditFree(std::move(Designer().Click(STR("ClearButton")).Click(STR("Button1")))));
  EXPECT_EQ(Link(), (Names{String(), String(), String()}));
  EXPECT_TRUE(FDriver.Messages().empty());
}

TEST_F(FieldLinkDesignerTest, JoinsStayInDetailOrderAndNamesGoBackInInitialOrder) {
  TScript script = Designer();
  Join(script, STR("odate"), STR("name"));
  Join(script, STR("id"), STR("id"));
  script
      .Run([](TCustomForm& f) {
        EXPECT_EQ(ItemsOf(f, STR("BindList")), (Names{STR("id -> id"), STR("odate -> name")}));
        EXPECT_EQ(ItemsOf(f, STR("DetailList")), (Names{STR("cust_id")}));
        EXPECT_TRUE(ItemsOf(f, STR("MasterList")).empty());
        EXPECT_FALSE(Enabled(f, STR("DeleteButton")));
        EXPECT_TRUE(Enabled(f, STR("ClearButton")));
      })
      .Choose(STR("BindList"), STR("odate -> name"))
      .CtrlClick(STR("BindList"), STR("id -> id"))
      .Click(STR("DeleteButton"))
      .Run([](TCustomForm& f) {
        EXPECT_TRUE(ItemsOf(f, STR("BindList")).empty());
        EXPECT_EQ(ItemsOf(f, STR("DetailList")), (Names{STR("id"), STR("cust_id"), STR("odate")}));
        EXPECT_EQ(ItemsOf(f, STR("MasterList")), (Names{STR("id"), STR("name")}));
        EXPECT_FALSE(Enabled(f, STR("DeleteButton")));
        EXPECT_FALSE(Enabled(f, STR("ClearButton")));
        EXPECT_FALSE(Enabled(f, STR("AddButton")));
      });
  Join(script, STR("odate"), STR("id"));
  Join(script, STR("cust_id"), STR("name"));
  // Deleting one of two keeps the other selected and the buttons on.
  script.Choose(STR("BindList"), STR("cust_id -> name"))
      .Click(STR("DeleteButton"))
      .Run([](TCustomForm& f) {
        EXPECT_EQ(ItemsOf(f, STR("BindList")), (Names{STR("odate -> id")}));
        EXPECT_TRUE(f.Field<TListBox>(STR("BindList"))->Selected(0));
        EXPECT_TRUE(Enabled(f, STR("DeleteButton")));
        EXPECT_EQ(ItemsOf(f, STR("DetailList")), (Names{STR("id"), STR("cust_id")}));
        EXPECT_EQ(ItemsOf(f, STR("MasterList")), (Names{STR("name")}));
      })
      .Click(STR("Button1"));
  EXPECT_TRUE(EditFree(std::move(script)));
  EXPECT_EQ(Link(), (Names{String(), STR("odate"), STR("id")}));
}

TEST_F(FieldLinkDesignerTest, TheLinkInForceIsJoinedAsFarAsItsNamesStillExist) {
  // "gone" is no master field, " odate" (with its blank) no detail field; the longer side's
  // rest pairs with nothing.
  FOrders->SetIndexFieldNames(STR("cust_id;id; odate;odate"));
  FOrders->SetMasterFields(STR("id;gone;name"));
  TScript script = Designer();
  script.Run([](TCustomForm& f) {
    EXPECT_EQ(ItemsOf(f, STR("BindList")), (Names{STR("cust_id -> id")}));
    EXPECT_EQ(ItemsOf(f, STR("DetailList")), (Names{STR("id"), STR("odate")}));
    EXPECT_EQ(ItemsOf(f, STR("MasterList")), (Names{STR("name")}));
    EXPECT_TRUE(Enabled(f, STR("ClearButton")));
  });
  script.Click(STR("ClearButton")).Run([](TCustomForm& f) {
    EXPECT_EQ(ItemsOf(f, STR("DetailList")), (Names{STR("id"), STR("cust_id"), STR("odate")}));
    EXPECT_EQ(ItemsOf(f, STR("MasterList")), (Names{STR("id"), STR("name")}));
  });
  // Cancel writes nothing.
  const Names before = Link();
  EXPECT_FALSE(EditFree(std::move(script.Click(STR("Button2")))));
  EXPECT_EQ(Link(), before);
}

TEST_F(FieldLinkDesignerTest, APrefixOfTheIndexIsWrittenAsIndexFieldNamesAndReopensOnIt) {
  TScript script = Designer();
  script.Run([](TCustomForm& f) {
    EXPECT_EQ(ItemsOf(*f.Field<TComboBox>(STR("IndexList"))->Items()),
              (Names{STR("Primary"), STR("by_cust_date"), STR("by_year"), STR("newest")}));
    EXPECT_EQ(f.Field<TComboBox>(STR("IndexList"))->Text(), STR("Primary"));
    EXPECT_EQ(ItemsOf(f, STR("DetailList")), (Names{STR("id")}));
  });
  script.Choose(STR("IndexList"), STR("by_cust_date")).Run([](TCustomForm& f) {
    EXPECT_EQ(ItemsOf(f, STR("DetailList")), (Names{STR("cust_id"), STR("odate")}));
  });
  Join(script, STR("cust_id"), STR("id")).Click(STR("Button1"));
  EXPECT_TRUE(EditTable(std::move(script)));
  EXPECT_EQ(Link(), (Names{String(), STR("cust_id"), STR("id")}));
  EXPECT_EQ(FDesigner.ModifiedCount(), 1);

  TScript reopen = Designer();
  reopen
      .Run([](TCustomForm& f) {
        EXPECT_EQ(f.Field<TComboBox>(STR("IndexList"))->Text(), STR("by_cust_date"));
        EXPECT_EQ(ItemsOf(f, STR("BindList")), (Names{STR("cust_id -> id")}));
        EXPECT_EQ(ItemsOf(f, STR("DetailList")), (Names{STR("odate")}));
        EXPECT_EQ(ItemsOf(f, STR("MasterList")), (Names{STR("name")}));
      })
      .Click(STR("Button2"));
  EXPECT_FALSE(EditTable(std::move(reopen)));
  EXPECT_EQ(Link(), (Names{String(), STR("cust_id"), STR("id")}));
  EXPECT_EQ(FDesigner.ModifiedCount(), 1);
}

TEST_F(FieldLinkDesignerTest, JoiningTheWholeIndexWritesItsNameAndDropsIndexFieldNames) {
  FOrders->SetIndexFieldNames(STR("cust_id"));
  FOrders->SetMasterFields(STR("id"));
  TScript script = Designer();
  script.Run([](TCustomForm& f) {
    EXPECT_EQ(f.Field<TComboBox>(STR("IndexList"))->Text(), STR("by_cust_date"));
    EXPECT_EQ(ItemsOf(f, STR("BindList")), (Names{STR("cust_id -> id")}));
  });
  Join(script, STR("odate"), STR("name")).Click(STR("Button1"));
  EXPECT_TRUE(EditTable(std::move(script)));
  EXPECT_EQ(Link(), (Names{STR("by_cust_date"), String(), STR("id;name")}));
}

TEST_F(FieldLinkDesignerTest, AnOpenDetailTakesALinkThatGrowsOrShrinks) {
  // An open detail reads its rows at each change and refuses more master fields than its
  // index has, so the link must never pass through such a state on its way back.
  FOrders->SetIndexFieldNames(STR("cust_id"));
  FOrders->SetMasterFields(STR("id"));
  FCustomers->Open();
  FOrders->Open();
  TScript grow = Designer();
  Join(grow, STR("odate"), STR("name")).Click(STR("Button1"));
  EXPECT_TRUE(EditTable(std::move(grow)));
  EXPECT_EQ(Link(), (Names{STR("by_cust_date"), String(), STR("id;name")}));

  EXPECT_TRUE(EditTable(std::move(Designer()
                                      .Choose(STR("BindList"), STR("odate -> name"))
                                      .Click(STR("DeleteButton"))
                                      .Click(STR("Button1")))));
  EXPECT_EQ(Link(), (Names{String(), STR("cust_id"), STR("id")}));
  EXPECT_TRUE(FOrders->Active());
  EXPECT_TRUE(FDriver.Messages().empty());
}

TEST_F(FieldLinkDesignerTest, AGapInTheIndexFieldsIsRefusedAndTheDialogStaysOpen) {
  TScript script = Designer();
  script.Choose(STR("IndexList"), STR("by_cust_date"));
  Join(script, STR("odate"), STR("name"))
      .Click(STR("Button1"))
      .Run([this](TCustomForm& f) {
        ASSERT_EQ(FDriver.Messages().size(), 1u);
        EXPECT_EQ(FDriver.Messages()[0].Text,
                  STR("Field 'cust_id', from the Detail Fields list, must be linked"));
        EXPECT_EQ(FDriver.Messages()[0].Type, TMsgDlgType::mtError);
        EXPECT_EQ(FDriver.Messages()[0].Buttons, Buttons({mbOK}));
        const TListBox& details = *f.Field<TListBox>(STR("DetailList"));
        ASSERT_GE(details.ItemIndex(), 0);
        EXPECT_EQ(details.Items()->Strings(details.ItemIndex()), STR("cust_id"));
        EXPECT_EQ(ItemsOf(f, STR("BindList")), (Names{STR("odate -> name")}));
      })
      .Click(STR("Button2"));
  const Names before = Link();
  EXPECT_FALSE(EditTable(std::move(script)));
  EXPECT_EQ(Link(), before);
  EXPECT_EQ(FDesigner.ModifiedCount(), 0);
}

TEST_F(FieldLinkDesignerTest, NoJoinsInIndexModeEmptiesTheLink) {
  FOrders->SetIndexName(STR("by_cust_date"));
  FOrders->SetMasterFields(STR("id"));
  TScript script = Designer();
  script.Run([](TCustomForm& f) {
    EXPECT_EQ(ItemsOf(f, STR("BindList")), (Names{STR("cust_id -> id")}));
  });
  // Choosing the index again, even the same one, drops every join.
  script.Choose(STR("IndexList"), STR("by_cust_date"))
      .Run([](TCustomForm& f) {
        EXPECT_TRUE(ItemsOf(f, STR("BindList")).empty());
        EXPECT_FALSE(Enabled(f, STR("ClearButton")));
      })
      .Click(STR("Button1"));
  EXPECT_TRUE(EditTable(std::move(script)));
  EXPECT_EQ(Link(), (Names{String(), String(), String()}));
}

TEST_F(FieldLinkDesignerTest, TheUnnamedPrimaryIndexIsListedAsPrimaryAndNeverWrittenByThatName) {
  FOrders->SetIndexName(STR("newest"));
  TmySQLTableFieldLinkProperty editor;
  TScript script = Designer();
  script.Run([](TCustomForm& f) {
    EXPECT_EQ(f.Field<TComboBox>(STR("IndexList"))->Text(), STR("newest"));
    EXPECT_EQ(ItemsOf(f, STR("DetailList")), (Names{STR("odate")}));
  });
  script.Choose(STR("IndexList"), STR("Primary")).Run([&editor](TCustomForm& f) {
    EXPECT_EQ(editor.IndexName(), String());
    EXPECT_EQ(ItemsOf(f, STR("DetailList")), (Names{STR("id")}));
  });
  Join(script, STR("id"), STR("id")).Click(STR("Button1"));
  FDriver.Expect(std::move(script));
  editor.Initialize(&FDesigner, {FOrders}, *GetPropInfo(FOrders, STR("MasterFields")));
  editor.Edit();
  // The whole primary key, but without a name to write: as a field list.
  EXPECT_EQ(Link(), (Names{String(), STR("id"), STR("id")}));
}

TEST_F(FieldLinkDesignerTest, AnExpressionIndexOffersItsExpressionAsTheOnlyField) {
  TScript script = Designer();
  script.Choose(STR("IndexList"), STR("by_year")).Run([](TCustomForm& f) {
    EXPECT_EQ(ItemsOf(f, STR("DetailList")), (Names{STR("year(odate)")}));
  });
  Join(script, STR("year(odate)"), STR("id")).Click(STR("Button1"));
  EXPECT_TRUE(EditTable(std::move(script)));
  EXPECT_EQ(Link(), (Names{STR("by_year"), String(), STR("id")}));
}

TEST_F(FieldLinkDesignerTest, ALinkNoIndexCoversOpensNoDialog) {
  FOrders->SetIndexFieldNames(STR("odate;id"));
  EXPECT_EQ(DatabaseErrorMessage([&] { RunTableEditor(); }), "No index for fields 'odate;id'");
  EXPECT_TRUE(FDriver.Shown().empty());
  EXPECT_EQ(FOrders->IndexFieldNames(), STR("odate;id"));
}

TEST_F(FieldLinkDesignerTest, WithoutAMasterDataSetNoDialogOpens) {
  FSource->SetDataSet(nullptr);
  const Names before = Link();
  EXPECT_EQ(DatabaseErrorMessage([&] { RunTableEditor(); }), "Orders: Missing DataSet property");
  FOrders->SetMasterSource(nullptr);
  EXPECT_EQ(DatabaseErrorMessage([&] { RunFreeEditor(); }), "Orders: Missing DataSet property");
  EXPECT_TRUE(FDriver.Shown().empty());
  EXPECT_EQ(Link(), before);
  EXPECT_EQ(FDesigner.ModifiedCount(), 0);
}

TEST_F(FieldLinkDesignerTest, HelpShowsTheDesignersTopic) {
  EXPECT_FALSE(EditFree(std::move(Designer().Click(STR("Help")).Key(VK_ESCAPE))));
  EXPECT_EQ(FDriver.HelpRequests(), (std::vector<int>{27140}));
}

}  // namespace
