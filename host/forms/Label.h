#pragma once
#include "forms/WinControl.h"

// Static text; its accelerator moves the focus to FocusControl.
class TLabel : public TGraphicControl {
  OMBRIX_CLASS(TLabel)
  explicit TLabel(TComponent* owner);

  TWinControl* FocusControl() const { return FFocusControl; }
  void SetFocusControl(TWinControl* value);
  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment value) { FAlignment = value; }
  TTextLayout Layout() const { return FLayout; }
  void SetLayout(TTextLayout value) { FLayout = value; }
  bool WordWrap() const { return FWordWrap; }
  void SetWordWrap(bool value) { FWordWrap = value; }
  bool AutoSize() const { return FAutoSize; }
  void SetAutoSize(bool value) { FAutoSize = value; }
  bool Transparent() const { return FTransparent; }
  void SetTransparent(bool value) { FTransparent = value; }
  bool ShowAccelChar() const { return FShowAccelChar; }
  void SetShowAccelChar(bool value) { FShowAccelChar = value; }
  // The access key of the caption ("&Tables:" gives 'T'), or 0.
  Char AccelChar() const;

  void Notification(TComponent* component, TOperation operation) override;

 private:
  TWinControl* FFocusControl = nullptr;
  TAlignment FAlignment = TAlignment::taLeftJustify;
  TTextLayout FLayout = TTextLayout::tlTop;
  bool FWordWrap = false;
  bool FAutoSize = true;
  bool FTransparent = false;
  bool FShowAccelChar = true;
};
