// Dialog scripts as a user writes them: every action reaches the dialog through its events, the
// lines flow from one dialog to the next, and a line that does not fit names itself.
#include <gtest/gtest.h>

#include "ScriptedDriver.h"
#include "TestDialog.h"
#include "forms/DialogScript.h"

namespace {

using Log = std::vector<String>;

class DialogScriptTest : public ::testing::Test {
 protected:
  void SetUp() override {
    RegisterFormsClasses();
    dialog = std::make_unique<TTestDialog>(Application());
  }
  // Shows the dialog under the script; the log without the show and close notifications.
  TModalResult Play(const char* text) {
    driver.ExpectAll(ParseDialogScript(FromUtf8(text)));
    dialog->Log.clear();
    const TModalResult result = dialog->ShowModal();
    std::erase_if(dialog->Log, [](const String& line) {
      return line == STR("show") || line == STR("closequery");
    });
    return result;
  }
  // The message of the script error that the run raises.
  std::string Failure(const char* text) {
    try {
      Play(text);
    } catch (const EScriptError& e) {
      return e.what();
    }
    return "(no failure)";
  }
  TScriptedDriver driver;
  std::unique_ptr<TTestDialog> dialog;
};

TEST_F(DialogScriptTest, EachActionReachesTheControlsEvents) {
  const TModalResult result = Play(
      "# options first\n"
      "type NameEdit a\\\\b\n"
      "choose TableCombo items\n"
      "choose TableCombo items\n"
      "  choose KindGroup &Insert\n"
      "tick QuoteBox on\n"
      "tick QuoteBox on\n"
      "select FieldList name\n"
      "select FieldList price\n"
      "select FieldList price\n"
      "unselect FieldList name\n"
      "\n"
      "page Pages SQLPage\n"
      "type SQLMemo one\\ntwo\n"
      "key SQLMemo Ctrl+A\n"
      "key SQLMemo x\n"
      "key SQLMemo F1\n"
      "answer No\n"
      "click OkButton\n"
      "answer Yes\n"
      "click OkButton\r\n");
  EXPECT_EQ(result, mrOk);
  EXPECT_EQ(dialog->NameEdit->Text(), STR("a\\b"));
  EXPECT_EQ(dialog->SQLMemo->Text(), STR("x"));  // Ctrl+A selected "one\ntwo"
  EXPECT_EQ(dialog->KindGroup->ItemIndex(), 1);
  EXPECT_FALSE(dialog->FieldList->Selected(1));
  EXPECT_TRUE(dialog->FieldList->Selected(2));
  EXPECT_EQ(driver.HelpRequests(), std::vector<int>{27220});
  // Choosing the chosen entry again notifies again; ticking a ticked box and selecting a
  // selected entry change nothing.
  const Log expected = {
      STR("name:a"),       STR("name:a\\"),     STR("name:a\\b"),    STR("click:items"),
      STR("change:items"), STR("click:items"),  STR("change:items"), STR("kind:1"),
      STR("quote:on"),     STR("fields:1"),     STR("fields:2"),     STR("fields:1"),
      STR("changing"),     STR("page:SQLPage"), STR("ok:1"),         STR("ok:1")};
  Log seen;
  for (const String& line : dialog->Log) {
    if (line.rfind(STR("enter:"), 0) != 0 && line.rfind(STR("exit:"), 0) != 0) seen.push_back(line);
  }
  EXPECT_EQ(seen, expected);
  ASSERT_EQ(driver.Messages().size(), 2u);
  EXPECT_EQ(driver.Messages()[0].Answer, mrNo);  // the dialog stayed open
  EXPECT_EQ(driver.Messages()[1].Answer, mrYes);
}

TEST_F(DialogScriptTest, KeysGoToTheNamedControl) {
  EXPECT_EQ(Play("key NameEdit Q\nkey NameEdit Tab\nkey NameEdit Escape\n"), mrCancel);
  EXPECT_EQ(dialog->NameEdit->Text(), STR("Q"));
  EXPECT_EQ(Play("key NameEdit Enter"), mrOk);
}

TEST_F(DialogScriptTest, LinesFlowIntoTheNextDialogAndAnOpenOneIsClosedByItsCloseBox) {
  TTestDialog second(nullptr);
  driver.ExpectAll(
      ParseDialogScript(STR("type NameEdit first\nclick OkButton\n"
                            "type NameEdit second\n")));
  EXPECT_EQ(dialog->ShowModal(), mrOk);
  EXPECT_EQ(driver.UnusedLine(), 3);
  EXPECT_EQ(second.ShowModal(), mrCancel);
  EXPECT_EQ(dialog->NameEdit->Text(), STR("first"));
  EXPECT_EQ(second.NameEdit->Text(), STR("second"));
  EXPECT_EQ(driver.PendingSteps(), 0u);
}

TEST_F(DialogScriptTest, ALineThatDoesNotFitTheDialogNamesItsNumberAndReason) {
  EXPECT_EQ(Failure("\n# x\nclick NoSuchButton"),
            "line 3 (Click NoSuchButton): TTestDialog has no control named NoSuchButton");
  EXPECT_EQ(Failure("type SQLMemo x"),
            "line 1 (Replace the text of SQLMemo with 'x'): SQLMemo is not showing");
  dialog->QuoteBox->SetEnabled(false);
  EXPECT_EQ(Failure("tick QuoteBox off"), "line 1 (Untick QuoteBox): QuoteBox is disabled");
  EXPECT_EQ(Failure("choose TableCombo nothing"),
            "line 1 (Choose 'nothing' in TableCombo): TableCombo has no entry 'nothing' "
            "(orders, items)");
  EXPECT_EQ(Failure("choose QuoteBox on"),
            "line 1 (Choose 'on' in QuoteBox): QuoteBox is a TCheckBox and has no entries");
  dialog->FieldList->SetMultiSelect(false);
  EXPECT_EQ(Failure("select FieldList id"),
            "line 1 (Select 'id' in FieldList): FieldList is no multi-select list");
  dialog->FieldList->SetMultiSelect(true);
  EXPECT_EQ(Failure("select FieldList id\nclick OkButton"),
            "line 2 (Click OkButton): nobody answered the message box 'Not saved, exit anyway?'");
  dialog->Dirty = false;
  EXPECT_EQ(Failure("answer Yes\nclick OkButton"), "(no failure)");
  EXPECT_EQ(driver.UnusedLine(), 1);  // no question came
}

TEST_F(DialogScriptTest, AnAnswerThatIsNoButtonOfTheBoxFails) {
  EXPECT_EQ(Failure("select FieldList id\nclick OkButton\nanswer OK"),
            "line 3: the answer OK is no button of the message box 'Not saved, exit anyway?'");
}

TEST_F(DialogScriptTest, MalformedLinesFailBeforeAnythingRuns) {
  const auto parseError = [](const char* text) {
    try {
      ParseDialogScript(FromUtf8(text));
    } catch (const EScriptError& e) {
      return std::string(e.what());
    }
    return std::string("(no failure)");
  };
  EXPECT_EQ(parseError("click A\nclik B"), "line 2: unknown action 'clik'");
  EXPECT_EQ(parseError("click"), "line 1: click needs a control name");
  EXPECT_EQ(parseError("click A B"), "line 1: unexpected 'B' after click");
  EXPECT_EQ(parseError("choose Combo"), "line 1: choose needs an entry");
  EXPECT_EQ(parseError("tick Box yes"), "line 1: tick takes on or off");
  EXPECT_EQ(parseError("key Edit Ctrl+B"),
            "line 1: unknown key 'Ctrl+B' (Enter, Escape, Tab, F1, Ctrl+A or one character)");
  EXPECT_EQ(parseError("type Edit a\\tb"),
            "line 1: a backslash must be followed by n or another backslash");
  EXPECT_EQ(parseError("answer Maybe"), "line 1: answer takes Yes, No, OK or Cancel, not 'Maybe'");
  EXPECT_EQ(parseError("# only a comment\n\n   \n"), "(no failure)");
}

}  // namespace
