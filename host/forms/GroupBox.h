#pragma once
#include "classes/StringList.h"
#include "forms/WinControl.h"

// A captioned frame around other controls.
class TCustomGroupBox : public TWinControl {
  OMBRIX_CLASS(TCustomGroupBox)
  explicit TCustomGroupBox(TComponent* owner);
};

class TGroupBox : public TCustomGroupBox {
  OMBRIX_CLASS(TGroupBox)
  using TCustomGroupBox::TCustomGroupBox;
};

// A group of radio buttons, one per item. Changing ItemIndex raises OnClick, also from code
// (not while loading), as the host's radio groups do.
class TRadioGroup : public TCustomGroupBox {
  OMBRIX_CLASS(TRadioGroup)
  explicit TRadioGroup(TComponent* owner);
  ~TRadioGroup() override;

  TStringList* Items() const { return FItems.get(); }
  void SetItems(TStringList* value) { FItems->Assign(value); }
  // -1 for none; values beyond the items are cut to the last item.
  int ItemIndex() const { return FItemIndex; }
  void SetItemIndex(int value);
  int Columns() const { return FColumns; }
  void SetColumns(int value);

  bool TakesFocusOnClick() const override { return true; }
  void ItemsChange(TObject* sender);
  void Loaded() override;

 private:
  std::unique_ptr<TStringList> FItems;
  int FItemIndex = -1;
  int FColumns = 1;
};
