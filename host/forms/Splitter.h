#pragma once
#include "forms/Control.h"

// Resizes the control aligned on the same side right before it (a left splitter resizes the
// left-aligned control whose right edge touches it).
class TSplitter : public TGraphicControl {
  OMBRIX_CLASS(TSplitter)
  explicit TSplitter(TComponent* owner);

  int MinSize() const { return FMinSize; }
  void SetMinSize(int value) { FMinSize = value; }
  bool Beveled() const { return FBeveled; }
  void SetBeveled(bool value) { FBeveled = value; }
  bool AutoSnap() const { return FAutoSnap; }
  void SetAutoSnap(bool value) { FAutoSnap = value; }

  TMethod OnCanResize;  // TCanResizeEvent
  TMethod OnMoved;      // TNotifyEvent

  // The control that the splitter resizes, or null.
  TControl* ResizeControl() const;
  // A user's drag to the given size of that control: the size is kept between MinSize and what
  // leaves MinSize for the rest, OnCanResize may change or refuse it, then the control is
  // resized and OnMoved raised. False when nothing moved.
  bool MoveTo(int newSize);

 private:
  int FMinSize = 30;
  bool FBeveled = false;
  bool FAutoSnap = true;
};
