#pragma once
// A dialog built in code with one control of each kind and handlers that log what they see.
#include <vector>

#include "forms/Forms.h"

class TTestDialog : public TForm {
  OMBRIX_CLASS(TTestDialog)
  explicit TTestDialog(TComponent* owner);
  ~TTestDialog() override;

  TButton* OkButton;
  TButton* CancelButton;
  TButton* HelpButton;
  TEdit* NameEdit;
  TMemo* SQLMemo;
  TListBox* FieldList;
  TComboBox* TableCombo;
  TCheckBox* QuoteBox;
  TRadioGroup* KindGroup;
  TPageControl* Pages;
  TTabSheet* OptionsPage;
  TTabSheet* SQLPage;
  TPopupMenu* FieldPopup;
  TMenuItem* miSelectAll;
  TMenuItem* miClearAll;

  std::vector<String> Log;
  bool Dirty = false;
  bool LockPages = false;

  void FormCreate(TObject* sender);
  void FormShow(TObject* sender);
  void FormDestroy(TObject* sender);
  void FormCloseQuery(TObject* sender, bool& canClose);
  void OkButtonClick(TObject* sender);
  void HelpButtonClick(TObject* sender);
  void NameEditChange(TObject* sender);
  void SQLMemoKeyPress(TObject* sender, Char& key);
  void FieldListClick(TObject* sender);
  void TableComboChange(TObject* sender);
  void TableComboClick(TObject* sender);
  void QuoteBoxClick(TObject* sender);
  void KindGroupClick(TObject* sender);
  void PagesChanging(TObject* sender, bool& allowChange);
  void PagesChange(TObject* sender);
  void SelectAllClick(TObject* sender);
  void ClearAllClick(TObject* sender);
  void ControlEnter(TObject* sender);
  void ControlExit(TObject* sender);

 private:
  TMethod Handler(const Char* name) { return TMethod{this, name}; }
};
