// The SQL editor with its plain memo, driven as a user drives it: the names offered by the
// callbacks, insertion at the caret, the caret marker, Ctrl+A, the splitters and the entries.
#include <gtest/gtest.h>

#include "SQLEditCatalog.h"
#include "ScriptedDriver.h"
#include "queryedit/EditSQL.h"

namespace {

using Names = std::vector<String>;

TMemo& Memo(TCustomForm& f) {
  return *As<TMemo>(f.FindComponent(STR("mmSQL")));
}

TListBox& List(TCustomForm& f, const Char* name) {
  return *As<TListBox>(f.FindComponent(name));
}

String Selected(TListBox& list) {
  return list.ItemIndex() < 0 ? String() : list.Items()->Strings(list.ItemIndex());
}

class SQLEditDialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    RegisterFormsClasses();
    catalog.Tables = {{STR("orders"), {STR("id"), STR("name")}},
                      {STR("items"), {STR("id"), STR("name")}}};
  }
  // Opens the editor on sql with the catalogue's callbacks and plays the script.
  bool Edit(String& sql, TScript script, const String& startTable = String()) {
    driver.Expect(std::move(script));
    return EditSQL(sql, catalog.TableNames(), catalog.FieldNames(), startTable);
  }
  TScriptedDriver driver;
  TSQLEditCatalog catalog;
};

struct TInsertion {
  const Char* Before;
  std::function<void(TScript&)> Action;
  const Char* After;
};

TEST_F(SQLEditDialogTest, NamesGoInAtTheCaretWithTheirSeparators) {
  const auto addTable = [](const Char* table) {
    return [table](TScript& s) { s.Choose(STR("TableList"), table).Click(STR("AddTableButton")); };
  };
  const auto addFields = [](Names fields) {
    return
        [fields](TScript& s) { s.Select(STR("FieldList"), fields).Click(STR("AddFieldButton")); };
  };
  const std::vector<TInsertion> cases = {
      {STR(""), addTable(STR("orders")), STR("SELECT * FROM orders")},
      {STR(""), addFields({STR("*"), STR("id"), STR("name")}), STR("SELECT *, id, name")},
      {STR(""), addFields({STR("id"), STR("name")}), STR("SELECT id, name")},
      {STR(""), addFields({STR("*")}), STR("SELECT *")},
      {STR("SELECT * FROM orders"), addTable(STR("items")), STR("SELECT * FROM orders items")},
      {STR("SELECT * FROM "), addTable(STR("items")), STR("SELECT * FROM items")},
      {STR("SELECT count("), addFields({STR("*")}), STR("SELECT count(*")},
      {STR("SELECT a,"), addFields({STR("name")}), STR("SELECT a, name")},
      // Only blanks count as text: no "SELECT" is written and the blanks before stay.
      {STR("  "), addTable(STR("items")), STR("  items")},
      {STR("  "), addFields({STR("id")}), STR("  id")},
      // A line break before the caret is no blank.
      {STR("SELECT\n"), addFields({STR("id")}), STR("SELECT\n, id")},
      {STR("SELECT *\n"), addTable(STR("items")), STR("SELECT *\n items")},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(ToUtf8(c.Before));
    TScript script(STR("TSQLEditForm"));
    for (const Char ch : String(c.Before)) {
      if (ch == '\n') {
        script.Focus(STR("mmSQL")).Key(VK_RETURN);
      } else {
        script.TypeInto(STR("mmSQL"), String(1, ch));
      }
    }
    c.Action(script);
    script.Run([&](TCustomForm& f) { EXPECT_EQ(Memo(f).Text(), c.After); });
    String sql;
    EXPECT_TRUE(Edit(sql, script.Click(STR("OkButton"))));
    EXPECT_EQ(sql, TrimRight(c.After));
  }
}

TEST_F(SQLEditDialogTest, InsertionMovesTheCaretAndMarksIt) {
  String sql = STR("x");
  EXPECT_TRUE(Edit(sql, TScript()
                            .Run([](TCustomForm& f) { Memo(f).SetSelStart(0); })  // a click there
                            .Choose(STR("TableList"), STR("orders"))
                            .Click(STR("AddTableButton"))
                            .Run([](TCustomForm& f) {
                              // At offset 0 nothing separates the name from the text after it.
                              EXPECT_EQ(Memo(f).Text(), STR("ordersx"));
                              EXPECT_EQ(Memo(f).SelStart(), 6);
                              // 7-pixel characters, 14-pixel lines: just below the caret.
                              ASSERT_EQ(Memo(f).Drawings().size(), 1u);
                              EXPECT_EQ(Memo(f).Drawings()[0].X, 6 * 7 - 3);
                              EXPECT_EQ(Memo(f).Drawings()[0].Y, 14);
                            })
                            .Click(STR("AddTableButton"))
                            .Click(STR("OkButton"))));
  EXPECT_EQ(sql, STR("orders ordersx"));
}

TEST_F(SQLEditDialogTest, TheMarkerAppearsWhenTheFocusLeavesTheTextAndGoesWhenItReturns) {
  String sql;
  EXPECT_TRUE(Edit(sql, TScript()
                            .Run([](TCustomForm& f) {
                              // The text has the focus when the dialog opens; nothing is marked.
                              EXPECT_TRUE(Memo(f).Focused());
                              EXPECT_TRUE(Memo(f).Drawings().empty());
                            })
                            .TypeInto(STR("mmSQL"), STR("ab"))
                            .Key(VK_RETURN)
                            .Type(STR("cde"))
                            .Run([](TCustomForm& f) { EXPECT_TRUE(Memo(f).Drawings().empty()); })
                            .Focus(STR("FieldList"))
                            .Run([](TCustomForm& f) {
                              // Drawn as the memo is left and again as the list is entered.
                              ASSERT_EQ(Memo(f).Drawings().size(), 2u);
                              const TCanvasDrawing& d = Memo(f).Drawings()[1];
                              EXPECT_EQ(d.X, 3 * 7 - 3);
                              EXPECT_EQ(d.Y, 2 * 14);
                              EXPECT_EQ(d.Width, 10);
                              EXPECT_EQ(d.Height, 6);
                              EXPECT_TRUE(d.Transparent);
                              EXPECT_EQ(d.TransparentColor, clOlive);
                            })
                            .Alt('S')  // the "&SQL:" label leads to the text
                            .Run([](TCustomForm& f) {
                              EXPECT_TRUE(Memo(f).Focused());
                              EXPECT_TRUE(Memo(f).Drawings().empty());
                            })
                            .Click(STR("OkButton"))));
  EXPECT_EQ(sql, STR("ab\ncde"));
}

TEST_F(SQLEditDialogTest, TheStartTableIsSelectedByExactName) {
  String sql;
  EXPECT_TRUE(Edit(sql,
                   TScript()
                       .Run([](TCustomForm& f) {
                         EXPECT_EQ(Selected(List(f, STR("TableList"))), STR("orders"));
                         EXPECT_EQ(List(f, STR("FieldList")).Items()->ToVector(),
                                   (Names{STR("*"), STR("id"), STR("name")}));
                       })
                       .Click(STR("OkButton")),
                   STR("orders")));
  EXPECT_EQ(catalog.Calls, (Names{STR("tables:0"), STR("fields:orders:0")}));

  // Another letter case is another table: the first in sorted order is taken.
  catalog.Calls.clear();
  EXPECT_TRUE(Edit(
      sql,
      TScript()
          .Run([](TCustomForm& f) { EXPECT_EQ(Selected(List(f, STR("TableList"))), STR("items")); })
          .Click(STR("OkButton")),
      STR("Orders")));
  EXPECT_EQ(catalog.Calls, (Names{STR("tables:0"), STR("fields:items:0")}));
}

TEST_F(SQLEditDialogTest, SystemObjectsRefillTheListsAndReturnToTheStartTable) {
  catalog.SystemTables = {STR("help_topic")};
  catalog.Tables[STR("empty")] = {};
  String sql;
  EXPECT_FALSE(
      Edit(sql,
           TScript()
               .Choose(STR("TableList"), STR("empty"))
               .Run([](TCustomForm& f) {
                 // The field list starts with "*" even when the table has no fields.
                 EXPECT_EQ(List(f, STR("FieldList")).Items()->ToVector(), Names{STR("*")});
               })
               .Tick(STR("chbSystemObjects"), true)
               .Run([](TCustomForm& f) {
                 EXPECT_EQ(List(f, STR("TableList")).Items()->ToVector(),
                           (Names{STR("empty"), STR("help_topic"), STR("items"), STR("orders")}));
                 EXPECT_EQ(Selected(List(f, STR("TableList"))), STR("orders"));
               })
               .Click(STR("CancelButton")),
           STR("orders")));
  EXPECT_EQ(catalog.Calls, (Names{STR("tables:0"), STR("fields:orders:0"), STR("fields:empty:0"),
                                  STR("tables:1"), STR("fields:orders:1")}));
}

TEST_F(SQLEditDialogTest, WithoutNamesTheTextIsStillEditable) {
  String sql = STR("old");
  driver.Expect(TScript()
                    .Click(STR("TableList"))
                    .Click(STR("AddTableButton"))
                    .Click(STR("AddFieldButton"))
                    .Run([](TCustomForm& f) {
                      EXPECT_EQ(List(f, STR("TableList")).Count(), 0);
                      EXPECT_EQ(List(f, STR("FieldList")).Count(), 0);
                      EXPECT_EQ(Memo(f).Text(), STR("old"));
                    })
                    .Replace(STR("mmSQL"), STR("select 1 "))
                    .Key(VK_RETURN)
                    .Key(VK_RETURN)
                    .Click(STR("OkButton")));
  EXPECT_TRUE(EditSQL(sql, {}, {}, STR("orders")));
  EXPECT_EQ(sql, STR("select 1"));

  // A click on an empty table list asks for no fields.
  catalog.Tables.clear();
  EXPECT_TRUE(Edit(sql, TScript().Click(STR("TableList")).Click(STR("OkButton"))));
  EXPECT_EQ(catalog.Calls, Names{STR("tables:0")});
  EXPECT_TRUE(driver.Messages().empty());
}

TEST_F(SQLEditDialogTest, FailingCallbacksAreReportedByTheHost) {
  const auto lost = [](auto&&...) { throw EDatabaseError(STR("Lost connection")); };
  String sql = STR("select 1");
  driver.Expect(TScript().Click(STR("OkButton")));
  EXPECT_THROW(EditSQL(sql, lost, catalog.FieldNames(), String()), EDatabaseError);
  EXPECT_EQ(sql, STR("select 1"));

  // Once the dialog is open, the failure ends the handler and the dialog stays.
  driver.Expect(TScript()
                    .Choose(STR("TableList"), STR("orders"))
                    .Run([](TCustomForm& f) { EXPECT_TRUE(f.Visible()); })
                    .Click(STR("OkButton")));
  const TGetFieldNamesProc fields = catalog.FieldNames();
  const auto lostOnOrders = [&](const String& table, TStringList& list, bool system) {
    if (table == STR("orders")) lost();
    fields(table, list, system);
  };
  EXPECT_TRUE(EditSQL(sql, catalog.TableNames(), lostOnOrders, String()));
  ASSERT_EQ(driver.Messages().size(), 1u);
  EXPECT_EQ(driver.Messages()[0].Text, STR("Lost connection"));
}

TEST_F(SQLEditDialogTest, OnlyOkChangesTheStatement) {
  TStringList lines{STR("select *"), STR("from orders"), STR(""), STR("  ")};
  driver.Expect(TScript().TypeInto(STR("mmSQL"), STR("x")).Click(STR("CancelButton")));
  EXPECT_FALSE(EditSQL(lines, catalog.TableNames(), catalog.FieldNames(), String()));
  EXPECT_EQ(lines.Count(), 4);
  driver.Expect(TScript().CloseBox());
  EXPECT_FALSE(EditSQL(lines, catalog.TableNames(), catalog.FieldNames(), String()));

  driver.Expect(TScript()
                    .Run([](TCustomForm& f) {
                      EXPECT_EQ(Memo(f).Text(), STR("select *\nfrom orders\n\n  "));
                    })
                    .Click(STR("OkButton")));
  EXPECT_TRUE(EditSQL(lines, catalog.TableNames(), catalog.FieldNames(), String()));
  EXPECT_EQ(lines.ToVector(), (Names{STR("select *"), STR("from orders")}));
}

TEST_F(SQLEditDialogTest, CtrlASelectsTheWholeTextWithoutTypingIt) {
  String sql = STR("select 1");
  EXPECT_TRUE(Edit(sql, TScript()
                            .Focus(STR("mmSQL"))
                            .Key(CTRL_A)
                            .Run([](TCustomForm& f) {
                              EXPECT_EQ(Memo(f).SelStart(), 0);
                              EXPECT_EQ(Memo(f).SelLength(), 8);
                              EXPECT_EQ(Memo(f).Text(), STR("select 1"));
                            })
                            .Type(STR("x"))
                            .Click(STR("OkButton"))));
  EXPECT_EQ(sql, STR("x"));
}

TEST_F(SQLEditDialogTest, SplittersKeepBothSidesUsable) {
  String sql;
  EXPECT_TRUE(Edit(
      sql, TScript()
               .Run([](TCustomForm& f) {
                 EXPECT_EQ(f.Caption(), STR("SQL Editor"));
                 EXPECT_EQ(f.Constraints()->MinWidth, 300);
                 EXPECT_EQ(f.Constraints()->MinHeight, 200);
                 EXPECT_EQ(f.ClientWidth(), 529);
               })
               .Drag(STR("MetaInfoSQLSplitter"), 100)  // not more than 100
               .Run([](TCustomForm& f) {
                 EXPECT_EQ(As<TControl>(f.FindComponent(STR("MetaInfoPanel")))->Width(), 185);
               })
               .Drag(STR("MetaInfoSQLSplitter"), 250)
               .Run([](TCustomForm& f) {
                 EXPECT_EQ(As<TControl>(f.FindComponent(STR("MetaInfoPanel")))->Width(), 250);
                 EXPECT_EQ(As<TControl>(f.FindComponent(STR("SQLMemoPanel")))->Left(), 253);
                 EXPECT_EQ(As<TControl>(f.FindComponent(STR("SQLLabel")))->Left(), 253);
               })
               .Drag(STR("TableFieldsSplitter"), 44)
               .Drag(STR("TableFieldsSplitter"), 264 - 65)
               .Run([](TCustomForm& f) {
                 EXPECT_EQ(As<TControl>(f.FindComponent(STR("TableListPanel")))->Height(), 129);
               })
               .Drag(STR("TableFieldsSplitter"), 45)
               .Run([](TCustomForm& f) {
                 EXPECT_EQ(As<TControl>(f.FindComponent(STR("TableListPanel")))->Height(), 45);
               })
               .Click(STR("OkButton"))));
}

TEST_F(SQLEditDialogTest, HelpShowsTheEditorsTopic) {
  String sql;
  EXPECT_FALSE(Edit(sql, TScript().Click(STR("HelpButton")).Click(STR("CancelButton"))));
  EXPECT_EQ(driver.HelpRequests(), std::vector<int>{27271});
}

TEST_F(SQLEditDialogTest, TheCaretMarkerIsASmallRedTriangle) {
  String sql;
  EXPECT_TRUE(
      Edit(sql, TScript()
                    .Run([](TCustomForm& f) {
                      const auto* image = As<TImage>(f.FindComponent(STR("Image1")));
                      EXPECT_FALSE(image->Visible());
                      const TBitmap& b = *image->Picture()->Bitmap();
                      ASSERT_EQ(b.Width(), 10);
                      ASSERT_EQ(b.Height(), 6);
                      EXPECT_EQ(b.BitsPerPixel(), 4);
                      EXPECT_TRUE(b.Transparent());
                      EXPECT_EQ(b.TransparentColor(), clOlive);
                      const char* rows[] = {"..........", "....##....", "...#rr#...",
                                            "..#rrrr#..", ".#rrrrrr#.", ".........."};
                      for (int y = 0; y < 6; ++y) {
                        for (int x = 0; x < 10; ++x) {
                          const char p = rows[y][x];
                          const TColor expected = p == '#' ? clBlack : p == 'r' ? clRed : clOlive;
                          EXPECT_EQ(b.Pixel(x, y), expected) << x << "," << y;
                        }
                      }
                    })
                    .Click(STR("OkButton"))));
}

}  // namespace
