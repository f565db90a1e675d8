// The update SQL editor driven as a user drives it: the preselection it makes on opening, the
// buttons of the Options page, hand edits on the SQL page and what OK writes back.
#include "UpdateSQLEditorFixture.h"

using Strings = std::vector<String>;

namespace {

const Strings kModify = {STR("update customers"), STR("set"), STR("  name = :name"), STR("where"),
                         STR("  id = :OLD_id")};

void SetStatement(TmySQLUpdateSQL& update, TMySQLUpdateKind kind, const Strings& lines) {
  TStringList list;
  for (const String& line : lines) list.Add(line);
  update.SetSQL(kind, list);
}

}  // namespace

TEST_F(UpdateSQLEditorTest, AQueryOnOneTablePreselectsAllItsFieldsAndCancelKeepsTheObject) {
  UseQuery(kOneTable);
  SetStatement(*FUpdate, TMySQLUpdateKind::ukInsert, {STR("insert into x")});
  FDriver.Expect(Editor()
                     .Run(Look([](TMySQLUpdateSQLEditForm& d) {
                       EXPECT_EQ(d.Caption(), STR("F1.U1 (F1.Q1)"));
                       EXPECT_EQ(d.UpdateTableName->Text(), STR("customers"));
                       EXPECT_EQ(ItemsOf(*d.KeyFieldList), (Strings{STR("id"), STR("name")}));
                       EXPECT_EQ(SelectedOf(*d.KeyFieldList), ItemsOf(*d.KeyFieldList));
                       EXPECT_EQ(SelectedOf(*d.UpdateFieldList), ItemsOf(*d.KeyFieldList));
                       EXPECT_FALSE(d.DefaultButton->Enabled());
                       EXPECT_TRUE(d.GenerateButton->Enabled());
                       EXPECT_TRUE(d.PrimaryKeyButton->Enabled());
                       EXPECT_EQ(d.PageControl->ActivePage(), d.FieldsPage);
                       EXPECT_EQ(d.ActiveControl(), d.CancelButton);
                     }))
                     .Page(STR("PageControl"), STR("SQLPage"))
                     .Choose(STR("StatementType"), STR("&Insert"))
                     .TypeInto(STR("SQLMemo"), STR("-- "))
                     .Click(STR("CancelButton")));
  EXPECT_FALSE(EditMySQLUpdateSQL(*FUpdate));
  EXPECT_EQ(LinesOf(*FUpdate->InsertSQL()), Strings{STR("insert into x")});
  EXPECT_EQ(FDriver.Cursors(), (std::vector<TCursor>{crHourGlass, crDefault}));
  EXPECT_TRUE(FDriver.Messages().empty());
}

TEST_F(UpdateSQLEditorTest, AJoinOffersTheFirstTableWithTheFieldsTheDatasetDelivers) {
  UseQuery(kJoin);
  FDriver.Expect(
      Editor()
          .Run(Look([](TMySQLUpdateSQLEditForm& d) {
            EXPECT_EQ(LinesOf(*d.UpdateTableName->Items()),
                      (Strings{STR("customers"), STR("orders")}));
            EXPECT_EQ(d.UpdateTableName->Text(), STR("customers"));
            EXPECT_EQ(ItemsOf(*d.UpdateFieldList), (Strings{STR("id"), STR("name"), STR("city")}));
            EXPECT_EQ(SelectedOf(*d.KeyFieldList), (Strings{STR("id"), STR("name")}));
            EXPECT_EQ(SelectedOf(*d.UpdateFieldList), (Strings{STR("id"), STR("name")}));
            EXPECT_TRUE(d.DefaultButton->Enabled());
          }))
          .Choose(STR("UpdateTableName"), STR("orders"))
          .Run(Look([](TMySQLUpdateSQLEditForm& d) {
            EXPECT_EQ(ItemsOf(*d.KeyFieldList),
                      (Strings{STR("id"), STR("customer"), STR("amount")}));
            EXPECT_EQ(SelectedOf(*d.UpdateFieldList), (Strings{STR("id"), STR("amount")}));
          }))
          .Click(STR("DefaultButton"))
          .Run(Look([](TMySQLUpdateSQLEditForm& d) {
            EXPECT_EQ(d.UpdateTableName->Text(), STR("customers"));
            EXPECT_EQ(SelectedOf(*d.KeyFieldList),
                      (Strings{STR("id"), STR("name"), STR("amount")}));
            EXPECT_FALSE(d.DefaultButton->Enabled());
            EXPECT_EQ(d.ActiveControl(), d.KeyFieldList);
          }))
          .Click(STR("CancelButton")));
  EXPECT_FALSE(EditMySQLUpdateSQL(*FUpdate));
  // Each read from the server is framed by the hourglass and ends on the default cursor.
  const std::vector<TCursor>& cursors = FDriver.Cursors();
  ASSERT_EQ(cursors.size(), 6u);
  for (size_t i = 0; i < cursors.size(); ++i)
    EXPECT_EQ(cursors[i], i % 2 ? crDefault : crHourGlass);
}

TEST_F(UpdateSQLEditorTest, AnExistingModifyStatementRestoresTheChoiceAndOkWritesItBackUnchanged) {
  UseQuery(kJoin);
  SetStatement(*FUpdate, TMySQLUpdateKind::ukModify, kModify);
  FDriver.Expect(Editor()
                     .Run(Look([](TMySQLUpdateSQLEditForm& d) {
                       EXPECT_EQ(d.UpdateTableName->Text(), STR("customers"));
                       EXPECT_EQ(SelectedOf(*d.KeyFieldList), Strings{STR("id")});
                       EXPECT_EQ(SelectedOf(*d.UpdateFieldList), Strings{STR("name")});
                     }))
                     .Click(STR("OkButton")));
  EXPECT_TRUE(EditMySQLUpdateSQL(*FUpdate));
  EXPECT_EQ(LinesOf(*FUpdate->ModifySQL()), kModify);
  EXPECT_TRUE(FDriver.Messages().empty());
}

TEST_F(UpdateSQLEditorTest, AQuotedOrForeignModifyStatementFallsBackToSelectingEverything) {
  UseQuery(kOneTable);
  SetStatement(*FUpdate, TMySQLUpdateKind::ukModify,
               {STR("update customers"), STR("set"), STR("  customers.\"name\" = :\"name\""),
                STR("where"), STR("  customers.\"id\" = :\"OLD_id\"")});
  FDriver.Expect(Editor()
                     .Run(Look([](TMySQLUpdateSQLEditForm& d) {
                       EXPECT_EQ(SelectedOf(*d.KeyFieldList), ItemsOf(*d.KeyFieldList));
                       EXPECT_EQ(SelectedOf(*d.UpdateFieldList), ItemsOf(*d.KeyFieldList));
                     }))
                     .Click(STR("CancelButton")));
  EXPECT_FALSE(EditMySQLUpdateSQL(*FUpdate));

  SetStatement(*FUpdate, TMySQLUpdateKind::ukModify,
               {STR("update archive"), STR("set"), STR("  name = :name")});
  FDriver.Expect(Editor()
                     .Run(Look([](TMySQLUpdateSQLEditForm& d) {
                       EXPECT_EQ(LinesOf(*d.UpdateTableName->Items()),
                                 (Strings{STR("customers"), STR("archive")}));
                       EXPECT_EQ(d.UpdateTableName->Text(), STR("customers"));
                       EXPECT_EQ(SelectedOf(*d.UpdateFieldList), (Strings{STR("id"), STR("name")}));
                     }))
                     .Click(STR("CancelButton")));
  EXPECT_FALSE(EditMySQLUpdateSQL(*FUpdate));
}

TEST_F(UpdateSQLEditorTest, PrimaryKeysSelectsTheKeyOfTheTableInTheCombo) {
  UseQuery(kOneTable);
  FDriver.Expect(
      Editor()
          // Right after opening the field lists come from the query, not from the table.
          .Click(STR("PrimaryKeyButton"))
          .Run(Look([](TMySQLUpdateSQLEditForm& d) {
            EXPECT_EQ(SelectedOf(*d.KeyFieldList), Strings{STR("id")});
            EXPECT_EQ(SelectedOf(*d.UpdateFieldList), (Strings{STR("id"), STR("name")}));
          }))
          .Replace(STR("UpdateTableName"), STR("order_lines"))
          .Click(STR("GetTableFieldsButton"))
          .Select(STR("UpdateFieldList"), {STR("qty")})
          .Click(STR("PrimaryKeyButton"))
          .Run(Look([](TMySQLUpdateSQLEditForm& d) {
            EXPECT_EQ(ItemsOf(*d.KeyFieldList),
                      (Strings{STR("order_id"), STR("qty"), STR("line_no")}));
            EXPECT_EQ(SelectedOf(*d.KeyFieldList), (Strings{STR("order_id"), STR("line_no")}));
            EXPECT_EQ(SelectedOf(*d.UpdateFieldList), Strings{STR("qty")});
          }))
          .Click(STR("CancelButton")));
  EXPECT_FALSE(EditMySQLUpdateSQL(*FUpdate));
}

TEST_F(UpdateSQLEditorTest, AFailingIndexReadIsShownAndTheCursorComesBack) {
  UseQuery(kOneTable);
  FDriver.Expect(Editor()
                     .Run([this](TCustomForm&) {
                       FDatabase->Close();
                       FDatabase->SetDatabaseName(STR("gone"));
                     })
                     .Click(STR("PrimaryKeyButton"))
                     .Run(Look([](TMySQLUpdateSQLEditForm& d) {
                       EXPECT_EQ(SelectedOf(*d.KeyFieldList), (Strings{STR("id"), STR("name")}));
                     }))
                     .Click(STR("CancelButton")));
  EXPECT_FALSE(EditMySQLUpdateSQL(*FUpdate));
  ASSERT_EQ(FDriver.Messages().size(), 1u);
  EXPECT_EQ(FDriver.Messages()[0].Type, TMsgDlgType::mtError);
  EXPECT_EQ(FDriver.Cursors().back(), crDefault);
}

TEST_F(UpdateSQLEditorTest, GenerateWritesAllFourAndReplacesHandEdits) {
  UseQuery(kOneTable);
  FDriver.Expect(Editor()
                     .Select(STR("UpdateFieldList"), {STR("name")})
                     .Click(STR("PrimaryKeyButton"))
                     .Click(STR("GenerateButton"))
                     .Run(Look([](TMySQLUpdateSQLEditForm& d) {
                       EXPECT_EQ(d.PageControl->ActivePage(), d.SQLPage);
                       EXPECT_EQ(LinesOf(*d.SQLMemo->Lines()), kModify);
                     }))
                     .TypeInto(STR("SQLMemo"), STR("-- "))
                     .Choose(STR("StatementType"), STR("&Delete"))
                     .Run(Look([](TMySQLUpdateSQLEditForm& d) {
                       EXPECT_EQ(d.SQLMemo->Lines()->Strings(0), STR("delete from customers"));
                     }))
                     .Choose(STR("StatementType"), STR("&Modify"))
                     .Run(Look([](TMySQLUpdateSQLEditForm& d) {
                       EXPECT_EQ(d.SQLMemo->Lines()->Strings(0), STR("-- update customers"));
                     }))
                     .Page(STR("PageControl"), STR("FieldsPage"))
                     .Tick(STR("QuoteFields"), true)
                     .Click(STR("GenerateButton"))
                     .Run(Look([](TMySQLUpdateSQLEditForm& d) {
                       EXPECT_EQ(d.SQLMemo->Lines()->Strings(2),
                                 STR("  customers.\"name\" = :\"name\""));
                     }))
                     .Click(STR("OkButton")));
  EXPECT_TRUE(EditMySQLUpdateSQL(*FUpdate));
  EXPECT_TRUE(FDriver.Messages().empty());
  EXPECT_EQ(FUpdate->ModifySQL()->Strings(4), STR("  customers.\"id\" = :\"OLD_id\""));
  EXPECT_EQ(LinesOf(*FUpdate->InsertSQL()),
            (Strings{STR("insert into customers"), STR("  (customers.\"name\")"), STR("values"),
                     STR("  (:\"name\")")}));
  EXPECT_EQ(FUpdate->DeleteSQL()->Strings(0), STR("delete from customers"));
  EXPECT_EQ(FUpdate->RefreshSQL()->Strings(0), STR("select * from customers"));
}

TEST_F(UpdateSQLEditorTest, AQuotedTableInTheSelectIsQuotedInTheStatements) {
  UseQuery(STR("SELECT * FROM \"order_lines\""));
  FDriver.Expect(Editor()
                     .Click(STR("GetTableFieldsButton"))
                     .Popup(STR("KeyFieldList"), STR("miSelectAll"))
                     .Popup(STR("UpdateFieldList"), STR("miSelectAll"))
                     .Click(STR("GenerateButton"))
                     .Click(STR("OkButton")));
  EXPECT_TRUE(EditMySQLUpdateSQL(*FUpdate));
  EXPECT_EQ(FUpdate->DeleteSQL()->Strings(0), STR("delete from \"order_lines\""));
  // The query's statement is unknown to the server: its field names could not be read.
  ASSERT_EQ(FDriver.Messages().size(), 1u);
  EXPECT_EQ(FDriver.Messages()[0].Text, STR("Unable to determine field names for Q1"));
}

TEST_F(UpdateSQLEditorTest, OkAfterAnUngeneratedChangeAsks) {
  UseQuery(kOneTable);
  FDriver.Expect(Editor()
                     .CtrlClick(STR("KeyFieldList"), STR("name"))
                     .Click(STR("OkButton"))
                     .Run(Look([](TMySQLUpdateSQLEditForm& d) { EXPECT_TRUE(d.Visible()); }))
                     .Click(STR("OkButton")));
  FDriver.Answer(mrNo);
  FDriver.Answer(mrYes);
  EXPECT_TRUE(EditMySQLUpdateSQL(*FUpdate));
  ASSERT_EQ(FDriver.Messages().size(), 2u);
  EXPECT_EQ(FDriver.Messages()[0].Text, STR("Update SQL statements not generated, exit anyway?"));
  EXPECT_EQ(FDriver.Messages()[0].Type, TMsgDlgType::mtConfirmation);
  EXPECT_EQ(FDriver.Messages()[0].Buttons, mbYesNoCancel);
}

TEST_F(UpdateSQLEditorTest, GeneratingWithoutAKeyFieldFailsAndThePopupMarksNoChange) {
  UseQuery(kOneTable);
  FDriver.Expect(Editor()
                     .Popup(STR("KeyFieldList"), STR("miClearAll"))
                     .Click(STR("GenerateButton"))
                     .Run(Look([](TMySQLUpdateSQLEditForm& d) {
                       EXPECT_EQ(d.PageControl->ActivePage(), d.FieldsPage);
                       EXPECT_EQ(SelectedOf(*d.UpdateFieldList), (Strings{STR("id"), STR("name")}));
                       EXPECT_FALSE(d.DefaultButton->Enabled());
                     }))
                     .Click(STR("OkButton")));
  EXPECT_TRUE(EditMySQLUpdateSQL(*FUpdate));
  ASSERT_EQ(FDriver.Messages().size(), 1u);
  EXPECT_EQ(FDriver.Messages()[0].Text,
            STR("Must select at least one key field and one update field"));
  EXPECT_EQ(FUpdate->ModifySQL()->Count(), 0);
}

TEST_F(UpdateSQLEditorTest, WithoutADatasetOnlyATypedTableNameEnablesTheButtons) {
  FDriver.Expect(Editor()
                     .Run(Look([](TMySQLUpdateSQLEditForm& d) {
                       EXPECT_EQ(d.Caption(), STR("F1.U1 (No dataset association)"));
                       EXPECT_FALSE(d.GetTableFieldsButton->Enabled());
                       EXPECT_FALSE(d.PrimaryKeyButton->Enabled());
                       EXPECT_FALSE(d.GenerateButton->Enabled());
                       EXPECT_FALSE(d.DefaultButton->Enabled());
                     }))
                     .Replace(STR("UpdateTableName"), STR("customers"))
                     .Click(STR("GetTableFieldsButton"))
                     .Run(Look([](TMySQLUpdateSQLEditForm& d) {
                       EXPECT_TRUE(d.KeyFieldList->Items()->Count() == 0);
                       EXPECT_FALSE(d.GenerateButton->Enabled());
                     }))
                     .Page(STR("PageControl"), STR("SQLPage"))
                     .Focus(STR("SQLMemo"))
                     .Key(VK_ESCAPE));
  EXPECT_FALSE(EditMySQLUpdateSQL(*FUpdate));
  ASSERT_EQ(FDriver.Messages().size(), 1u);
  EXPECT_EQ(FDriver.Messages()[0].Text, STR("Unable to determine field names for customers"));
  EXPECT_EQ(FDriver.Cursors().back(), crDefault);
}

TEST_F(UpdateSQLEditorTest, HelpAsksForTheDialogsContext) {
  FDriver.Expect(Editor().Click(STR("HelpButton")).Click(STR("CancelButton")));
  EXPECT_FALSE(EditMySQLUpdateSQL(*FUpdate));
  EXPECT_EQ(FDriver.HelpRequests(), std::vector<int>{27220});
}

TEST_F(UpdateSQLEditorTest, ATableComponentOffersItsOwnTableUnquoted) {
  auto* table = new TmySQLTable(&FForm);
  table->SetName(STR("T1"));
  table->SetDatabase(FDatabase);
  table->SetTableName(STR("orders"));
  table->SetUpdateObject(FUpdate);
  FDriver.Expect(Editor()
                     .Run(Look([](TMySQLUpdateSQLEditForm& d) {
                       EXPECT_EQ(d.Caption(), STR("F1.U1 (F1.T1)"));
                       EXPECT_EQ(LinesOf(*d.UpdateTableName->Items()), Strings{STR("orders")});
                       EXPECT_EQ(d.UpdateTableName->Items()->Objects(0), nullptr);
                       EXPECT_EQ(SelectedOf(*d.KeyFieldList),
                                 (Strings{STR("id"), STR("customer"), STR("amount")}));
                     }))
                     .Popup(STR("UpdateFieldList"), STR("miClearAll"))
                     .Popup(STR("UpdateFieldList"), STR("miSelectAll"))
                     .Click(STR("OkButton")));
  EXPECT_TRUE(EditMySQLUpdateSQL(*FUpdate));
  EXPECT_TRUE(FDriver.Messages().empty());
}
