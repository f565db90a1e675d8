#pragma once
// The field link designer: pairs fields of a detail dataset with fields of its master and hands
// the two sides, as ";"-separated name lists, to the editor that opened it. In index mode the
// detail side is one chosen index, joined from its first field on; in free mode any fields.
#include <memory>

#include "classes/StringList.h"
#include "forms/Forms.h"

class TDataSet;
class TmySQLFieldLinkProperty;

extern const Char* const SPrimary;
extern const Char* const SMissingDataSet;
extern const Char* const SLinkDesigner;

class TLinkFields : public TForm {
  OMBRIX_CLASS(TLinkFields)
  explicit TLinkFields(TComponent* owner);
  ~TLinkFields() override;

  TLabel* IndexLabel;
  TComboBox* IndexList;
  TListBox* DetailList;
  TListBox* MasterList;
  TButton* AddButton;
  TListBox* BindList;
  TButton* DeleteButton;
  TButton* ClearButton;
  TButton* Button1;
  TButton* Button2;
  TButton* Help;

  TDataSet* DataSet() const { return FDataSet; }
  // Takes the detail dataset and its master; raises "Missing DataSet property" without one.
  void SetDataSet(TDataSet* value);
  TmySQLFieldLinkProperty* DataSetProxy() const { return FDataSetProxy; }
  void SetDataSetProxy(TmySQLFieldLinkProperty* value) { FDataSetProxy = value; }

  // The whole dialog run; true when the link was written through the proxy.
  bool Edit();
  // Fills the lists and joins the link in force.
  void Initialize();
  // Moves the entries of list into the order they have in reference.
  static void OrderFieldList(const TStringList& reference, TStringList& list);
  // Adds the join, keeping the joins in the order of the detail fields.
  void AddToBindList(const String& detail, const String& master);

  void FormCreate(TObject* sender);
  void FormDestroy(TObject* sender);
  void IndexListChange(TObject* sender);
  void BindingListClick(TObject* sender);
  void AddButtonClick(TObject* sender);
  void BindListClick(TObject* sender);
  void DeleteButtonClick(TObject* sender);
  void ClearButtonClick(TObject* sender);
  void BitBtn1Click(TObject* sender);
  void HelpClick(TObject* sender);

 private:
  void SetJoined(const String& detail, bool joined);
  void ClearJoined();

  TDataSet* FDataSet = nullptr;
  TDataSet* FMasterDataSet = nullptr;
  TmySQLFieldLinkProperty* FDataSetProxy = nullptr;
  String FFullIndexName;
  String MasterFieldList;
  String IndexFieldList;
  std::unique_ptr<TStringList> OrderedDetailList;
  std::unique_ptr<TStringList> OrderedMasterList;
};

// Opens the designer on the detail dataset for the editor; true when the user confirmed and the
// link was written through the editor.
bool EditMasterFields(TDataSet* dataSet, TmySQLFieldLinkProperty* property);
