#include "forms/CheckBox.h"

const TClassInfo& TCheckBox::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TCheckBox, TWinControl>(STR("TCheckBox"))
          .Creatable()
          .Prop(STR("Alignment"), &TCheckBox::Alignment, &TCheckBox::SetAlignment,
                &TypeInfoAlignment(), static_cast<int64_t>(TAlignment::taRightJustify))
          .Prop(STR("AllowGrayed"), &TCheckBox::AllowGrayed, &TCheckBox::SetAllowGrayed, nullptr, 0)
          .Prop(STR("Checked"), &TCheckBox::Checked, &TCheckBox::SetChecked, nullptr, 0)
          .Prop(STR("State"), &TCheckBox::State, &TCheckBox::SetState, &TypeInfoCheckBoxState(), 0)
          .Build();
  return info;
}

TCheckBox::TCheckBox(TComponent* owner) : TWinControl(owner) {
  SetTabStop(true);
  SetBounds(0, 0, 97, 17);
}

void TCheckBox::SetChecked(bool value) {
  SetState(value ? TCheckBoxState::cbChecked : TCheckBoxState::cbUnchecked);
}

void TCheckBox::SetState(TCheckBoxState value) {
  if (value == FState) return;
  FState = value;
  Invalidate();
  if (!IsLoading()) Click();
}

void TCheckBox::Toggle() {
  switch (FState) {
    case TCheckBoxState::cbUnchecked:
      SetState(TCheckBoxState::cbChecked);
      break;
    case TCheckBoxState::cbChecked:
      SetState(FAllowGrayed ? TCheckBoxState::cbGrayed : TCheckBoxState::cbUnchecked);
      break;
    case TCheckBoxState::cbGrayed:
      SetState(TCheckBoxState::cbUnchecked);
      break;
  }
}
