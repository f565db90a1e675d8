#include "PropHelpers.h"
#include "forms/Menus.h"

const TClassInfo& TMenu::StaticClass() {
  static const TClassInfo info = TClassBuilder<TMenu, TComponent>(STR("TMenu")).Build();
  return info;
}

const TClassInfo& TPopupMenu::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TPopupMenu, TMenu>(STR("TPopupMenu"))
          .Creatable()
          .Prop(STR("AutoPopup"), &TPopupMenu::AutoPopup, &TPopupMenu::SetAutoPopup, nullptr, 1)
          .OMBRIX_EVENT(TPopupMenu, OnPopup, "TNotifyEvent")
          .Build();
  return info;
}

// The root entry belongs to the menu and has no name, so it never streams.
TMenu::TMenu(TComponent* owner) : TComponent(owner), FItems(new TMenuItem(this)) {
  FItems->FMenu = this;
}

namespace {

TMenuItem* FindIn(const TMenuItem& parent, StringView name) {
  for (int i = 0; i < parent.Count(); ++i) {
    TMenuItem* item = parent.Items(i);
    if (SameText(item->Name(), name)) return item;
    if (TMenuItem* found = FindIn(*item, name)) return found;
  }
  return nullptr;
}

}  // namespace

TMenuItem* TMenu::FindItem(StringView name) const {
  return FindIn(*FItems, name);
}

void TMenu::GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) const {
  FItems->GetChildren(proc, root);
}

TPopupMenu::TPopupMenu(TComponent* owner) : TMenu(owner) {}

void TPopupMenu::SetPopupComponent(TComponent* value) {
  FPopupComponent = value;
  if (value != nullptr) value->FreeNotification(this);
}

void TPopupMenu::Popup(int, int) {
  FireNotify(OnPopup, this);
}

void TPopupMenu::Notification(TComponent* component, TOperation operation) {
  TMenu::Notification(component, operation);
  if (operation == TOperation::opRemove && component == FPopupComponent) {
    FPopupComponent = nullptr;
  }
}
