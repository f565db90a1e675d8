#pragma once
// The connection options dialog: edits the settings of one TmySQLDatabase in the designer.
#include <array>
#include <memory>

#include "classes/StringList.h"
#include "forms/Forms.h"
#include "library/MySQLDatabase.h"

class TConnForm : public TForm {
  OMBRIX_CLASS(TConnForm)
  explicit TConnForm(TComponent* owner);
  ~TConnForm() override;

  TEdit* DBName;
  TEdit* DBUserID;
  TEdit* DBPasswd;
  TEdit* DBHost;
  TEdit* DBPort;
  TComboBox* cbCharset;
  TComboBox* cbCollation;
  TCheckBox* DBLogin;
  TGroupBox* GroupBox1;
  TButton* OkBtn;
  TButton* CancelBtn;

  // The connection being edited; not owned.
  TmySQLDatabase* Database = nullptr;
  // The option set as read when the dialog opened.
  TConnectOptions MySQLOpt = 0;

  // Fills the controls, shows the dialog and writes the settings back on OK.
  bool Edit();
  void GetDatabaseProperty(TmySQLDatabase& db);
  // Checks every value first, so that a bad one leaves the connection untouched.
  void SetDatabaseProperty(TmySQLDatabase& db);
  TConnectOptions GetOption() const;
  void SetOption(TConnectOptions options);

  void FormCreate(TObject* sender);
  void FormDestroy(TObject* sender);
  void FormKeyPress(TObject* sender, Char& key);
  void cbCharsetChange(TObject* sender);

 private:
  // The check box of each option, by ordinal.
  std::array<TCheckBox*, kConnectOptionCount> FOptionBoxes;
  std::unique_ptr<TStringList> FCollations;
};

// Opens the dialog for the connection; true when the user left it with OK.
bool EditDatabase(TmySQLDatabase& db);
