// The modal loop as the scripted driver runs it: results, close queries, dialog keys, key
// preview, failures of handlers and of scripts.
#include <gtest/gtest.h>

#include "ScriptedDriver.h"
#include "TestDialog.h"

namespace {

using Log = std::vector<String>;

class ModalTest : public ::testing::Test {
 protected:
  void SetUp() override {
    RegisterFormsClasses();
    dialog = std::make_unique<TTestDialog>(Application());
  }
  TScriptedDriver driver;
  std::unique_ptr<TTestDialog> dialog;
};

TEST_F(ModalTest, ButtonsCloseWithTheirModalResult) {
  driver.Expect(TScript(STR("TTestDialog")).Click(STR("OkButton")));
  EXPECT_EQ(dialog->ShowModal(), mrOk);
  // The button sets the result before its handler runs; the form is hidden afterwards.
  EXPECT_EQ(dialog->Log, (Log{STR("create"), STR("show"), STR("ok:1"), STR("closequery")}));
  EXPECT_FALSE(dialog->Visible());
  driver.Expect(TScript().Click(STR("CancelButton")));
  EXPECT_EQ(dialog->ShowModal(), mrCancel);
  driver.Expect(TScript().CloseBox());
  EXPECT_EQ(dialog->ShowModal(), mrCancel);
  ASSERT_EQ(driver.Shown().size(), 3u);
  EXPECT_EQ(driver.Shown()[0].ClassName, STR("TTestDialog"));
  EXPECT_EQ(driver.Shown()[2].Result, mrCancel);
}

TEST_F(ModalTest, RefusedCloseQueryKeepsTheDialogOpen) {
  driver.Expect(TScript()
                    .Click(STR("FieldList"))
                    .Click(STR("OkButton"))  // asked: No
                    .Run([](TCustomForm& f) { EXPECT_TRUE(f.Visible()); })
                    .Click(STR("OkButton"))    // asked: Cancel
                    .Click(STR("OkButton")));  // asked: Yes
  driver.Answer(mrNo);
  driver.Answer(mrCancel);
  driver.Answer(mrYes);
  EXPECT_EQ(dialog->ShowModal(), mrOk);
  ASSERT_EQ(driver.Messages().size(), 3u);
  EXPECT_EQ(driver.Messages()[0].Type, TMsgDlgType::mtConfirmation);
  EXPECT_EQ(driver.Messages()[0].Text, STR("Not saved, exit anyway?"));
  EXPECT_EQ(driver.Messages()[0].Buttons, mbYesNoCancel);
  // Cancel never asks.
  driver.Expect(TScript().Click(STR("CancelButton")));
  EXPECT_EQ(dialog->ShowModal(), mrCancel);
  EXPECT_EQ(driver.Messages().size(), 3u);
}

TEST_F(ModalTest, EnterAndEscapeGoToTheDefaultAndCancelButtons) {
  driver.Expect(TScript().Focus(STR("NameEdit")).Key(VK_RETURN));
  EXPECT_EQ(dialog->ShowModal(), mrOk);
  driver.Expect(TScript().Focus(STR("NameEdit")).Key(VK_ESCAPE));
  EXPECT_EQ(dialog->ShowModal(), mrCancel);
  // A disabled default button takes no Enter: the key reaches the edit, the dialog stays open.
  dialog->OkButton->SetEnabled(false);
  driver.Expect(TScript().Focus(STR("NameEdit")).Key(VK_RETURN).Click(STR("CancelButton")));
  EXPECT_EQ(dialog->ShowModal(), mrCancel);
  // Enter on a focused button clicks that button, not the default one.
  dialog->OkButton->SetEnabled(true);
  driver.Expect(TScript().Focus(STR("CancelButton")).Key(VK_RETURN));
  EXPECT_EQ(dialog->ShowModal(), mrCancel);
}

TEST_F(ModalTest, MemoKeepsEscapeAndEnterForItsOwnHandler) {
  driver.Expect(TScript()
                    .Page(STR("Pages"), STR("SQLPage"))
                    .TypeInto(STR("SQLMemo"), STR("select"))
                    .Key(VK_RETURN)
                    .Type(STR("1"))
                    .Key(CTRL_A)
                    .Run([](TCustomForm& f) {
                      auto& d = static_cast<TTestDialog&>(f);
                      EXPECT_EQ(d.SQLMemo->Text(), STR("select\n1"));
                      EXPECT_EQ(d.SQLMemo->SelLength(), 8);
                      EXPECT_TRUE(d.SQLMemo->Modified());
                    })
                    .Key(VK_ESCAPE));
  EXPECT_EQ(dialog->ShowModal(), mrCancel);
  ASSERT_EQ(dialog->SQLMemo->Lines()->Count(), 2);
  EXPECT_EQ(dialog->SQLMemo->Lines()->Strings(1), STR("1"));
}

class TPreviewForm : public TForm {
  OMBRIX_CLASS(TPreviewForm)
  using TForm::TForm;
  void FormKeyPress(TObject*, Char& key) {
    if (key == 'x') key = 0;
    if (key == VK_ESCAPE) SetModalResult(mrCancel);
  }
};

const TClassInfo& TPreviewForm::StaticClass() {
  static const TClassInfo info = TClassBuilder<TPreviewForm, TForm>(STR("TPreviewForm"))
                                     .Method(STR("FormKeyPress"), &TPreviewForm::FormKeyPress)
                                     .Build();
  return info;
}

TEST(KeyPreview, TheFormSeesKeysFirstOnlyWhenAsked) {
  TScriptedDriver driver;
  TPreviewForm form(nullptr);
  auto* edit = new TEdit(&form);
  edit->SetName(STR("Edit1"));
  edit->SetParent(&form);
  form.OnKeyPress = TMethod{&form, STR("FormKeyPress")};
  form.SetKeyPreview(true);
  // No cancel button: Escape reaches the form's handler.
  driver.Expect(TScript().TypeInto(STR("Edit1"), STR("xaxb")).Key(VK_ESCAPE));
  EXPECT_EQ(form.ShowModal(), mrCancel);
  EXPECT_EQ(edit->Text(), STR("ab"));
  form.SetKeyPreview(false);
  driver.Expect(TScript().TypeInto(STR("Edit1"), STR("x")).Key(VK_ESCAPE).CloseBox());
  EXPECT_EQ(form.ShowModal(), mrCancel);
  EXPECT_EQ(edit->Text(), STR("abx"));
}

class TFailingForm : public TForm {
  OMBRIX_CLASS(TFailingForm)
  using TForm::TForm;
  void ButtonClick(TObject*) { throw EDatabaseError(STR("Server went away")); }
  void AbortClick(TObject*) { Abort(); }
};

const TClassInfo& TFailingForm::StaticClass() {
  static const TClassInfo info = TClassBuilder<TFailingForm, TForm>(STR("TFailingForm"))
                                     .Method(STR("ButtonClick"), &TFailingForm::ButtonClick)
                                     .Method(STR("AbortClick"), &TFailingForm::AbortClick)
                                     .Build();
  return info;
}

TEST(ModalFailures, HandlerErrorsAreShownAndTheDialogStaysOpen) {
  TScriptedDriver driver;
  TFailingForm form(nullptr);
  auto* fail = new TButton(&form);
  fail->SetName(STR("Fail"));
  fail->SetParent(&form);
  fail->OnClick = TMethod{&form, STR("ButtonClick")};
  auto* quiet = new TButton(&form);
  quiet->SetName(STR("Quiet"));
  quiet->SetParent(&form);
  quiet->OnClick = TMethod{&form, STR("AbortClick")};
  driver.Expect(TScript().Click(STR("Fail")).Click(STR("Quiet")).CloseBox());
  EXPECT_EQ(form.ShowModal(), mrCancel);
  ASSERT_EQ(driver.Messages().size(), 1u);  // the silent abort shows nothing
  EXPECT_EQ(driver.Messages()[0].Type, TMsgDlgType::mtError);
  EXPECT_EQ(driver.Messages()[0].Text, STR("Server went away"));
}

TEST_F(ModalTest, ScriptsThatDoNotFitTheDialogFail) {
  dialog->OkButton->SetEnabled(false);
  driver.Expect(TScript().Click(STR("OkButton")));
  EXPECT_THROW(dialog->ShowModal(), EScriptError);
  EXPECT_FALSE(dialog->Visible());
  dialog->OkButton->SetEnabled(true);
  // Controls on a page that is not shown cannot be reached.
  driver.Expect(TScript().TypeInto(STR("SQLMemo"), STR("x")));
  EXPECT_THROW(dialog->ShowModal(), EScriptError);
  driver.Expect(TScript().Focus(STR("NameEdit")));
  EXPECT_THROW(dialog->ShowModal(), EScriptError);  // still open after the last step
  driver.Expect(TScript().Click(STR("CancelButton")).Click(STR("OkButton")));
  EXPECT_THROW(dialog->ShowModal(), EScriptError);  // closed before the last step
  driver.Expect(TScript(STR("TConnForm")).Click(STR("OkButton")));
  EXPECT_THROW(dialog->ShowModal(), EScriptError);
  EXPECT_THROW(dialog->ShowModal(), EScriptError);  // no script at all
  // A question that nobody answered is a fault of the test, not an answer.
  EXPECT_THROW(MessageDlg(STR("Sure?"), TMsgDlgType::mtConfirmation, mbYesNo, 0), EScriptError);
  driver.Answer(mrOk);
  EXPECT_THROW(MessageDlg(STR("Sure?"), TMsgDlgType::mtConfirmation, mbYesNo, 0), EScriptError);
  EXPECT_THROW(
      {
        dialog->Show();
        dialog->ShowModal();
      },
      EInvalidOperation);
}

TEST(ModalFailures, WithoutADriverNothingModalCanBeShown) {
  TForm form(nullptr);
  EXPECT_THROW(form.ShowModal(), EInvalidOperation);
  EXPECT_THROW(ShowMessage(STR("hello")), EInvalidOperation);
  EXPECT_NO_THROW(Screen()->SetCursor(crHourGlass));
  Screen()->SetCursor(crDefault);
}

TEST_F(ModalTest, CursorHelpAndShellCallsAreRecorded) {
  driver.Expect(TScript().Click(STR("HelpButton")).Click(STR("CancelButton")));
  dialog->ShowModal();
  EXPECT_EQ(driver.HelpRequests(), (std::vector<int>{27220}));
  Screen()->SetCursor(crHourGlass);
  Screen()->SetCursor(crDefault);
  EXPECT_EQ(driver.Cursors(), (std::vector<TCursor>{crHourGlass, crDefault}));
  EXPECT_GT(
      ShellExecute(STR("open"), STR("https://example.org/"), String(), String(), SW_SHOWNORMAL),
      32);
  ASSERT_EQ(driver.ShellCalls().size(), 1u);
  EXPECT_EQ(driver.ShellCalls()[0].File, STR("https://example.org/"));
  ShowMessage(STR("3 dataset descendants processed successfully"));
  EXPECT_EQ(driver.Messages().back().Type, TMsgDlgType::mtCustom);
  EXPECT_EQ(driver.Messages().back().Answer, mrOk);
}

TEST_F(ModalTest, FocusMovesWithOnExitBeforeOnEnter) {
  driver.Expect(
      TScript()
          .Focus(STR("NameEdit"))
          .Click(STR("FieldList"))
          .Key(VK_TAB)
          .Run([](TCustomForm& f) { EXPECT_EQ(f.ActiveControl()->Name(), STR("TableCombo")); })
          .Click(STR("CancelButton")));
  dialog->ShowModal();
  const Log expected{STR("enter:NameEdit"), STR("exit:NameEdit"), STR("enter:FieldList"),
                     STR("fields:0"), STR("exit:FieldList")};
  Log focus;
  for (const auto& line : dialog->Log) {
    if (line.rfind(STR("enter:"), 0) == 0 || line.rfind(STR("exit:"), 0) == 0 ||
        line.rfind(STR("fields:"), 0) == 0) {
      focus.push_back(line);
    }
  }
  EXPECT_EQ(focus, expected);
  // A hidden form cannot take the focus; a disabled control cannot become active.
  EXPECT_THROW(dialog->NameEdit->SetFocus(), EInvalidOperation);
  dialog->QuoteBox->SetEnabled(false);
  EXPECT_THROW(dialog->SetActiveControl(dialog->QuoteBox), EInvalidOperation);
}

}  // namespace
