#pragma once
#include "forms/WinControl.h"

// A container with bevelled edges.
class TPanel : public TWinControl {
  OMBRIX_CLASS(TPanel)
  explicit TPanel(TComponent* owner);

  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment value) { FAlignment = value; }
  TBevelCut BevelInner() const { return FBevelInner; }
  void SetBevelInner(TBevelCut value) { FBevelInner = value; }
  TBevelCut BevelOuter() const { return FBevelOuter; }
  void SetBevelOuter(TBevelCut value) { FBevelOuter = value; }
  int BevelWidth() const { return FBevelWidth; }
  void SetBevelWidth(int value) { FBevelWidth = value; }
  int BorderWidth() const { return FBorderWidth; }
  void SetBorderWidth(int value) { FBorderWidth = value; }
  TBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TBorderStyle value) { FBorderStyle = value; }
  bool FullRepaint() const { return FFullRepaint; }
  void SetFullRepaint(bool value) { FFullRepaint = value; }

 private:
  TAlignment FAlignment = TAlignment::taCenter;
  TBevelCut FBevelInner = TBevelCut::bvNone;
  TBevelCut FBevelOuter = TBevelCut::bvRaised;
  int FBevelWidth = 1;
  int FBorderWidth = 0;
  TBorderStyle FBorderStyle = TBorderStyle::bsNone;
  bool FFullRepaint = true;
};
