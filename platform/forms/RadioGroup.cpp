#include "forms/GroupBox.h"

#include <algorithm>

const TClassInfo& TRadioGroup::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TRadioGroup, TCustomGroupBox>(STR("TRadioGroup"))
          .Creatable()
          .Prop(STR("Columns"), &TRadioGroup::Columns, &TRadioGroup::SetColumns, nullptr, 1)
          .Prop(STR("ItemIndex"), &TRadioGroup::ItemIndex, &TRadioGroup::SetItemIndex, nullptr, -1)
          .Prop(STR("Items"), &TRadioGroup::Items, &TRadioGroup::SetItems)
          .Method(STR("ItemsChange"), &TRadioGroup::ItemsChange)
          .Build();
  return info;
}

TRadioGroup::TRadioGroup(TComponent* owner)
    : TCustomGroupBox(owner), FItems(std::make_unique<TStringList>()) {
  FItems->OnChange = TMethod{this, STR("ItemsChange")};
}

TRadioGroup::~TRadioGroup() {
  FItems->OnChange = TMethod{};
}

void TRadioGroup::SetItemIndex(int value) {
  if (IsLoading()) {
    FItemIndex = value;
    return;
  }
  value = std::clamp(value, -1, FItems->Count() - 1);
  if (value == FItemIndex) return;
  FItemIndex = value;
  Invalidate();
}

void TRadioGroup::SetColumns(int value) {
  FColumns = std::clamp(value, 1, 16);
}

void TRadioGroup::ItemsChange(TObject*) {
  if (!IsLoading() && FItemIndex >= FItems->Count()) FItemIndex = FItems->Count() - 1;
  Invalidate();
}

void TRadioGroup::Loaded() {
  TCustomGroupBox::Loaded();
  FItemIndex = std::clamp(FItemIndex, -1, FItems->Count() - 1);
}
