#pragma once
#include "classes/StringList.h"
#include "forms/WinControl.h"

class TItemsTracker;

// A drop-down list, editable (csDropDown) or not (csDropDownList). Typing raises OnChange;
// choosing an entry from the list raises OnClick, then OnSelect (OnChange when OnSelect is not
// assigned). Setting Text or ItemIndex in code raises nothing.
class TComboBox : public TWinControl {
  OMBRIX_CLASS(TComboBox)
  explicit TComboBox(TComponent* owner);
  ~TComboBox() override;

  TComboBoxStyle Style() const { return FStyle; }
  void SetStyle(TComboBoxStyle value) { FStyle = value; }
  bool Editable() const {
    return FStyle == TComboBoxStyle::csDropDown || FStyle == TComboBoxStyle::csSimple;
  }
  TStringList* Items() const { return FItems.get(); }
  void SetItems(TStringList* value) { FItems->Assign(value); }
  // Setting it shows the item's text (an empty text for -1).
  int ItemIndex() const { return FItemIndex; }
  void SetItemIndex(int value);
  String Text() const { return GetText(); }
  bool Sorted() const { return FItems->Sorted(); }
  void SetSorted(bool value) { FItems->SetSorted(value); }
  int DropDownCount() const { return FDropDownCount; }
  void SetDropDownCount(int value) { FDropDownCount = value; }
  int MaxLength() const { return FMaxLength; }
  void SetMaxLength(int value) { FMaxLength = value; }
  // Selects the edit text, so that the next typed character replaces it.
  void SelectAll() { FTextSelected = true; }

  TMethod OnChange;  // TNotifyEvent
  TMethod OnSelect;  // TNotifyEvent

  // What choosing entry index from the drop-down list does.
  void ChooseItem(int index);
  // Typing into the edit part (editable styles only).
  void DefaultKeyPress(Char key) override;
  bool TakesFocusOnClick() const override { return true; }
  void ItemsChange(TObject* sender);
  void Loaded() override;

 protected:
  void StoreText(const String& value) override;

 private:
  std::unique_ptr<TStringList> FItems;
  std::unique_ptr<TItemsTracker> FTracker;
  TComboBoxStyle FStyle = TComboBoxStyle::csDropDown;
  int FItemIndex = -1;
  int FDropDownCount = 8;
  int FMaxLength = 0;
  bool FTextSelected = false;
};
