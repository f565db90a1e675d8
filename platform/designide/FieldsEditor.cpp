// The host's fields editor: the persistent fields of a dataset, with "Add all fields" for the
// columns the dataset describes and "Delete" for the selected fields.
#include "db/DBClasses.h"
#include "db/DataSet.h"
#include "db/FieldDefs.h"
#include "designide/ComponentEditor.h"
#include "forms/Forms.h"

namespace {

class TFieldsEditorForm : public TForm {
  OMBRIX_CLASS(TFieldsEditorForm)
  TFieldsEditorForm(IDesigner* designer, TDataSet* dataSet)
      : TForm(nullptr), FDesigner(designer), FDataSet(dataSet) {
    LoadLayout(STR("FieldsEditor"));
    FieldList = Field<TListBox>(STR("FieldList"));
    const TComponent* root = designer != nullptr ? designer->GetRoot() : dataSet->Owner();
    SetCaption((root != nullptr ? root->Name() + STR(".") : String()) + dataSet->Name());
    FillList();
  }

  TListBox* FieldList;

  // Fields owned by the dataset are the default ones it made itself, not persistent fields.
  std::vector<TField*> PersistentFields() const {
    std::vector<TField*> fields;
    for (TField* f : FDataSet->Fields()) {
      if (f->Owner() != FDataSet) fields.push_back(f);
    }
    return fields;
  }

  void FillList() {
    FieldList->Items()->Clear();
    for (TField* f : PersistentFields()) FieldList->Items()->AddObject(f->FieldName(), f);
  }

  void AddAllClick(TObject*) {
    const bool wasActive = FDataSet->Active();
    if (wasActive) FDataSet->Close();
    FDataSet->FieldDefs()->Update();
    TComponent* owner = FDataSet->Owner() != nullptr ? FDataSet->Owner() : FDataSet;
    for (int i = 0; i < FDataSet->FieldDefs()->Count(); ++i) {
      const TFieldDef* def = FDataSet->FieldDefs()->Items(i);
      const TClassInfo* cls = DefaultFieldClass(def->DataType());
      if (cls == nullptr || FDataSet->FindField(def->Name()) != nullptr) continue;
      auto* field = As<TField>(cls->Create(owner));
      field->SetName(UniqueName(owner, FDataSet->Name() + def->Name()));
      field->SetFieldName(def->Name());
      field->SetDataSet(FDataSet);
    }
    if (wasActive) FDataSet->Open();
    FillList();
    if (FDesigner != nullptr) FDesigner->Modified();
  }

  void DeleteClick(TObject*) {
    std::vector<TField*> doomed;
    for (int i = 0; i < FieldList->Count(); ++i) {
      if (FieldList->Selected(i)) doomed.push_back(As<TField>(FieldList->Items()->Objects(i)));
    }
    if (doomed.empty()) return;
    for (TField* f : doomed) delete f;
    FillList();
    if (FDesigner != nullptr) FDesigner->Modified();
  }

 private:
  // A component name from the text: identifier characters only, numbered when taken.
  static String UniqueName(const TComponent* owner, const String& text) {
    String base;
    for (Char c : text) {
      const bool ident = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_' ||
                         (c >= '0' && c <= '9' && !base.empty());
      if (ident) base += c;
    }
    if (base.empty()) base = STR("Field");
    String name = base;
    for (int n = 1; owner->FindComponent(name) != nullptr; ++n) name = base + IntToStr(n);
    return name;
  }

  IDesigner* FDesigner;
  TDataSet* FDataSet;
};

const TClassInfo& TFieldsEditorForm::StaticClass() {
  static const TClassInfo info = TClassBuilder<TFieldsEditorForm, TForm>(STR("TFieldsEditorForm"))
                                     .Method(STR("AddAllClick"), &TFieldsEditorForm::AddAllClick)
                                     .Method(STR("DeleteClick"), &TFieldsEditorForm::DeleteClick)
                                     .Build();
  return info;
}

}  // namespace

void ShowFieldsEditor(IDesigner* designer, TDataSet* dataSet, const TClassInfo& designerClass) {
  if (!designerClass.InheritsFrom(TDSDesigner::StaticClass())) throw EInvalidCast();
  if (dataSet == nullptr) throw EInvalidOperation(STR("The fields editor needs a dataset"));
  TFieldsEditorForm form(designer, dataSet);
  form.ShowModal();
}
