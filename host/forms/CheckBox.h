#pragma once
#include "forms/WinControl.h"

// A check box. Changing its state raises OnClick, also from code (not while loading), as the
// host's check boxes do.
class TCheckBox : public TWinControl {
  OMBRIX_CLASS(TCheckBox)
  explicit TCheckBox(TComponent* owner);

  bool Checked() const { return FState == TCheckBoxState::cbChecked; }
  void SetChecked(bool value);
  TCheckBoxState State() const { return FState; }
  void SetState(TCheckBoxState value);
  bool AllowGrayed() const { return FAllowGrayed; }
  void SetAllowGrayed(bool value) { FAllowGrayed = value; }
  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment value) { FAlignment = value; }

  // A user's click: the next state (unchecked, checked, grayed when allowed), then OnClick.
  void Toggle();

 private:
  TCheckBoxState FState = TCheckBoxState::cbUnchecked;
  bool FAllowGrayed = false;
  TAlignment FAlignment = TAlignment::taRightJustify;
};
