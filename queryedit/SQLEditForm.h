#pragma once
// The SQL editor: the statement as free text beside the connection's tables and the fields of
// the selected table; a button or a double click inserts the chosen names at the caret. The text
// area is a highlighting editor when the host offers one ("TSynMemo"), else the plain memo mmSQL;
// all text goes through SynMemoLines and the caret through GetSelStart/SetSelStart.
#include <memory>

#include "forms/Forms.h"
#include "queryedit/RttiContext.h"
#include "queryedit/SQLEditCallbacks.h"

class TSQLEditForm : public TForm {
  OMBRIX_CLASS(TSQLEditForm)
  explicit TSQLEditForm(TComponent* owner);
  ~TSQLEditForm() override;

  TPanel* MetaInfoPanel;
  TListBox* TableList;
  TButton* AddTableButton;
  TListBox* FieldList;
  TButton* AddFieldButton;
  TCheckBox* chbSystemObjects;
  TSplitter* TableFieldsSplitter;
  TSplitter* MetaInfoSQLSplitter;
  TPanel* SQLMemoPanel;
  TLabel* SQLLabel;
  TImage* Image1;
  TButton* OkButton;
  TButton* CancelButton;
  TButton* HelpButton;

  // Builds the text area holding sql: the highlighting editor when the class registry knows
  // "TSynMemo" and it can be built and wired, else (silently) the plain memo.
  void CreateEditor(const String& sql);
  // The plain memo mmSQL, on the dialog itself over the area of SQLMemoPanel.
  void CreateSimpleMemo(const String& initialText);
  // The text of the editor: its lines joined by line breaks, none after the last.
  String EditorText() const;
  int GetSelStart() const;
  void SetSelStart(int value);
  void InsertText(String text, bool addComma);
  void PopulateTableList();
  void PopulateFieldList();
  void DrawCaretPosIndicator();

  void FormCreate(TObject* sender);
  void FormShow(TObject* sender);
  void FormDestroy(TObject* sender);
  void TableListClick(TObject* sender);
  void AddTableButtonClick(TObject* sender);
  void AddFieldButtonClick(TObject* sender);
  void chbSystemObjectsClick(TObject* sender);
  void SQLMemoEnter(TObject* sender);
  void SQLMemoExit(TObject* sender);
  void MemoKeyPress(TObject* sender, Char& key);
  void TableFieldsSplitterCanResize(TObject* sender, int& newSize, bool& accept);
  void MetaInfoSQLSplitterCanResize(TObject* sender, int& newSize, bool& accept);
  void MetaInfoSQLSplitterMoved(TObject* sender);
  void HelpButtonClick(TObject* sender);

  bool SynMemoUsed = false;
  TComponent* SynMemo = nullptr;  // belongs to SQLMemoPanel
  TStringList* SynMemoLines = nullptr;
  int CharHeight = 0;
  TGetTableNamesProc GetTableNames;
  TGetFieldNamesProc GetFieldNames;
  String FStartTable;
  std::unique_ptr<TCanvas> SQLCanvas;
  TMemo* SQLMemo = nullptr;
  std::unique_ptr<TRttiContext> RTTIContext;

 private:
#if OMBRIX_WIDE_STRINGS
  // Reads the highlighting editor into SQLMemoPanel and wires it; raises on any misfit.
  void CreateSynMemo(const TClassInfo& synMemoClass, const String& sql);
#endif
  // The control that holds the text.
  TWinControl* Editor() const;
  TMethod Handler(const Char* name) {
    return TMethod{this, name};
  }
};
