#include "TestDialog.h"

const TClassInfo& TTestDialog::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TTestDialog, TForm>(STR("TTestDialog"))
          .Method(STR("FormCreate"), &TTestDialog::FormCreate)
          .Method(STR("FormShow"), &TTestDialog::FormShow)
          .Method(STR("FormDestroy"), &TTestDialog::FormDestroy)
          .Method(STR("FormCloseQuery"), &TTestDialog::FormCloseQuery)
          .Method(STR("OkButtonClick"), &TTestDialog::OkButtonClick)
          .Method(STR("HelpButtonClick"), &TTestDialog::HelpButtonClick)
          .Method(STR("NameEditChange"), &TTestDialog::NameEditChange)
          .Method(STR("SQLMemoKeyPress"), &TTestDialog::SQLMemoKeyPress)
          .Method(STR("FieldListClick"), &TTestDialog::FieldListClick)
          .Method(STR("TableComboChange"), &TTestDialog::TableComboChange)
          .Method(STR("TableComboClick"), &TTestDialog::TableComboClick)
          .Method(STR("QuoteBoxClick"), &TTestDialog::QuoteBoxClick)
          .Method(STR("KindGroupClick"), &TTestDialog::KindGroupClick)
          .Method(STR("PagesChanging"), &TTestDialog::PagesChanging)
          .Method(STR("PagesChange"), &TTestDialog::PagesChange)
          .Method(STR("SelectAllClick"), &TTestDialog::SelectAllClick)
          .Method(STR("ClearAllClick"), &TTestDialog::ClearAllClick)
          .Method(STR("ControlEnter"), &TTestDialog::ControlEnter)
          .Method(STR("ControlExit"), &TTestDialog::ControlExit)
          .Build();
  return info;
}

namespace {

template <class T>
T* Make(TTestDialog* form, TWinControl* parent, const Char* name) {
  auto* control = new T(form);
  control->SetName(name);
  control->SetParent(parent);
  return control;
}

}  // namespace

TTestDialog::TTestDialog(TComponent* owner) : TForm(owner) {
  SetName(STR("TestDialog"));
  SetCaption(STR("Test"));
  SetClientWidth(400);
  SetClientHeight(300);
  Pages = Make<TPageControl>(this, this, STR("Pages"));
  Pages->SetBounds(0, 0, 400, 250);
  OptionsPage = new TTabSheet(this);
  OptionsPage->SetName(STR("OptionsPage"));
  OptionsPage->SetPageControl(Pages);
  SQLPage = new TTabSheet(this);
  SQLPage->SetName(STR("SQLPage"));
  SQLPage->SetPageControl(Pages);
  Pages->SetActivePage(OptionsPage);
  Pages->OnChanging = Handler(STR("PagesChanging"));
  Pages->OnChange = Handler(STR("PagesChange"));

  NameEdit = Make<TEdit>(this, OptionsPage, STR("NameEdit"));
  NameEdit->OnChange = Handler(STR("NameEditChange"));
  NameEdit->OnEnter = Handler(STR("ControlEnter"));
  NameEdit->OnExit = Handler(STR("ControlExit"));
  FieldList = Make<TListBox>(this, OptionsPage, STR("FieldList"));
  FieldList->SetMultiSelect(true);
  FieldList->Items()->Add(STR("id"));
  FieldList->Items()->Add(STR("name"));
  FieldList->Items()->Add(STR("price"));
  FieldList->OnClick = Handler(STR("FieldListClick"));
  FieldList->OnEnter = Handler(STR("ControlEnter"));
  FieldList->OnExit = Handler(STR("ControlExit"));
  TableCombo = Make<TComboBox>(this, OptionsPage, STR("TableCombo"));
  TableCombo->Items()->Add(STR("orders"));
  TableCombo->Items()->Add(STR("items"));
  TableCombo->OnChange = Handler(STR("TableComboChange"));
  TableCombo->OnClick = Handler(STR("TableComboClick"));
  QuoteBox = Make<TCheckBox>(this, OptionsPage, STR("QuoteBox"));
  QuoteBox->OnClick = Handler(STR("QuoteBoxClick"));
  KindGroup = Make<TRadioGroup>(this, OptionsPage, STR("KindGroup"));
  KindGroup->Items()->Add(STR("&Modify"));
  KindGroup->Items()->Add(STR("&Insert"));
  KindGroup->OnClick = Handler(STR("KindGroupClick"));
  SQLMemo = Make<TMemo>(this, SQLPage, STR("SQLMemo"));
  SQLMemo->SetAlign(TAlign::alClient);
  SQLMemo->OnKeyPress = Handler(STR("SQLMemoKeyPress"));

  FieldPopup = new TPopupMenu(this);
  FieldPopup->SetName(STR("FieldPopup"));
  miSelectAll = new TMenuItem(this);
  miSelectAll->SetName(STR("miSelectAll"));
  miSelectAll->SetParentComponent(FieldPopup);
  miSelectAll->OnClick = Handler(STR("SelectAllClick"));
  miClearAll = new TMenuItem(this);
  miClearAll->SetName(STR("miClearAll"));
  miClearAll->SetParentComponent(FieldPopup);
  miClearAll->OnClick = Handler(STR("ClearAllClick"));
  FieldList->SetPopupMenu(FieldPopup);

  OkButton = Make<TButton>(this, this, STR("OkButton"));
  OkButton->SetDefault(true);
  OkButton->SetModalResult(mrOk);
  OkButton->OnClick = Handler(STR("OkButtonClick"));
  CancelButton = Make<TButton>(this, this, STR("CancelButton"));
  CancelButton->SetCancel(true);
  CancelButton->SetModalResult(mrCancel);
  HelpButton = Make<TButton>(this, this, STR("HelpButton"));
  HelpButton->OnClick = Handler(STR("HelpButtonClick"));
  SetHelpContext(27220);

  OnCreate = Handler(STR("FormCreate"));
  OnShow = Handler(STR("FormShow"));
  OnDestroy = Handler(STR("FormDestroy"));
  OnCloseQuery = Handler(STR("FormCloseQuery"));
  DoCreate();
}

TTestDialog::~TTestDialog() {
  DoDestroy();
}

void TTestDialog::FormCreate(TObject*) {
  Log.push_back(STR("create"));
}

void TTestDialog::FormShow(TObject*) {
  Log.push_back(STR("show"));
}

void TTestDialog::FormDestroy(TObject*) {
  Log.push_back(STR("destroy"));
}

void TTestDialog::FormCloseQuery(TObject*, bool& canClose) {
  Log.push_back(STR("closequery"));
  if (ModalResult() != mrOk || !Dirty) return;
  canClose = MessageDlg(STR("Not saved, exit anyway?"), TMsgDlgType::mtConfirmation, mbYesNoCancel,
                        0) == mrYes;
}

void TTestDialog::OkButtonClick(TObject*) {
  Log.push_back(STR("ok:") + IntToStr(ModalResult()));
}

void TTestDialog::HelpButtonClick(TObject*) {
  Application()->HelpContext(HelpContext());
}

void TTestDialog::NameEditChange(TObject*) {
  Log.push_back(STR("name:") + NameEdit->Text());
}

void TTestDialog::SQLMemoKeyPress(TObject*, Char& key) {
  if (key == VK_ESCAPE) SetModalResult(mrCancel);
  if (key == CTRL_A) {
    SQLMemo->SelectAll();
    key = 0;
  }
}

void TTestDialog::FieldListClick(TObject*) {
  Log.push_back(STR("fields:") + IntToStr(FieldList->SelCount()));
  Dirty = true;
}

void TTestDialog::TableComboChange(TObject*) {
  Log.push_back(STR("change:") + TableCombo->Text());
}

void TTestDialog::TableComboClick(TObject*) {
  Log.push_back(STR("click:") + TableCombo->Text());
}

void TTestDialog::QuoteBoxClick(TObject*) {
  Log.push_back(QuoteBox->Checked() ? STR("quote:on") : STR("quote:off"));
}

void TTestDialog::KindGroupClick(TObject*) {
  Log.push_back(STR("kind:") + IntToStr(KindGroup->ItemIndex()));
}

void TTestDialog::PagesChanging(TObject*, bool& allowChange) {
  Log.push_back(STR("changing"));
  allowChange = !LockPages;
}

void TTestDialog::PagesChange(TObject*) {
  Log.push_back(STR("page:") + Pages->ActivePage()->Name());
}

void TTestDialog::SelectAllClick(TObject*) {
  if (auto* list = dynamic_cast<TListBox*>(FieldPopup->PopupComponent())) list->SelectAll();
}

void TTestDialog::ClearAllClick(TObject*) {
  if (auto* list = dynamic_cast<TListBox*>(FieldPopup->PopupComponent())) list->ClearSelection();
}

void TTestDialog::ControlEnter(TObject* sender) {
  Log.push_back(STR("enter:") + static_cast<TComponent*>(sender)->Name());
}

void TTestDialog::ControlExit(TObject* sender) {
  Log.push_back(STR("exit:") + static_cast<TComponent*>(sender)->Name());
}
