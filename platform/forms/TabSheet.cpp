#include "forms/PageControl.h"

const TClassInfo& TTabSheet::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TTabSheet, TWinControl>(STR("TTabSheet"))
          .Creatable()
          .Prop(STR("PageIndex"), &TTabSheet::PageIndex, &TTabSheet::SetPageIndex)
          .StoredIf([](const TTabSheet*) { return false; })
          .Prop(STR("TabVisible"), &TTabSheet::TabVisible, &TTabSheet::SetTabVisible, nullptr, 1)
          .Build();
  return info;
}

TTabSheet::TTabSheet(TComponent* owner) : TWinControl(owner) {
  TControl::SetVisible(false);
  SetAlign(TAlign::alClient);
}

TTabSheet::~TTabSheet() {
  SetPageControl(nullptr);
}

void TTabSheet::SetPageControl(TPageControl* value) {
  if (value == FPageControl) return;
  if (FPageControl != nullptr) FPageControl->RemovePage(this);
  FPageControl = value;
  SetParent(value);
  if (value != nullptr) value->InsertPage(this);
}

void TTabSheet::SetParent(TWinControl* parent) {
  if (parent != nullptr && parent != FPageControl) {
    auto* pages = dynamic_cast<TPageControl*>(parent);
    if (pages == nullptr) {
      throw EInvalidOperation(STR("A tab sheet can only be placed on a page control"));
    }
    SetPageControl(pages);
    return;
  }
  TWinControl::SetParent(parent);
}

int TTabSheet::PageIndex() const {
  if (FPageControl == nullptr) return -1;
  for (int i = 0; i < FPageControl->PageCount(); ++i) {
    if (FPageControl->Pages(i) == this) return i;
  }
  return -1;
}

void TTabSheet::SetPageIndex(int value) {
  if (FPageControl != nullptr) FPageControl->MovePage(this, value);
}

void TTabSheet::SetTabVisible(bool value) {
  FTabVisible = value;
  Invalidate();
}

int TTabSheet::TabIndex() const {
  if (FPageControl == nullptr || !FTabVisible) return -1;
  int index = 0;
  for (int i = 0; i < FPageControl->PageCount(); ++i) {
    if (FPageControl->Pages(i) == this) return index;
    if (FPageControl->Pages(i)->TabVisible()) ++index;
  }
  return -1;
}
