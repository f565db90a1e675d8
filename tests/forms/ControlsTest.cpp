// Controls as a user meets them: what raises events and what does not, and how selections
// follow their items.
#include <gtest/gtest.h>

#include "ScriptedDriver.h"
#include "TestDialog.h"

namespace {

using Log = std::vector<String>;

class ControlsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    RegisterFormsClasses();
    dialog = std::make_unique<TTestDialog>(Application());
    dialog->Log.clear();
  }
  // Runs the steps, then cancels.
  void Play(TScript script) {
    driver.Expect(std::move(script.Click(STR("CancelButton"))));
    dialog->ShowModal();
    std::erase_if(dialog->Log, [](const String& line) {
      return line == STR("show") || line == STR("closequery");
    });
  }
  Log Events(const String& prefix) const {
    Log out;
    for (const auto& line : dialog->Log) {
      if (line.rfind(prefix, 0) == 0) out.push_back(line);
    }
    return out;
  }
  TScriptedDriver driver;
  std::unique_ptr<TTestDialog> dialog;
};

TEST_F(ControlsTest, MultiSelectListClicksAndCodeChanges) {
  Play(TScript()
           .Select(STR("FieldList"), {STR("name"), STR("price")})
           .CtrlClick(STR("FieldList"), STR("name")));
  TListBox& list = *dialog->FieldList;
  EXPECT_EQ(Events(STR("fields:")), (Log{STR("fields:1"), STR("fields:2"), STR("fields:1")}));
  EXPECT_FALSE(list.Selected(1));
  EXPECT_TRUE(list.Selected(2));
  EXPECT_EQ(list.ItemIndex(), 1);  // the last clicked item has the focus rectangle
  dialog->Log.clear();
  list.SetSelected(0, true);
  list.SetItemIndex(0);
  EXPECT_TRUE(dialog->Log.empty());  // code raises no click
  // Selections move with their items.
  list.Items()->Insert(0, STR("created"));
  EXPECT_TRUE(list.Selected(1) && list.Selected(3) && !list.Selected(0));
  list.Items()->Delete(1);
  EXPECT_EQ(list.SelCount(), 1);
  EXPECT_TRUE(list.Selected(2));
  list.Clear();
  EXPECT_EQ(list.SelCount(), 0);
  EXPECT_EQ(list.ItemIndex(), -1);
  EXPECT_THROW(list.Selected(0), EListError);
}

TEST(ListBox, SingleSelectionFollowsItemIndex) {
  TListBox list(nullptr);
  list.Items()->Add(STR("b"));
  list.Items()->Add(STR("a"));
  EXPECT_EQ(list.SelCount(), -1);
  EXPECT_EQ(list.ItemIndex(), -1);
  list.SetSelected(1, true);
  EXPECT_EQ(list.ItemIndex(), 1);
  list.SetItemIndex(0);
  EXPECT_FALSE(list.Selected(1));
  list.SetSorted(true);
  EXPECT_EQ(list.Items()->Strings(0), STR("a"));
  // Inside BeginUpdate the list has not heard of new items yet; selecting must still work.
  list.Items()->BeginUpdate();
  list.Items()->Add(STR("c"));
  list.SetItemIndex(2);
  list.Items()->EndUpdate();
  EXPECT_EQ(list.ItemIndex(), 2);
  EXPECT_TRUE(list.Selected(2));
}

TEST_F(ControlsTest, ComboTypedTextRaisesChangeAndAChosenEntryClickThenChange) {
  Play(TScript()
           .TypeInto(STR("TableCombo"), STR("or"))
           .Choose(STR("TableCombo"), STR("items"))
           .Replace(STR("TableCombo"), STR("x")));
  EXPECT_EQ(dialog->Log, (Log{STR("change:o"), STR("change:or"), STR("click:items"),
                              STR("change:items"), STR("change:x")}));
  TComboBox& combo = *dialog->TableCombo;
  EXPECT_EQ(combo.ItemIndex(), -1);  // typed text that is no entry selects nothing
  dialog->Log.clear();
  combo.SetItemIndex(0);
  combo.SetText(STR("other"));
  EXPECT_TRUE(dialog->Log.empty());
  combo.Items()->Clear();
  EXPECT_EQ(combo.Text(), String());
  // A drop-down list takes no typing and shows only its entries.
  combo.SetStyle(TComboBoxStyle::csDropDownList);
  combo.Items()->Add(STR("utf8"));
  combo.SetText(STR("latin1"));
  EXPECT_EQ(combo.Text(), String());
  combo.SetText(STR("utf8"));
  EXPECT_EQ(combo.ItemIndex(), 0);
}

TEST_F(ControlsTest, CheckBoxClicksAlsoFromCodeRadioGroupOnlyForUsers) {
  Play(TScript()
           .Tick(STR("QuoteBox"), true)
           .Tick(STR("QuoteBox"), true)
           .Choose(STR("KindGroup"), STR("&Insert"))
           .ChooseIndex(STR("KindGroup"), 1));
  EXPECT_EQ(dialog->Log, (Log{STR("quote:on"), STR("kind:1")}));
  dialog->Log.clear();
  dialog->QuoteBox->SetChecked(false);
  dialog->KindGroup->SetItemIndex(0);
  dialog->KindGroup->SetItemIndex(7);  // cut to the last item
  EXPECT_EQ(dialog->KindGroup->ItemIndex(), 1);
  EXPECT_EQ(dialog->Log, (Log{STR("quote:off")}));
}

TEST_F(ControlsTest, PageChangingCanRefuse) {
  dialog->LockPages = true;
  Play(TScript().Page(STR("Pages"), STR("SQLPage")).Run([](TCustomForm& f) {
    auto& d = static_cast<TTestDialog&>(f);
    EXPECT_EQ(d.Pages->ActivePage(), d.OptionsPage);
    EXPECT_FALSE(d.SQLMemo->Showing());
    d.LockPages = false;
    d.Pages->SelectNextPage(true);
  }));
  EXPECT_EQ(dialog->Log, (Log{STR("changing"), STR("changing"), STR("page:SQLPage")}));
  dialog->Log.clear();
  dialog->Pages->SetActivePage(dialog->OptionsPage);
  EXPECT_TRUE(dialog->Log.empty());
  dialog->SQLPage->SetTabVisible(false);
  dialog->Pages->SelectNextPage(true);
  EXPECT_EQ(dialog->Pages->ActivePage(), dialog->OptionsPage);  // the only visible tab
  driver.Expect(TScript().Page(STR("Pages"), STR("SQLPage")));
  EXPECT_THROW(dialog->ShowModal(), EScriptError);
}

TEST_F(ControlsTest, PopupMenuActsOnTheControlItWasOpenedOn) {
  Play(TScript().Popup(STR("FieldList"), STR("miSelectAll")).Run([](TCustomForm& f) {
    auto& d = static_cast<TTestDialog&>(f);
    EXPECT_EQ(d.FieldPopup->PopupComponent(), d.FieldList);
    EXPECT_EQ(d.FieldList->SelCount(), 3);
  }));
  EXPECT_TRUE(Events(STR("fields:")).empty());  // the menu is no click in the list
  dialog->miClearAll->SetEnabled(false);
  driver.Expect(TScript().Popup(STR("FieldList"), STR("miClearAll")));
  EXPECT_THROW(dialog->ShowModal(), EScriptError);
  driver.Expect(TScript().Popup(STR("NameEdit"), STR("miSelectAll")));
  EXPECT_THROW(dialog->ShowModal(), EScriptError);
}

TEST(Edit, TypingSelectionAndPasswordDisplay) {
  TEdit edit(nullptr);
  edit.SetText(STR("abcdef"));
  edit.SetSelStart(2);
  edit.SetSelLength(2);
  EXPECT_EQ(edit.SelText(), STR("cd"));
  edit.DefaultKeyPress('X');
  EXPECT_EQ(edit.Text(), STR("abXef"));
  EXPECT_EQ(edit.SelStart(), 3);
  edit.DefaultKeyPress(VK_BACK);
  edit.DefaultKeyPress(CTRL_A);  // no character and no select-all of its own
  EXPECT_EQ(edit.Text(), STR("abef"));
  EXPECT_EQ(edit.SelLength(), 0);
  edit.SetSelStart(100);
  EXPECT_EQ(edit.SelStart(), 4);
  edit.SetPasswordChar('*');
  EXPECT_EQ(edit.DisplayText(), STR("****"));
  EXPECT_EQ(edit.Text(), STR("abef"));
}

TEST(Memo, LinesTextAndCaretStayInStep) {
  TMemo memo(nullptr);
  memo.Lines()->Add(STR("SELECT *"));
  memo.Lines()->Add(STR("FROM t"));
  EXPECT_EQ(memo.Text(), STR("SELECT *\nFROM t"));
  memo.SetSelStart(11);
  EXPECT_EQ(memo.CaretPos().Y, 1);
  EXPECT_EQ(memo.CaretPos().X, 2);
  memo.SetText(STR("a\n\nb\n"));
  EXPECT_EQ(memo.Lines()->Count(), 4);  // n breaks, n + 1 lines
  EXPECT_EQ(memo.Text(), STR("a\n\nb\n"));
  memo.SetText(String());
  EXPECT_EQ(memo.Lines()->Count(), 0);
  memo.Lines()->SetText(STR("x\ny\n"));
  EXPECT_EQ(memo.Text(), STR("x\ny"));
  EXPECT_FALSE(memo.Modified());
}

}  // namespace
