// A dialog built from its layout file: controls, properties, references and event bindings
// come from the form text; the handlers are reached through the controls' events.
#include <gtest/gtest.h>

#include <cstdlib>

#include "ScriptedDriver.h"
#include "classes/FormErrors.h"

namespace {

class TLayoutDialog : public TForm {
  OMBRIX_CLASS(TLayoutDialog)
  explicit TLayoutDialog(TComponent* owner) : TForm(owner) {
    LoadLayout();
    FieldList = Field<TListBox>(STR("FieldList"));
    TableCombo = Field<TComboBox>(STR("TableCombo"));
    DoCreate();
  }
  TListBox* FieldList;
  TComboBox* TableCombo;
  std::vector<String> Log;

  void FormCreate(TObject*) {
    TableCombo->Items()->Add(STR("orders"));
    Log.push_back(STR("create"));
  }
  void FormCloseQuery(TObject*, bool& canClose) {
    canClose = ModalResult() != mrOk || FieldList->SelCount() > 0;
  }
  void OkButtonClick(TObject*) { Log.push_back(STR("ok")); }
  void FieldListClick(TObject*) { Log.push_back(STR("fields")); }
  void SelectAllClick(TObject* sender) {
    auto* menu = As<TMenuItem>(sender)->GetParentMenu();
    As<TListBox>(static_cast<TPopupMenu*>(menu)->PopupComponent())->SelectAll();
  }
  void TableComboChange(TObject*) { Log.push_back(STR("change")); }
  void TableComboClick(TObject*) { Log.push_back(STR("click")); }
  void PagesChanging(TObject*, bool& allow) { allow = FieldList->SelCount() == 0; }
  void SQLMemoKeyPress(TObject*, Char& key) {
    if (key == VK_ESCAPE) SetModalResult(mrCancel);
  }
};

const TClassInfo& TLayoutDialog::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TLayoutDialog, TForm>(STR("TLayoutDialog"))
          .Method(STR("FormCreate"), &TLayoutDialog::FormCreate)
          .Method(STR("FormCloseQuery"), &TLayoutDialog::FormCloseQuery)
          .Method(STR("OkButtonClick"), &TLayoutDialog::OkButtonClick)
          .Method(STR("FieldListClick"), &TLayoutDialog::FieldListClick)
          .Method(STR("SelectAllClick"), &TLayoutDialog::SelectAllClick)
          .Method(STR("TableComboChange"), &TLayoutDialog::TableComboChange)
          .Method(STR("TableComboClick"), &TLayoutDialog::TableComboClick)
          .Method(STR("PagesChanging"), &TLayoutDialog::PagesChanging)
          .Method(STR("SQLMemoKeyPress"), &TLayoutDialog::SQLMemoKeyPress)
          .Build();
  return info;
}

class TBrokenDialog : public TForm {
  OMBRIX_CLASS(TBrokenDialog)
  explicit TBrokenDialog(TComponent* owner) : TForm(owner) { LoadLayout(); }
};

const TClassInfo& TBrokenDialog::StaticClass() {
  static const TClassInfo info = TClassBuilder<TBrokenDialog, TForm>(STR("TBrokenDialog")).Build();
  return info;
}

class LayoutDialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    RegisterFormsClasses();
    SetLayoutDirectory(std::filesystem::path(std::getenv("OMBRIX_SOURCE_DIR")) /
                       "tests/data/forms");
  }
  void TearDown() override { SetLayoutDirectory({}); }
};

TEST_F(LayoutDialogTest, TheLayoutBuildsTheControlsWithTheirSettings) {
  TLayoutDialog dialog(nullptr);
  EXPECT_EQ(dialog.Log, (std::vector<String>{STR("create")}));
  EXPECT_EQ(dialog.Caption(), STR("Layout Test"));
  EXPECT_EQ(dialog.ClientWidth(), 420);
  EXPECT_EQ(dialog.BorderStyle(), TFormBorderStyle::bsDialog);
  EXPECT_TRUE(dialog.KeyPreview());
  EXPECT_EQ(dialog.ActiveControl(), dialog.Field<TButton>(STR("CancelButton")));
  auto* label = dialog.Field<TLabel>(STR("Label1"));
  EXPECT_EQ(label->FocusControl(), dialog.TableCombo);
  EXPECT_TRUE(label->Font()->HasStyle(fsBold));
  EXPECT_EQ(label->AccelChar(), 'N');
  EXPECT_EQ(label->Parent(), dialog.Field<TTabSheet>(STR("FieldsPage")));
  EXPECT_EQ(dialog.FieldList->Items()->Count(), 3);
  EXPECT_TRUE(dialog.FieldList->MultiSelect());
  EXPECT_EQ(dialog.FieldList->PopupMenu(), dialog.Field<TPopupMenu>(STR("FieldListPopup")));
  EXPECT_EQ(dialog.Field<TPageControl>(STR("Pages"))->ActivePage()->Name(), STR("FieldsPage"));
  EXPECT_EQ(dialog.Field<TMemo>(STR("SQLMemo"))->Text(), STR("select *\nfrom t"));
  EXPECT_EQ(dialog.Field<TEdit>(STR("Password"))->PasswordChar(), '*');
  auto* group = dialog.Field<TRadioGroup>(STR("StatementType"));
  EXPECT_EQ(group->ItemIndex(), 0);
  EXPECT_EQ(group->Columns(), 2);
  const TBitmap& marker = *dialog.Field<TImage>(STR("Image1"))->Picture()->Bitmap();
  EXPECT_EQ(marker.Width(), 3);
  EXPECT_TRUE(marker.Transparent());
  EXPECT_EQ(marker.TransparentColor(), clOlive);
  // The tab order of the layout, not the order of the objects in it.
  auto* page = dialog.Field<TTabSheet>(STR("FieldsPage"));
  EXPECT_EQ(page->TabList().front(), dialog.FieldList);
  EXPECT_THROW(dialog.Field<TEdit>(STR("FieldList")), EComponentError);
  EXPECT_THROW(dialog.Field<TEdit>(STR("Nothing")), EComponentError);
}

TEST_F(LayoutDialogTest, EventsInTheLayoutReachTheFormsHandlers) {
  TScriptedDriver driver;
  TLayoutDialog dialog(nullptr);
  driver.Expect(
      TScript(STR("TLayoutDialog"))
          .Run([](TCustomForm& f) { EXPECT_EQ(f.ActiveControl()->Name(), STR("CancelButton")); })
          .Click(STR("OkButton"))  // refused: nothing selected
          .Choose(STR("TableCombo"), STR("orders"))
          .Popup(STR("FieldList"), STR("miSelectAll"))
          .Page(STR("Pages"), STR("SQLPage"))  // refused while fields are selected
          .Click(STR("OkButton")));
  EXPECT_EQ(dialog.ShowModal(), mrOk);
  EXPECT_EQ(dialog.Log, (std::vector<String>{STR("create"), STR("ok"), STR("click"), STR("change"),
                                             STR("ok")}));
  EXPECT_EQ(dialog.FieldList->SelCount(), 3);
  driver.Expect(TScript()
                    .Popup(STR("FieldList"), STR("miSelectAll"))
                    .Select(STR("FieldList"), {STR("id")})
                    .CtrlClick(STR("FieldList"), STR("id"))
                    .Page(STR("Pages"), STR("SQLPage"))
                    .Focus(STR("SQLMemo"))
                    .Key(VK_ESCAPE));  // the memo keeps Escape; its handler cancels
  EXPECT_EQ(dialog.ShowModal(), mrCancel);
}

TEST_F(LayoutDialogTest, AccessKeysReachTheControlsAsAltDoes) {
  TScriptedDriver driver;
  TLayoutDialog dialog(nullptr);
  driver.Expect(
      TScript()
          .Alt('n')  // the label "Table &Name:" focuses the combo box
          .Run([](TCustomForm& f) { EXPECT_EQ(f.ActiveControl()->Name(), STR("TableCombo")); })
          .Alt('S')  // "&Select All" is a menu entry, no control: nothing has it
          .Alt('O'));
  EXPECT_THROW(dialog.ShowModal(), EScriptError);
  driver.Expect(TScript().Select(STR("FieldList"), {STR("id")}).Alt('o'));  // "&OK"
  EXPECT_EQ(dialog.ShowModal(), mrOk);
}

TEST_F(LayoutDialogTest, ALayoutThatDoesNotFitNamesTheLine) {
  try {
    TBrokenDialog dialog(nullptr);
    FAIL() << "the unknown class was accepted";
  } catch (const EReadError& error) {
    EXPECT_EQ(error.Line(), 3);
    EXPECT_NE(error.Message().find(STR("TFancyGrid")), String::npos);
  }
}

}  // namespace
