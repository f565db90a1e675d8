// The host's collection editor: the items of a collection property, with adding, deleting and
// moving items.
#include "designide/CollectionEditor.h"
#include "forms/Forms.h"

namespace {

class TCollectionEditorForm : public TForm {
  OMBRIX_CLASS(TCollectionEditorForm)
  TCollectionEditorForm(IDesigner* designer, TComponent* component, TCollection* collection,
                        const String& propertyName)
      : TForm(nullptr), FDesigner(designer), FCollection(collection) {
    LoadLayout(STR("CollectionEditor"));
    ItemList = Field<TListBox>(STR("ItemList"));
    SetCaption(STR("Editing ") + (component != nullptr ? component->Name() + STR(".") : String()) +
               propertyName);
    FillList(-1);
  }

  TListBox* ItemList;

  void FillList(int selected) {
    ItemList->Items()->Clear();
    for (int i = 0; i < FCollection->Count(); ++i) {
      const TCollectionItem* item = FCollection->Items(i);
      const String name = item->DisplayName();
      ItemList->Items()->Add(IntToStr(i) + STR(" - ") + (name.empty() ? item->ClassName() : name));
    }
    ItemList->SetItemIndex(selected);
  }

  void Changed(int selected) {
    FillList(selected);
    if (FDesigner != nullptr) FDesigner->Modified();
  }

  void AddClick(TObject*) { Changed(FCollection->Add()->Index()); }

  void DeleteClick(TObject*) {
    const int index = ItemList->ItemIndex();
    if (index < 0) return;
    FCollection->Delete(index);
    Changed(std::min(index, FCollection->Count() - 1));
  }

  void UpClick(TObject*) { Move(-1); }
  void DownClick(TObject*) { Move(1); }

 private:
  void Move(int by) {
    const int index = ItemList->ItemIndex();
    const int target = index + by;
    if (index < 0 || target < 0 || target >= FCollection->Count()) return;
    FCollection->Items(index)->SetIndex(target);
    Changed(target);
  }

  IDesigner* FDesigner;
  TCollection* FCollection;
};

const TClassInfo& TCollectionEditorForm::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TCollectionEditorForm, TForm>(STR("TCollectionEditorForm"))
          .Method(STR("AddClick"), &TCollectionEditorForm::AddClick)
          .Method(STR("DeleteClick"), &TCollectionEditorForm::DeleteClick)
          .Method(STR("UpClick"), &TCollectionEditorForm::UpClick)
          .Method(STR("DownClick"), &TCollectionEditorForm::DownClick)
          .Build();
  return info;
}

}  // namespace

void ShowCollectionEditor(IDesigner* designer, TComponent* component, TCollection* collection,
                          const String& propertyName) {
  if (collection == nullptr)
    throw EInvalidOperation(STR("The collection editor needs a collection"));
  TCollectionEditorForm form(designer, component, collection, propertyName);
  form.ShowModal();
}
