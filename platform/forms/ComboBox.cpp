#include "forms/ComboBox.h"

#include "ItemsTracker.h"
#include "PropHelpers.h"

const TClassInfo& TComboBox::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TComboBox, TWinControl>(STR("TComboBox"))
          .Creatable()
          .Prop(STR("DropDownCount"), &TComboBox::DropDownCount, &TComboBox::SetDropDownCount,
                nullptr, 8)
          .Prop(
              STR("ItemHeight"), [](const TComboBox*) { return 13; }, [](TComboBox*, int) {})
          .Prop(STR("ItemIndex"), &TComboBox::ItemIndex, &TComboBox::SetItemIndex, nullptr, -1)
          .Prop(STR("Items"), &TComboBox::Items, &TComboBox::SetItems)
          .Prop(STR("MaxLength"), &TComboBox::MaxLength, &TComboBox::SetMaxLength, nullptr, 0)
          .Prop(STR("Sorted"), &TComboBox::Sorted, &TComboBox::SetSorted, nullptr, 0)
          .Prop(STR("Style"), &TComboBox::Style, &TComboBox::SetStyle, &TypeInfoComboBoxStyle(), 0)
          .Prop(STR("Text"), &TComboBox::Text, &TComboBox::SetText)
          .OMBRIX_EVENT(TComboBox, OnChange, "TNotifyEvent")
          .OMBRIX_EVENT(TComboBox, OnSelect, "TNotifyEvent")
          .Method(STR("ItemsChange"), &TComboBox::ItemsChange)
          .Build();
  return info;
}

TComboBox::TComboBox(TComponent* owner)
    : TWinControl(owner),
      FItems(std::make_unique<TStringList>()),
      FTracker(std::make_unique<TItemsTracker>()) {
  FItems->OnChange = TMethod{this, STR("ItemsChange")};
  SetTabStop(true);
  SetColor(clWindow);
  SetBounds(0, 0, 145, 21);
}

TComboBox::~TComboBox() {
  FItems->OnChange = TMethod{};
}

// The selection moves with its item; emptying the list empties the text too, as the host's
// reset of a combo box does.
void TComboBox::ItemsChange(TObject*) {
  const std::vector<int> map = FTracker->Update(*FItems);
  const bool known = FItemIndex >= 0 && FItemIndex < static_cast<int>(map.size());
  FItemIndex = known ? map[static_cast<size_t>(FItemIndex)] : -1;
  if (FItems->Count() == 0 && !IsLoading()) TControl::StoreText(String());
  Invalidate();
}

void TComboBox::Loaded() {
  TWinControl::Loaded();
  FTracker->Update(*FItems);
  if (FItemIndex >= FItems->Count()) FItemIndex = -1;
}

void TComboBox::SetItemIndex(int value) {
  if (IsLoading()) {
    FItemIndex = value;
    return;
  }
  if (value < -1 || value >= FItems->Count()) value = -1;
  FItemIndex = value;
  TControl::StoreText(value >= 0 ? FItems->Strings(value) : String());
  FTextSelected = false;
  Invalidate();
}

// A drop-down list shows only its items: another text selects nothing and shows nothing.
void TComboBox::StoreText(const String& value) {
  if (!Editable() && !IsLoading()) {
    const int index = FItems->IndexOf(value);
    FItemIndex = index;
    TControl::StoreText(index >= 0 ? FItems->Strings(index) : String());
    return;
  }
  TControl::StoreText(value);
  if (FItemIndex >= 0 && FItemIndex < FItems->Count() && FItems->Strings(FItemIndex) != value) {
    FItemIndex = -1;
  }
}

void TComboBox::ChooseItem(int index) {
  if (index < 0 || index >= FItems->Count()) {
    throw EListError(STR("List index out of bounds (") + IntToStr(index) + STR(")"));
  }
  SetItemIndex(index);
  Click();
  if (OnSelect.Assigned()) {
    FireNotify(OnSelect, this);
  } else {
    FireNotify(OnChange, this);
  }
}

void TComboBox::DefaultKeyPress(Char key) {
  if (!Editable()) return;
  String text = FTextSelected ? String() : GetText();
  FTextSelected = false;
  if (key == VK_BACK) {
    if (!text.empty()) text.pop_back();
  } else if (key >= 32) {
    if (FMaxLength > 0 && static_cast<int>(text.size()) >= FMaxLength) return;
    text += key;
  } else {
    return;
  }
  if (text == GetText()) return;
  StoreText(text);
  FireNotify(OnChange, this);
  Invalidate();
}
