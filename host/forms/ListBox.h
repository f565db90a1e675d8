#pragma once
#include "classes/StringList.h"
#include "forms/WinControl.h"

class TItemsTracker;

// A list of strings (each with an object) with single or multiple selection. Changing the
// selection in code raises no event; a user's click raises OnClick.
class TListBox : public TWinControl {
  OMBRIX_CLASS(TListBox)
  explicit TListBox(TComponent* owner);
  ~TListBox() override;

  TStringList* Items() const { return FItems.get(); }
  void SetItems(TStringList* value) { FItems->Assign(value); }
  int Count() const { return FItems->Count(); }
  void Clear() { FItems->Clear(); }

  // Single selection: the selected item, or -1. Multiple selection: the item with the focus
  // rectangle (the current item), which is 0 in a non-empty list until set.
  int ItemIndex() const { return FItemIndex; }
  void SetItemIndex(int value);
  bool MultiSelect() const { return FMultiSelect; }
  void SetMultiSelect(bool value);
  bool ExtendedSelect() const { return FExtendedSelect; }
  void SetExtendedSelect(bool value) { FExtendedSelect = value; }
  // Raise EListError outside 0..Count-1. In a single-selection list, selecting an item makes
  // it ItemIndex.
  bool Selected(int index) const;
  void SetSelected(int index, bool value);
  // The number of selected items; -1 in a single-selection list, as the host reports it.
  int SelCount() const;
  void ClearSelection();
  void SelectAll();
  bool Sorted() const { return FItems->Sorted(); }
  void SetSorted(bool value) { FItems->SetSorted(value); }
  int TopIndex() const { return FTopIndex; }
  void SetTopIndex(int value);
  int ItemHeight() const { return FItemHeight; }
  void SetItemHeight(int value) { FItemHeight = value; }

  bool TakesFocusOnClick() const override { return true; }
  // Moves selections and the current item along with their items.
  void ItemsChange(TObject* sender);
  void Loaded() override;

 private:
  void CheckIndex(int index) const;
  // Catches up with items changed inside BeginUpdate/EndUpdate.
  void Sync();

  std::unique_ptr<TStringList> FItems;
  std::unique_ptr<TItemsTracker> FTracker;
  std::vector<bool> FSelected;
  int FItemIndex = -1;
  bool FMultiSelect = false;
  bool FExtendedSelect = true;
  int FTopIndex = 0;
  int FItemHeight = 13;
};
