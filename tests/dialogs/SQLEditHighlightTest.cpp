// The SQL editor's highlighting editor: found by class name, read from the dialog's form text
// into its panel and wired by member names; anything that does not fit gives the plain memo.
#include <gtest/gtest.h>

#include "SQLEditCatalog.h"
#include "ScriptedDriver.h"
#include "SynEditStandIns.h"
#include "queryedit/EditSQL.h"

namespace {

class SQLEditHighlightTest : public ::testing::Test {
 protected:
  void SetUp() override {
    RegisterFormsClasses();
    RegisterClass(TSynSQLSyn::StaticClass());
    catalog.Tables = {{STR("orders"), {STR("id")}}};
  }
  void TearDown() override {
    if (editorClass != nullptr) UnRegisterClass(*editorClass);
    UnRegisterClass(TSynSQLSyn::StaticClass());
  }
  void Use(const TClassInfo& cls) {
    editorClass = &cls;
    RegisterClass(cls);
  }
  bool Edit(String& sql, TScript script) {
    driver.Expect(std::move(script));
    return EditSQL(sql, catalog.TableNames(), catalog.FieldNames(), String());
  }
  // Opens the editor on "select 1" and expects the plain memo with that text.
  void ExpectPlainMemo() {
    String sql = STR("select 1");
    EXPECT_TRUE(Edit(sql, TScript()
                              .Run([](TCustomForm& f) {
                                auto* memo = As<TMemo>(f.FindComponent(STR("mmSQL")));
                                ASSERT_NE(memo, nullptr);
                                EXPECT_EQ(memo->Text(), STR("select 1"));
                                EXPECT_TRUE(memo->Focused());
                              })
                              .Choose(STR("TableList"), STR("orders"))
                              .Click(STR("AddTableButton"))
                              .Click(STR("OkButton"))));
    EXPECT_EQ(sql, STR("ordersselect 1"));  // the caret was at the start
    EXPECT_TRUE(driver.Messages().empty());
  }

  TScriptedDriver driver;
  TSQLEditCatalog catalog;
  const TClassInfo* editorClass = nullptr;
};

#if OMBRIX_WIDE_STRINGS

TComponent* Part(TCustomForm& f, const Char* panelPart) {
  return f.FindComponent(STR("SQLMemoPanel"))->FindComponent(panelPart);
}

TEST_F(SQLEditHighlightTest, TheEditorIsBuiltFromItsFormTextInsideThePanel) {
  Use(TSynMemo::StaticClass());
  String sql;
  EXPECT_TRUE(Edit(sql, TScript()
                            .Run([](TCustomForm& f) {
                              EXPECT_EQ(f.FindComponent(STR("mmSQL")), nullptr);
                              auto* memo = As<TSynMemo>(Part(f, STR("SynMemo1")));
                              ASSERT_NE(memo, nullptr);
                              auto* syn = As<TSynSQLSyn>(Part(f, STR("PgSQLHighlighter")));
                              EXPECT_EQ(memo->Highlighter, syn);
                              EXPECT_EQ(memo->Parent(), f.FindComponent(STR("SQLMemoPanel")));
                              EXPECT_EQ(memo->Align(), TAlign::alClient);
                              EXPECT_EQ(memo->Font()->Name(), STR("Courier New"));
                              EXPECT_EQ(memo->Font()->Height(), -13);
                              EXPECT_EQ(memo->Gutter()->Font()->Height(), -11);
                              EXPECT_EQ(memo->Gutter()->DigitCount, 2);
                              EXPECT_TRUE(memo->Gutter()->ShowLineNumbers);
                              EXPECT_EQ(memo->Options, 0x1FF);  // the nine options of the form text
                              EXPECT_TRUE(memo->WantTabs);
                              EXPECT_FALSE(memo->WordWrap);
                              EXPECT_EQ(syn->SQLDialect, THighlightDialect::sqlPostgres);
                              EXPECT_EQ(syn->KeyAttri.Foreground, clNavy);
                              EXPECT_EQ(syn->CommentAttri.Foreground, clSilver);
                              EXPECT_TRUE(memo->Focused());
                              EXPECT_EQ(memo->Lines()->Count(), 0);
                            })
                            .Click(STR("OkButton"))));
}

TEST_F(SQLEditHighlightTest, TextCaretAndMarkerGoThroughTheEditorsMembers) {
  Use(TSynMemo::StaticClass());
  String sql = STR("select 1");
  const auto memo = [](TCustomForm& f) { return As<TSynMemo>(Part(f, STR("SynMemo1"))); };
  EXPECT_TRUE(Edit(sql, TScript()
                            .Run([&](TCustomForm& f) {
                              EXPECT_EQ(memo(f)->Lines()->ToVector(),
                                        std::vector<String>{STR("select 1")});
                              memo(f)->SetSelStart(8);  // a click at the end
                            })
                            .Focus(STR("TableList"))  // the editor's OnExit and the list's OnEnter
                            .Run([&](TCustomForm& f) {
                              // Row 1, column 9, on 17-pixel lines of the editor's font.
                              ASSERT_EQ(memo(f)->Drawings().size(), 2u);
                              EXPECT_EQ(memo(f)->Drawings()[1].X, 40 + 8 * 8);
                              EXPECT_EQ(memo(f)->Drawings()[1].Y, 17);
                            })
                            .Click(STR("AddTableButton"))
                            .Run([&](TCustomForm& f) {
                              EXPECT_EQ(memo(f)->SelStart(), 15);
                              ASSERT_EQ(memo(f)->Drawings().size(), 1u);
                              EXPECT_EQ(memo(f)->Drawings()[0].X, 40 + 15 * 8);
                            })
                            .Focus(STR("SynMemo1"))  // OnEnter: the repaint erases the marker
                            .Run([&](TCustomForm& f) { EXPECT_TRUE(memo(f)->Drawings().empty()); })
                            .Click(STR("OkButton"))));
  EXPECT_EQ(sql, STR("select 1 orders"));
}

TEST_F(SQLEditHighlightTest, AnEditorThatDoesNotFitGivesThePlainMemo) {
  struct TCase {
    const char* What;
    const TClassInfo& Editor;
    bool HighlighterKnown;
  };
  const TCase cases[] = {
      {"highlighter class unknown", TSynMemo::StaticClass(), false},
      {"SynMemo1 not in the panel", TSynMemoElsewhere::StaticClass(), true},
      {"no Lines", TSynMemoWithoutLines::StaticClass(), true},
      {"Lines not a string list", TSynMemoTextLines::StaticClass(), true},
      {"OnExit not an event", TSynMemoNumberExit::StaticClass(), true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.What);
    Use(c.Editor);
    if (!c.HighlighterKnown) UnRegisterClass(TSynSQLSyn::StaticClass());
    ExpectPlainMemo();
    UnRegisterClass(c.Editor);
    RegisterClass(TSynSQLSyn::StaticClass());
  }
}

TEST_F(SQLEditHighlightTest, WhatWasBuiltBeforeAFailureStaysInThePanel) {
  Use(TSynMemoTextLines::StaticClass());
  String sql;
  EXPECT_TRUE(Edit(sql, TScript()
                            .Run([](TCustomForm& f) {
                              auto* left = As<TWinControl>(Part(f, STR("SynMemo1")));
                              ASSERT_NE(left, nullptr);
                              EXPECT_FALSE(left->CanFocus());
                              EXPECT_NE(f.FindComponent(STR("mmSQL")), nullptr);
                            })
                            .Click(STR("OkButton"))));
}

TEST_F(SQLEditHighlightTest, APixelPositionThatIsNoPointIsReported) {
  Use(TSynMemoNumberPixels::StaticClass());
  String sql;
  EXPECT_FALSE(Edit(sql, TScript().Focus(STR("TableList")).Click(STR("CancelButton"))));
  ASSERT_FALSE(driver.Messages().empty());
  EXPECT_EQ(driver.Messages()[0].Text, STR("Invalid class typecast"));
}

#else

TEST_F(SQLEditHighlightTest, EightBitBuildsAlwaysUseThePlainMemo) {
  Use(TSynMemo::StaticClass());
  ExpectPlainMemo();
}

#endif

TEST_F(SQLEditHighlightTest, WithoutTheClassThePlainMemoIsUsed) {
  ExpectPlainMemo();
}

}  // namespace
