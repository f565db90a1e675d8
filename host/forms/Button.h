#pragma once
#include "forms/WinControl.h"

// A push button. A click first sets the form's ModalResult to the button's own (a button with
// mrOk closes its modal form), then raises OnClick. Enter clicks the default button, Escape the
// cancel button.
class TButton : public TWinControl {
  OMBRIX_CLASS(TButton)
  explicit TButton(TComponent* owner);

  bool Default() const { return FDefault; }
  void SetDefault(bool value) { FDefault = value; }
  bool Cancel() const { return FCancel; }
  void SetCancel(bool value) { FCancel = value; }
  TModalResult ModalResult() const { return FModalResult; }
  void SetModalResult(TModalResult value) { FModalResult = value; }

  void Click() override;

 private:
  bool FDefault = false;
  bool FCancel = false;
  TModalResult FModalResult = mrNone;
};
