#include "updsql/UpdateSQLEditForm.h"

#include "classes/ClassBuilder.h"
#include "library/MySQLQuery.h"
#include "library/MySQLTable.h"
#include "library/MySQLUpdateSQL.h"
#include "rtl/Format.h"
#include "rtl/SysUtils.h"
#include "updsql/SQLParser.h"

const Char* const SSQLDataSetOpen = STR("Unable to determine field names for %s");
const Char* const SNoDataSet = STR("No dataset association");
const Char* const SSQLGenSelect = STR("Must select at least one key field and one update field");
const Char* const SSQLNotGenerated = STR("Update SQL statements not generated, exit anyway?");

namespace {

constexpr int kHelpContext = 27220;

bool ContainsText(const TStringList& list, StringView name) {
  for (int i = 0; i < list.Count(); ++i)
    if (SameText(list.Strings(i), name)) return true;
  return false;
}

void ShowFirstItem(TListBox& listBox) {
  if (listBox.Count() == 0) return;
  listBox.SetItemIndex(0);
  listBox.SetTopIndex(0);
}

}  // namespace

void GetSelectedItems(TListBox& listBox, TStringList& list) {
  list.Clear();
  for (int i = 0; i < listBox.Count(); ++i)
    if (listBox.Selected(i)) list.Add(listBox.Items()->Strings(i));
}

int SetSelectedItems(TListBox& listBox, const TStringList& list) {
  int selected = 0;
  listBox.Items()->BeginUpdate();
  try {
    for (int i = 0; i < listBox.Count(); ++i) {
      const bool found = ContainsText(list, listBox.Items()->Strings(i));
      listBox.SetSelected(i, found);
      if (found) ++selected;
    }
    ShowFirstItem(listBox);
  } catch (...) {
    listBox.Items()->EndUpdate();
    throw;
  }
  listBox.Items()->EndUpdate();
  return selected;
}

void SelectAllItems(TListBox& listBox) {
  listBox.Items()->BeginUpdate();
  try {
    for (int i = 0; i < listBox.Count(); ++i) listBox.SetSelected(i, true);
    ShowFirstItem(listBox);
  } catch (...) {
    listBox.Items()->EndUpdate();
    throw;
  }
  listBox.Items()->EndUpdate();
}

void GetDataFieldNames(TmySQLDataSet& dataSet, const String& name, TStringList& list) {
  try {
    dataSet.FieldDefs()->Update();
    list.BeginUpdate();
    list.Clear();
    for (int i = 0; i < dataSet.FieldDefs()->Count(); ++i)
      list.Add(dataSet.FieldDefs()->Items(i)->Name());
    list.EndUpdate();
  } catch (const Exception&) {
    if (!name.empty())
      MessageDlg(Format(SSQLDataSetOpen, {name}), TMsgDlgType::mtError, Buttons({mbOK}), 0);
  }
}

const TClassInfo& TMySQLUpdateSQLEditForm::StaticClass() {
  using F = TMySQLUpdateSQLEditForm;
  static const TClassInfo info =
      TClassBuilder<F, TForm>(STR("TMySQLUpdateSQLEditForm"))
          .Method(STR("FormCreate"), &F::FormCreate)
          .Method(STR("FormDestroy"), &F::FormDestroy)
          .Method(STR("FormCloseQuery"), &F::FormCloseQuery)
          .Method(STR("HelpButtonClick"), &F::HelpButtonClick)
          .Method(STR("StatementTypeClick"), &F::StatementTypeClick)
          .Method(STR("OkButtonClick"), &F::OkButtonClick)
          .Method(STR("DefaultButtonClick"), &F::DefaultButtonClick)
          .Method(STR("GenerateButtonClick"), &F::GenerateButtonClick)
          .Method(STR("PrimaryKeyButtonClick"), &F::PrimaryKeyButtonClick)
          .Method(STR("GetTableFieldsButtonClick"), &F::GetTableFieldsButtonClick)
          .Method(STR("SettingsChanged"), &F::SettingsChanged)
          .Method(STR("UpdateTableNameChange"), &F::UpdateTableNameChange)
          .Method(STR("UpdateTableNameClick"), &F::UpdateTableNameClick)
          .Method(STR("SelectAllClick"), &F::SelectAllClick)
          .Method(STR("ClearAllClick"), &F::ClearAllClick)
          .Method(STR("SQLMemoKeyPress"), &F::SQLMemoKeyPress)
          .Method(STR("PageControlChanging"), &F::PageControlChanging)
          .Build();
  return info;
}

TMySQLUpdateSQLEditForm::TMySQLUpdateSQLEditForm(TComponent* owner) : TForm(owner) {
  LoadLayout(STR("Mysqlupdsqled"));
  OkButton = Field<TButton>(STR("OkButton"));
  CancelButton = Field<TButton>(STR("CancelButton"));
  HelpButton = Field<TButton>(STR("HelpButton"));
  GenerateButton = Field<TButton>(STR("GenerateButton"));
  PrimaryKeyButton = Field<TButton>(STR("PrimaryKeyButton"));
  DefaultButton = Field<TButton>(STR("DefaultButton"));
  UpdateTableName = Field<TComboBox>(STR("UpdateTableName"));
  FieldsPage = Field<TTabSheet>(STR("FieldsPage"));
  SQLPage = Field<TTabSheet>(STR("SQLPage"));
  PageControl = Field<TPageControl>(STR("PageControl"));
  KeyFieldList = Field<TListBox>(STR("KeyFieldList"));
  UpdateFieldList = Field<TListBox>(STR("UpdateFieldList"));
  GroupBox1 = Field<TGroupBox>(STR("GroupBox1"));
  Label1 = Field<TLabel>(STR("Label1"));
  SQLMemo = Field<TMemo>(STR("SQLMemo"));
  StatementType = Field<TRadioGroup>(STR("StatementType"));
  QuoteFields = Field<TCheckBox>(STR("QuoteFields"));
  GetTableFieldsButton = Field<TButton>(STR("GetTableFieldsButton"));
  FieldListPopup = Field<TPopupMenu>(STR("FieldListPopup"));
  miSelectAll = Field<TMenuItem>(STR("miSelectAll"));
  miClearAll = Field<TMenuItem>(STR("miClearAll"));
  DoCreate();
}

TMySQLUpdateSQLEditForm::~TMySQLUpdateSQLEditForm() {
  DoDestroy();
}

bool TMySQLUpdateSQLEditForm::Edit() {
  String dataSetLabel = SNoDataSet;
  DataSet = UpdateSQL->DataSet();
  if (DataSet) {
    FTempTable->SetDatabase(DataSet->Database());
    const TComponent* owner = DataSet->Owner();
    dataSetLabel = (owner ? owner->Name() : String()) + STR(".") + DataSet->Name();
  }
  const TComponent* owner = UpdateSQL->Owner();
  SetCaption(Format(STR("%s%s%s (%s)"),
                    {owner ? owner->Name() : String(), STR("."), UpdateSQL->Name(), dataSetLabel}));
  // The working copies live only for this run, whatever way it ends.
  struct TCopies {
    std::array<std::unique_ptr<TStringList>, 4>& Lists;
    ~TCopies() {
      for (auto& list : Lists) list.reset();
    }
  } copies{SQLText};
  for (int kind = 0; kind < kUpdateKindCount; ++kind) {
    SQLText[kind] = std::make_unique<TStringList>();
    SQLText[kind]->Assign(UpdateSQL->GetSQLIndex(kind));
  }
  StatementTypeClick(this);
  InitUpdateTableNames();
  ShowWait(&TMySQLUpdateSQLEditForm::InitGenerateOptions);
  PageControl->SetActivePage(FieldsPage);
  if (ShowModal() != mrOk) return false;
  for (int kind = 0; kind < kUpdateKindCount; ++kind)
    UpdateSQL->SetSQL(static_cast<TMySQLUpdateKind>(kind), *SQLText[kind]);
  return true;
}

void TMySQLUpdateSQLEditForm::InitUpdateTableNames() {
  TStringList* items = UpdateTableName->Items();
  items->Clear();
  if (auto* query = dynamic_cast<TmySQLQuery*>(DataSet)) {
    ListSelectTables(query->SQL()->Text(), *items);
  } else if (auto* table = dynamic_cast<TmySQLTable*>(DataSet)) {
    if (!table->TableName().empty()) items->Add(table->TableName());
  }
  if (items->Count() > 0) UpdateTableName->SetItemIndex(0);
}

void TMySQLUpdateSQLEditForm::InitGenerateOptions() {
  if (SQLText[0]->Count() > 0) {
    String tableName;
    ParseUpdateSQL(SQLText[0]->Text(), tableName, nullptr, nullptr);
    const int index = UpdateTableName->Items()->Count() > 0 && !tableName.empty()
                          ? UpdateTableName->Items()->IndexOf(tableName)
                          : -1;
    if (index >= 0) {
      UpdateTableName->SetItemIndex(index);
      InitFromUpdateSQL();
    } else {
      InitFromDataSet();
      UpdateTableName->Items()->Add(tableName);
    }
  } else {
    InitFromDataSet();
  }
  SetButtonStates();
}

void TMySQLUpdateSQLEditForm::InitFromDataSet() {
  if (UpdateTableName->Items()->Count() <= 1) {
    GetDataSetFieldNames();
    FDatasetDefaults = true;
  } else {
    GetTableFieldNames();
  }
  SetDefaultSelections();
}

void TMySQLUpdateSQLEditForm::InitFromUpdateSQL() {
  String tableName;
  TStringList updateFields;
  TStringList whereFields;
  ParseUpdateSQL(SQLText[0]->Text(), tableName, &updateFields, &whereFields);
  GetDataSetFieldNames();
  if (SetSelectedItems(*UpdateFieldList, updateFields) == 0) SelectAllItems(*UpdateFieldList);
  if (SetSelectedItems(*KeyFieldList, whereFields) == 0) SelectAllItems(*KeyFieldList);
}

void TMySQLUpdateSQLEditForm::GetDataSetFieldNames() {
  if (DataSet) GetDataFieldNames(*DataSet, DataSet->Name(), *KeyFieldList->Items());
  UpdateFieldList->Items()->Assign(KeyFieldList->Items());
}

void TMySQLUpdateSQLEditForm::GetTableFieldNames() {
  TmySQLTable* table = TempTable();
  GetDataFieldNames(*table, table->TableName(), *KeyFieldList->Items());
  UpdateFieldList->Items()->Assign(KeyFieldList->Items());
  FDatasetDefaults = false;
}

TmySQLTable* TMySQLUpdateSQLEditForm::TempTable() {
  const String name = UpdateTableName->Text();
  if (FTempTable->TableName() != name) {
    FTempTable->Close();
    FTempTable->SetTableName(name);
  }
  return FTempTable;
}

void TMySQLUpdateSQLEditForm::SetDefaultSelections() {
  if (FDatasetDefaults || !DataSet) {
    SelectAllItems(*KeyFieldList);
    SelectAllItems(*UpdateFieldList);
  } else if (DataSet->FieldDefs()->Count() > 0) {
    TStringList names;
    GetDataFieldNames(*DataSet, String(), names);
    SetSelectedItems(*KeyFieldList, names);
    SetSelectedItems(*UpdateFieldList, names);
  }
}

void TMySQLUpdateSQLEditForm::SelectPrimaryKeyFields() {
  if (KeyFieldList->Count() == 0) return;
  // The table of the combo, not whichever the temporary table last read: right after opening
  // on a one-table query it has read none.
  TIndexDefs* indexDefs = TempTable()->IndexDefs();
  indexDefs->Update();
  KeyFieldList->Items()->BeginUpdate();
  KeyFieldList->ClearSelection();
  for (int i = 0; i < indexDefs->Count(); ++i) {
    const TIndexDef* index = indexDefs->Items(i);
    if (!InSet(index->Options(), TIndexOption::ixPrimary)) continue;
    const String fields = index->Fields() + STR(";");
    size_t start = 0;
    for (size_t end = fields.find(Char(';')); end != String::npos;
         start = end + 1, end = fields.find(Char(';'), start)) {
      const int item = KeyFieldList->Items()->IndexOf(fields.substr(start, end - start));
      if (item >= 0) KeyFieldList->SetSelected(item, true);
    }
    break;
  }
  KeyFieldList->Items()->EndUpdate();
}

void TMySQLUpdateSQLEditForm::SetButtonStates() {
  GetTableFieldsButton->SetEnabled(!UpdateTableName->Text().empty());
  PrimaryKeyButton->SetEnabled(GetTableFieldsButton->Enabled() && KeyFieldList->Count() > 0);
  GenerateButton->SetEnabled(GetTableFieldsButton->Enabled() && KeyFieldList->Count() > 0 &&
                             UpdateFieldList->Count() > 0);
  DefaultButton->SetEnabled(DataSet != nullptr && !FDatasetDefaults);
}

void TMySQLUpdateSQLEditForm::ShowWait(TWaitMethod waitMethod) {
  Screen()->SetCursor(crHourGlass);
  try {
    (this->*waitMethod)();
  } catch (...) {
    Screen()->SetCursor(crDefault);
    throw;
  }
  Screen()->SetCursor(crDefault);
}

String TMySQLUpdateSQLEditForm::QuotedTableName(const String& name) const {
  const int index = UpdateTableName->ItemIndex();
  if (index >= 0 && UpdateTableName->Items()->Objects(index) != nullptr)
    return Format(STR("\"%s\""), {name});
  return name;
}

void TMySQLUpdateSQLEditForm::GenerateSQL() {
  if (KeyFieldList->SelCount() == 0 || UpdateFieldList->SelCount() == 0)
    throw Exception(SSQLGenSelect);
  TStringList keyFields;
  TStringList updateFields;
  GetSelectedItems(*KeyFieldList, keyFields);
  GetSelectedItems(*UpdateFieldList, updateFields);
  const String tableName = QuotedTableName(UpdateTableName->Text());
  const String quoteChar = QuoteFields->Checked() ? STR("\"") : String();
  GenDeleteSQL(tableName, quoteChar, keyFields, *SQLText[2]);
  GenInsertSQL(tableName, quoteChar, updateFields, *SQLText[1]);
  GenModifySQL(tableName, quoteChar, keyFields, updateFields, *SQLText[0]);
  GenRefreshRecordSQL(tableName, quoteChar, keyFields, updateFields, *SQLText[3]);
  SQLMemo->SetModified(false);
  StatementTypeClick(this);
  PageControl->SelectNextPage(true);
}

void TMySQLUpdateSQLEditForm::SaveMemo() {
  if (SQLMemo->Modified()) SQLText[StmtIndex]->Assign(SQLMemo->Lines());
}

void TMySQLUpdateSQLEditForm::FormCreate(TObject*) {
  SetHelpContext(kHelpContext);
  FTempTable = new TmySQLTable(this);
}

void TMySQLUpdateSQLEditForm::FormDestroy(TObject*) {
  delete FTempTable;
  FTempTable = nullptr;
}

void TMySQLUpdateSQLEditForm::FormCloseQuery(TObject*, bool& canClose) {
  if (ModalResult() != mrOk || !FSettingsChanged) return;
  canClose = MessageDlg(SSQLNotGenerated, TMsgDlgType::mtConfirmation, mbYesNoCancel, 0) == mrYes;
}

void TMySQLUpdateSQLEditForm::HelpButtonClick(TObject*) {
  Application()->HelpContext(HelpContext());
}

void TMySQLUpdateSQLEditForm::StatementTypeClick(TObject*) {
  SaveMemo();
  StmtIndex = StatementType->ItemIndex();
  SQLMemo->Lines()->Assign(SQLText[StmtIndex].get());
  SQLMemo->SetModified(false);
}

void TMySQLUpdateSQLEditForm::OkButtonClick(TObject*) {
  SaveMemo();
}

void TMySQLUpdateSQLEditForm::DefaultButtonClick(TObject*) {
  if (UpdateTableName->Items()->Count() > 0) UpdateTableName->SetItemIndex(0);
  ShowWait(&TMySQLUpdateSQLEditForm::GetDataSetFieldNames);
  FDatasetDefaults = true;
  SetDefaultSelections();
  KeyFieldList->SetFocus();
  SetButtonStates();
}

void TMySQLUpdateSQLEditForm::GenerateButtonClick(TObject*) {
  GenerateSQL();
  FSettingsChanged = false;
}

void TMySQLUpdateSQLEditForm::PrimaryKeyButtonClick(TObject* sender) {
  ShowWait(&TMySQLUpdateSQLEditForm::SelectPrimaryKeyFields);
  SettingsChanged(sender);
}

void TMySQLUpdateSQLEditForm::GetTableFieldsButtonClick(TObject* sender) {
  ShowWait(&TMySQLUpdateSQLEditForm::GetTableFieldNames);
  SetDefaultSelections();
  SettingsChanged(sender);
}

void TMySQLUpdateSQLEditForm::SettingsChanged(TObject*) {
  FSettingsChanged = true;
  FDatasetDefaults = false;
  SetButtonStates();
}

void TMySQLUpdateSQLEditForm::UpdateTableNameChange(TObject* sender) {
  SettingsChanged(sender);
}

void TMySQLUpdateSQLEditForm::UpdateTableNameClick(TObject* sender) {
  if (Visible()) GetTableFieldsButtonClick(sender);
}

void TMySQLUpdateSQLEditForm::SelectAllClick(TObject*) {
  if (auto* list = dynamic_cast<TListBox*>(FieldListPopup->PopupComponent())) SelectAllItems(*list);
}

void TMySQLUpdateSQLEditForm::ClearAllClick(TObject*) {
  if (auto* list = dynamic_cast<TListBox*>(FieldListPopup->PopupComponent())) {
    list->Items()->BeginUpdate();
    list->ClearSelection();
    list->Items()->EndUpdate();
  }
}

void TMySQLUpdateSQLEditForm::SQLMemoKeyPress(TObject*, Char& key) {
  if (key == VK_ESCAPE) SetModalResult(mrCancel);
}

void TMySQLUpdateSQLEditForm::PageControlChanging(TObject*, bool& allowChange) {
  allowChange = !(PageControl->ActivePage() == FieldsPage && !SQLPage->Enabled());
}

bool EditMySQLUpdateSQL(TmySQLUpdateSQL& updateSQL) {
  auto form = std::make_unique<TMySQLUpdateSQLEditForm>(Application());
  form->UpdateSQL = &updateSQL;
  return form->Edit();
}
