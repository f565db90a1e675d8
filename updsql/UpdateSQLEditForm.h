#pragma once
// The update SQL editor: shows an update object's four statements for editing by hand and
// generates them from a table, key fields and update fields. Its statement generators depend on
// their arguments alone: they write the modify, insert, delete and refresh-record statements from
// a table name, the key and update fields and the quote for column names (empty, or one double
// quote, which also qualifies every column with the table name).
#include <array>
#include <memory>

#include "classes/StringList.h"
#include "forms/Forms.h"

class TmySQLDataSet;
class TmySQLTable;
class TmySQLUpdateSQL;

extern const Char* const SSQLDataSetOpen;
extern const Char* const SNoDataSet;
extern const Char* const SSQLGenSelect;
extern const Char* const SSQLNotGenerated;

class TMySQLUpdateSQLEditForm : public TForm {
  OMBRIX_CLASS(TMySQLUpdateSQLEditForm)
  explicit TMySQLUpdateSQLEditForm(TComponent* owner);
  ~TMySQLUpdateSQLEditForm() override;

  using TWaitMethod = void (TMySQLUpdateSQLEditForm::*)();

  TButton* OkButton;
  TButton* CancelButton;
  TButton* HelpButton;
  TButton* GenerateButton;
  TButton* PrimaryKeyButton;
  TButton* DefaultButton;
  TComboBox* UpdateTableName;
  TTabSheet* FieldsPage;
  TTabSheet* SQLPage;
  TPageControl* PageControl;
  TListBox* KeyFieldList;
  TListBox* UpdateFieldList;
  TGroupBox* GroupBox1;
  TLabel* Label1;
  TMemo* SQLMemo;
  TRadioGroup* StatementType;
  TCheckBox* QuoteFields;
  TButton* GetTableFieldsButton;
  TPopupMenu* FieldListPopup;
  TMenuItem* miSelectAll;
  TMenuItem* miClearAll;

  // The whole dialog run; true when the statements were written back.
  bool Edit();
  // The update object being edited; not owned.
  TmySQLUpdateSQL* UpdateSQL = nullptr;

  void FormCreate(TObject* sender);
  void FormDestroy(TObject* sender);
  void FormCloseQuery(TObject* sender, bool& canClose);
  void HelpButtonClick(TObject* sender);
  void StatementTypeClick(TObject* sender);
  void OkButtonClick(TObject* sender);
  void DefaultButtonClick(TObject* sender);
  void GenerateButtonClick(TObject* sender);
  void PrimaryKeyButtonClick(TObject* sender);
  void GetTableFieldsButtonClick(TObject* sender);
  void SettingsChanged(TObject* sender);
  void UpdateTableNameChange(TObject* sender);
  void UpdateTableNameClick(TObject* sender);
  void SelectAllClick(TObject* sender);
  void ClearAllClick(TObject* sender);
  void SQLMemoKeyPress(TObject* sender, Char& key);
  void PageControlChanging(TObject* sender, bool& allowChange);

  // "t." when column names are quoted, else empty.
  static String GetTableRef(StringView tableName, StringView quoteChar);
  // Appends "where" and one line per key, joined by a trailing " and"; with useOld the parameters
  // carry the prefix "OLD_".
  static void GenWhereClause(StringView tableRef, StringView quoteChar,
                             const TStringList& keyFields, TStringList& sql, bool useOld);
  static void GenModifySQL(StringView tableName, StringView quoteChar, const TStringList& keyFields,
                           const TStringList& updateFields, TStringList& sql);
  static void GenInsertSQL(StringView tableName, StringView quoteChar,
                           const TStringList& updateFields, TStringList& sql);
  static void GenDeleteSQL(StringView tableName, StringView quoteChar, const TStringList& keyFields,
                           TStringList& sql);
  // The update fields are accepted for symmetry with the other generators and not read.
  static void GenRefreshRecordSQL(StringView tableName, StringView quoteChar,
                                  const TStringList& keyFields, const TStringList& updateFields,
                                  TStringList& sql);

 private:
  void InitUpdateTableNames();
  void InitGenerateOptions();
  void InitFromDataSet();
  void InitFromUpdateSQL();
  void GetDataSetFieldNames();
  void GetTableFieldNames();
  TmySQLTable* TempTable();
  void SetDefaultSelections();
  void SelectPrimaryKeyFields();
  void SetButtonStates();
  void ShowWait(TWaitMethod waitMethod);
  // Rewrites all four statements from the Options page.
  void GenerateSQL();
  // The name in double quotes when the chosen table entry was quoted in the SELECT.
  String QuotedTableName(const String& name) const;
  // Saves hand edits of the shown statement into its working copy.
  void SaveMemo();

  int StmtIndex = 0;
  TmySQLDataSet* DataSet = nullptr;
  TmySQLTable* FTempTable = nullptr;
  bool FSettingsChanged = false;
  bool FDatasetDefaults = false;
  std::array<std::unique_ptr<TStringList>, 4> SQLText;
};

// The text of every selected item, in list order.
void GetSelectedItems(TListBox& listBox, TStringList& list);
// Selects exactly the items found in list (ignoring case); returns how many.
int SetSelectedItems(TListBox& listBox, const TStringList& list);
void SelectAllItems(TListBox& listBox);
// The names of the dataset's field definitions, refreshed first. On failure the list is left as
// it was, and a non-empty name is shown in an error box.
void GetDataFieldNames(TmySQLDataSet& dataSet, const String& name, TStringList& list);

// Opens the editor on the update object; true when the statements were written back.
bool EditMySQLUpdateSQL(TmySQLUpdateSQL& updateSQL);
