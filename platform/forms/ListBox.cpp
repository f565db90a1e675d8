#include "forms/ListBox.h"

#include <algorithm>

#include "ItemsTracker.h"

const TClassInfo& TListBox::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TListBox, TWinControl>(STR("TListBox"))
          .Creatable()
          .Prop(STR("ExtendedSelect"), &TListBox::ExtendedSelect, &TListBox::SetExtendedSelect,
                nullptr, 1)
          .Prop(STR("ItemHeight"), &TListBox::ItemHeight, &TListBox::SetItemHeight)
          .Prop(STR("Items"), &TListBox::Items, &TListBox::SetItems)
          .Prop(STR("MultiSelect"), &TListBox::MultiSelect, &TListBox::SetMultiSelect, nullptr, 0)
          .Prop(STR("Sorted"), &TListBox::Sorted, &TListBox::SetSorted, nullptr, 0)
          .Method(STR("ItemsChange"), &TListBox::ItemsChange)
          .Build();
  return info;
}

TListBox::TListBox(TComponent* owner)
    : TWinControl(owner),
      FItems(std::make_unique<TStringList>()),
      FTracker(std::make_unique<TItemsTracker>()) {
  FItems->OnChange = TMethod{this, STR("ItemsChange")};
  SetTabStop(true);
  SetColor(clWindow);
  SetBounds(0, 0, 121, 97);
}

TListBox::~TListBox() {
  FItems->OnChange = TMethod{};
}

void TListBox::ItemsChange(TObject*) {
  const std::vector<int> map = FTracker->Update(*FItems);
  std::vector<bool> selected(static_cast<size_t>(FItems->Count()), false);
  for (size_t i = 0; i < map.size() && i < FSelected.size(); ++i) {
    if (map[i] >= 0 && FSelected[i]) selected[static_cast<size_t>(map[i])] = true;
  }
  FSelected = std::move(selected);
  const bool known = FItemIndex >= 0 && FItemIndex < static_cast<int>(map.size());
  FItemIndex = known ? map[static_cast<size_t>(FItemIndex)] : -1;
  if (FMultiSelect && FItemIndex < 0 && Count() > 0) FItemIndex = 0;
  FTopIndex = std::clamp(FTopIndex, 0, std::max(0, Count() - 1));
  Invalidate();
}

void TListBox::Loaded() {
  TWinControl::Loaded();
  ItemsChange(FItems.get());
}

void TListBox::Sync() {
  if (FSelected.size() != static_cast<size_t>(Count())) ItemsChange(FItems.get());
}

void TListBox::CheckIndex(int index) const {
  if (index < 0 || index >= Count()) {
    throw EListError(STR("List index out of bounds (") + IntToStr(index) + STR(")"));
  }
}

void TListBox::SetItemIndex(int value) {
  Sync();
  if (value < -1 || value >= Count()) value = -1;
  if (FMultiSelect) {
    FItemIndex = value < 0 && Count() > 0 ? 0 : value;
  } else {
    std::fill(FSelected.begin(), FSelected.end(), false);
    FItemIndex = value;
    if (value >= 0) FSelected[static_cast<size_t>(value)] = true;
  }
  Invalidate();
}

void TListBox::SetMultiSelect(bool value) {
  if (value == FMultiSelect) return;
  FMultiSelect = value;
  ClearSelection();
}

bool TListBox::Selected(int index) const {
  CheckIndex(index);
  return static_cast<size_t>(index) < FSelected.size() && FSelected[static_cast<size_t>(index)];
}

void TListBox::SetSelected(int index, bool value) {
  CheckIndex(index);
  Sync();
  if (!FMultiSelect) {
    if (value) {
      SetItemIndex(index);
    } else if (index == FItemIndex) {
      SetItemIndex(-1);
    }
    return;
  }
  FSelected[static_cast<size_t>(index)] = value;
  Invalidate();
}

int TListBox::SelCount() const {
  if (!FMultiSelect) return -1;
  return static_cast<int>(std::count(FSelected.begin(), FSelected.end(), true));
}

void TListBox::ClearSelection() {
  std::fill(FSelected.begin(), FSelected.end(), false);
  if (!FMultiSelect) FItemIndex = -1;
  Invalidate();
}

void TListBox::SelectAll() {
  if (!FMultiSelect) return;
  Sync();
  std::fill(FSelected.begin(), FSelected.end(), true);
  Invalidate();
}

void TListBox::SetTopIndex(int value) {
  FTopIndex = std::clamp(value, 0, std::max(0, Count() - 1));
}
