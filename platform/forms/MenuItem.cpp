#include <algorithm>

#include "PropHelpers.h"
#include "forms/Menus.h"

const TClassInfo& TMenuItem::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TMenuItem, TComponent>(STR("TMenuItem"))
          .Creatable()
          .Prop(STR("Caption"), &TMenuItem::Caption, &TMenuItem::SetCaption)
          .Prop(STR("Checked"), &TMenuItem::Checked, &TMenuItem::SetChecked, nullptr, 0)
          .Prop(STR("Enabled"), &TMenuItem::Enabled, &TMenuItem::SetEnabled, nullptr, 1)
          .Prop(STR("Hint"), &TMenuItem::Hint, &TMenuItem::SetHint)
          .Prop(STR("Tag"), &TMenuItem::Tag, &TMenuItem::SetTag, nullptr, 0)
          .Prop(STR("Visible"), &TMenuItem::Visible, &TMenuItem::SetVisible, nullptr, 1)
          .OMBRIX_EVENT(TMenuItem, OnClick, "TNotifyEvent")
          .Build();
  return info;
}

TMenuItem::TMenuItem(TComponent* owner) : TComponent(owner) {}

TMenuItem::~TMenuItem() {
  while (!FItems.empty()) delete FItems.back();
  if (FParent != nullptr) FParent->Remove(this);
}

TMenuItem* TMenuItem::Items(int index) const {
  if (index < 0 || index >= Count()) {
    throw EListError(STR("Menu index out of bounds (") + IntToStr(index) + STR(")"));
  }
  return FItems[static_cast<size_t>(index)];
}

void TMenuItem::Add(TMenuItem* item) {
  Insert(Count(), item);
}

void TMenuItem::Insert(int index, TMenuItem* item) {
  if (item->FParent != nullptr) {
    throw EInvalidOperation(STR("Menu item ") + item->Name() + STR(" is already in a menu"));
  }
  for (const TMenuItem* p = this; p != nullptr; p = p->FParent) {
    if (p == item) throw EInvalidOperation(STR("A menu item cannot hold itself"));
  }
  index = std::clamp(index, 0, Count());
  FItems.insert(FItems.begin() + index, item);
  item->FParent = this;
}

void TMenuItem::Remove(TMenuItem* item) {
  auto at = std::find(FItems.begin(), FItems.end(), item);
  if (at == FItems.end()) return;
  FItems.erase(at);
  item->FParent = nullptr;
}

TMenu* TMenuItem::GetParentMenu() const {
  const TMenuItem* item = this;
  while (item->FParent != nullptr) item = item->FParent;
  return item->FMenu;
}

void TMenuItem::Click() {
  FireNotify(OnClick, this);
}

// Top-level entries stream inside their menu, deeper ones inside their parent entry.
TComponent* TMenuItem::GetParentComponent() const {
  if (FParent != nullptr && FParent->FMenu != nullptr) return FParent->FMenu;
  return FParent;
}

void TMenuItem::SetParentComponent(TComponent* parent) {
  if (FParent != nullptr) FParent->Remove(this);
  if (auto* menu = dynamic_cast<TMenu*>(parent)) {
    menu->Items()->Add(this);
  } else if (auto* item = dynamic_cast<TMenuItem*>(parent)) {
    item->Add(this);
  }
}

void TMenuItem::GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) const {
  for (TMenuItem* item : FItems) {
    if (item->Owner() == root) proc(item);
  }
}
