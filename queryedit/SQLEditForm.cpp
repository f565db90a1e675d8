#include "queryedit/SQLEditForm.h"

#include <algorithm>

#include "classes/Streams.h"
#include "forms/Points.h"
#include "queryedit/JoinLines.h"
#include "queryedit/SynMemoFormText.h"

namespace {

constexpr int kHelpContext = 27271;

}  // namespace

const TClassInfo& TSQLEditForm::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TSQLEditForm, TForm>(STR("TSQLEditForm"))
          .Method(STR("FormCreate"), &TSQLEditForm::FormCreate)
          .Method(STR("FormShow"), &TSQLEditForm::FormShow)
          .Method(STR("FormDestroy"), &TSQLEditForm::FormDestroy)
          .Method(STR("TableListClick"), &TSQLEditForm::TableListClick)
          .Method(STR("AddTableButtonClick"), &TSQLEditForm::AddTableButtonClick)
          .Method(STR("AddFieldButtonClick"), &TSQLEditForm::AddFieldButtonClick)
          .Method(STR("chbSystemObjectsClick"), &TSQLEditForm::chbSystemObjectsClick)
          .Method(STR("SQLMemoEnter"), &TSQLEditForm::SQLMemoEnter)
          .Method(STR("SQLMemoExit"), &TSQLEditForm::SQLMemoExit)
          .Method(STR("MemoKeyPress"), &TSQLEditForm::MemoKeyPress)
          .Method(STR("TableFieldsSplitterCanResize"), &TSQLEditForm::TableFieldsSplitterCanResize)
          .Method(STR("MetaInfoSQLSplitterCanResize"), &TSQLEditForm::MetaInfoSQLSplitterCanResize)
          .Method(STR("MetaInfoSQLSplitterMoved"), &TSQLEditForm::MetaInfoSQLSplitterMoved)
          .Method(STR("HelpButtonClick"), &TSQLEditForm::HelpButtonClick)
          .Build();
  return info;
}

TSQLEditForm::TSQLEditForm(TComponent* owner) : TForm(owner) {
  LoadLayout(STR("Mysqlqueryedit"));
  MetaInfoPanel = Field<TPanel>(STR("MetaInfoPanel"));
  TableList = Field<TListBox>(STR("TableList"));
  AddTableButton = Field<TButton>(STR("AddTableButton"));
  FieldList = Field<TListBox>(STR("FieldList"));
  AddFieldButton = Field<TButton>(STR("AddFieldButton"));
  chbSystemObjects = Field<TCheckBox>(STR("chbSystemObjects"));
  TableFieldsSplitter = Field<TSplitter>(STR("TableFieldsSplitter"));
  MetaInfoSQLSplitter = Field<TSplitter>(STR("MetaInfoSQLSplitter"));
  SQLMemoPanel = Field<TPanel>(STR("SQLMemoPanel"));
  SQLLabel = Field<TLabel>(STR("SQLLabel"));
  Image1 = Field<TImage>(STR("Image1"));
  OkButton = Field<TButton>(STR("OkButton"));
  CancelButton = Field<TButton>(STR("CancelButton"));
  HelpButton = Field<TButton>(STR("HelpButton"));
  DoCreate();
}

TSQLEditForm::~TSQLEditForm() {
  DoDestroy();
}

void TSQLEditForm::FormCreate(TObject*) {
  RTTIContext = std::make_unique<TRttiContext>();
}

void TSQLEditForm::FormDestroy(TObject*) {
  SQLCanvas.reset();
  RTTIContext.reset();
}

void TSQLEditForm::CreateEditor(const String& sql) {
#if OMBRIX_WIDE_STRINGS
  const TClass synMemoClass = GetClass(STR("TSynMemo"));
  SynMemoUsed = synMemoClass != nullptr;
  if (SynMemoUsed) {
    try {
      CreateSynMemo(*synMemoClass, sql);
    } catch (const std::exception&) {
      // An editor that does not fit is no reason to refuse editing: use the plain memo. What
      // was built of the editor stays, under the memo; Tab must not reach it there.
      SynMemoUsed = false;
      SQLMemoPanel->SetEnabled(false);
    }
  }
#endif
  if (!SynMemoUsed) CreateSimpleMemo(sql);
  // The text is what the dialog is for.
  SetActiveControl(Editor());
}

#if OMBRIX_WIDE_STRINGS
void TSQLEditForm::CreateSynMemo(const TClassInfo& synMemoClass, const String& sql) {
  TStringStream text(kSynMemoFormText);
  TMemoryStream binary;
  ObjectTextToBinary(text, binary);
  binary.SetPosition(0);
  binary.ReadComponent(SQLMemoPanel);
  SynMemo = SQLMemoPanel->FindComponent(STR("SynMemo1"));
  if (SynMemo == nullptr) throw Exception(STR("SynMemo cannot be found"));
  TStringList* lines = RTTIContext->GetStrings(synMemoClass, SynMemo, STR("Lines"));
  lines->SetText(sql);
  SynMemoLines = lines;
  RTTIContext->SetEvent(synMemoClass, SynMemo, STR("OnExit"), Handler(STR("SQLMemoExit")));
  RTTIContext->SetEvent(synMemoClass, SynMemo, STR("OnEnter"), Handler(STR("SQLMemoEnter")));
  As<TWinControl>(SynMemo)->OnKeyPress = Handler(STR("MemoKeyPress"));
  SQLLabel->SetFocusControl(As<TWinControl>(SynMemo));
}
#endif

void TSQLEditForm::CreateSimpleMemo(const String& initialText) {
  SQLMemo = new TMemo(this);
  SQLMemo->SetName(STR("mmSQL"));
  SQLMemo->SetParent(this);
  SQLMemo->SetAlign(TAlign::alClient);
  SQLMemo->SetScrollBars(TScrollStyle::ssVertical);
  SQLMemo->SetTabStop(true);
  SQLMemo->SetText(initialText);
  SQLMemo->OnEnter = Handler(STR("SQLMemoEnter"));
  SQLMemo->OnExit = Handler(STR("SQLMemoExit"));
  SQLMemo->OnKeyPress = Handler(STR("MemoKeyPress"));
  SynMemoLines = SQLMemo->Lines();
  SQLLabel->SetFocusControl(SQLMemo);
}

TWinControl* TSQLEditForm::Editor() const {
  return SynMemoUsed ? As<TWinControl>(SynMemo) : SQLMemo;
}

String TSQLEditForm::EditorText() const {
  return JoinLines(*SynMemoLines);
}

int TSQLEditForm::GetSelStart() const {
  if (SynMemoUsed) return RTTIContext->GetInteger(SynMemo, STR("SelStart"));
  return SQLMemo->SelStart();
}

void TSQLEditForm::SetSelStart(int value) {
  if (SynMemoUsed) {
    RTTIContext->SetInteger(SynMemo, STR("SelStart"), value);
  } else {
    SQLMemo->SetSelStart(value);
  }
}

void TSQLEditForm::FormShow(TObject*) {
  TableList->SetSorted(true);
  SetHelpContext(kHelpContext);
  SQLCanvas = std::make_unique<TCanvas>();
  SQLCanvas->SetControl(Editor());
  CharHeight = SQLCanvas->TextHeight(STR("0"));
  PopulateTableList();
}

void TSQLEditForm::PopulateTableList() {
  if (!GetTableNames) return;
  GetTableNames(*TableList->Items(), chbSystemObjects->Checked());
  if (!FStartTable.empty()) {
    for (int i = 0; i < TableList->Count(); ++i) {
      if (TableList->Items()->Strings(i) == FStartTable) {
        TableList->SetItemIndex(i);
        TableListClick(TableList);
        break;
      }
    }
  }
  if (TableList->Count() > 0 && TableList->ItemIndex() < 0) {
    TableList->SetItemIndex(0);
    PopulateFieldList();
  }
}

void TSQLEditForm::PopulateFieldList() {
  // A click on an empty table list selects nothing; there is no table to ask about.
  if (!GetFieldNames || TableList->ItemIndex() < 0) return;
  GetFieldNames(TableList->Items()->Strings(TableList->ItemIndex()), *FieldList->Items(),
                chbSystemObjects->Checked());
  FieldList->Items()->Insert(0, STR("*"));
}

void TSQLEditForm::TableListClick(TObject*) {
  PopulateFieldList();
}

void TSQLEditForm::chbSystemObjectsClick(TObject*) {
  PopulateTableList();
}

void TSQLEditForm::InsertText(String text, bool addComma) {
  String s = EditorText();
  // An editor may report a caret past the end of its text; insert at the end then.
  const int p = std::clamp(GetSelStart(), 0, static_cast<int>(s.size()));
  if (!s.empty() && p > 0 && s[p - 1] != ' ' && s[p - 1] != '(' &&
      (text.empty() || text[0] != ' ')) {
    text.insert(0, addComma && s[p - 1] != ',' ? STR(", ") : STR(" "));
  }
  s.insert(static_cast<size_t>(p), text);
  SynMemoLines->SetText(TrimRight(s));
  SetSelStart(p + static_cast<int>(text.size()));
  // The marker shows where the next name goes while the focus stays on a list or button.
  Editor()->Repaint();
  DrawCaretPosIndicator();
}

void TSQLEditForm::AddTableButtonClick(TObject*) {
  if (TableList->ItemIndex() < 0) return;
  const String table = TableList->Items()->Strings(TableList->ItemIndex());
  InsertText(EditorText().empty() ? STR("SELECT * FROM ") + table : table, false);
}

void TSQLEditForm::AddFieldButtonClick(TObject*) {
  if (FieldList->ItemIndex() < 0) return;
  if (EditorText().empty()) {
    SynMemoLines->SetText(STR("SELECT"));
    SetSelStart(6);
  }
  for (int i = 0; i < FieldList->Count(); ++i) {
    if (!FieldList->Selected(i)) continue;
    const String& field = FieldList->Items()->Strings(i);
    InsertText(field, EditorText() != STR("SELECT") && field != STR("*"));
  }
}

void TSQLEditForm::DrawCaretPosIndicator() {
  int x = 0;
  int y = 0;
  if (SynMemoUsed) {
    const auto display = RTTIContext->GetRecord<TDisplayPosition>(SynMemo, STR("DisplayXY"),
                                                                  TypeInfoDisplayPosition());
    const auto point =
        RTTIContext->Invoke<TPoint, TDisplayPosition>(SynMemo, STR("RowColumnToPixels"), display);
    x = point.X;
    y = point.Y + CharHeight;
  } else {
    const TCaretPos caret = SQLMemo->CaretPos();
    const TStringList& lines = *SQLMemo->Lines();
    const String line = caret.Y < lines.Count() ? lines.Strings(caret.Y) : String();
    y = (caret.Y + 1) * CharHeight;
    x = SQLCanvas->TextWidth(StringView(line).substr(0, static_cast<size_t>(caret.X))) - 3;
  }
  SQLCanvas->Draw(x, y, *Image1->Picture()->Bitmap());
}

void TSQLEditForm::SQLMemoEnter(TObject* sender) {
  // The editor's repaint erases the marker drawn while the focus was elsewhere.
  As<TControl>(sender)->Invalidate();
}

void TSQLEditForm::SQLMemoExit(TObject*) {
  DrawCaretPosIndicator();
}

void TSQLEditForm::MemoKeyPress(TObject* sender, Char& key) {
  if (key != CTRL_A) return;
  // The select-all request is understood by edit boxes only; the key is swallowed anyway.
  if (auto* edit = dynamic_cast<TCustomEdit*>(sender)) edit->SelectAll();
  key = 0;
}

void TSQLEditForm::TableFieldsSplitterCanResize(TObject*, int& newSize, bool& accept) {
  accept = newSize > 44 && newSize < MetaInfoPanel->Height() - 65;
}

void TSQLEditForm::MetaInfoSQLSplitterCanResize(TObject*, int& newSize, bool& accept) {
  accept = newSize > 100 && newSize < ClientWidth() - 100;
}

void TSQLEditForm::MetaInfoSQLSplitterMoved(TObject*) {
  SQLLabel->SetLeft(SQLMemoPanel->Left());
}

void TSQLEditForm::HelpButtonClick(TObject*) {
  Application()->HelpContext(HelpContext());
}
