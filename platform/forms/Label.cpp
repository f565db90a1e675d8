#include "forms/Label.h"

const TClassInfo& TLabel::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TLabel, TGraphicControl>(STR("TLabel"))
          .Creatable()
          .Prop(STR("Alignment"), &TLabel::Alignment, &TLabel::SetAlignment, &TypeInfoAlignment(),
                0)
          .Prop(STR("AutoSize"), &TLabel::AutoSize, &TLabel::SetAutoSize, nullptr, 1)
          .Prop(STR("FocusControl"), &TLabel::FocusControl, &TLabel::SetFocusControl)
          .Prop(STR("Layout"), &TLabel::Layout, &TLabel::SetLayout, &TypeInfoTextLayout(), 0)
          .Prop(STR("ShowAccelChar"), &TLabel::ShowAccelChar, &TLabel::SetShowAccelChar, nullptr, 1)
          .Prop(STR("Transparent"), &TLabel::Transparent, &TLabel::SetTransparent, nullptr, 0)
          .Prop(STR("WordWrap"), &TLabel::WordWrap, &TLabel::SetWordWrap, nullptr, 0)
          .Build();
  return info;
}

const TClassInfo& TGraphicControl::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TGraphicControl, TControl>(STR("TGraphicControl")).Build();
  return info;
}

TLabel::TLabel(TComponent* owner) : TGraphicControl(owner) {
  SetBounds(0, 0, 65, 17);
}

void TLabel::SetFocusControl(TWinControl* value) {
  FFocusControl = value;
  if (value != nullptr) value->FreeNotification(this);
}

Char TLabel::AccelChar() const {
  return FShowAccelChar ? GetAccelChar(Caption()) : 0;
}

void TLabel::Notification(TComponent* component, TOperation operation) {
  TGraphicControl::Notification(component, operation);
  if (operation == TOperation::opRemove && component == FFocusControl) FFocusControl = nullptr;
}
