#pragma once
#include "forms/Control.h"

class TBevel : public TGraphicControl {
  OMBRIX_CLASS(TBevel)
  explicit TBevel(TComponent* owner);

  TBevelShape Shape() const { return FShape; }
  void SetShape(TBevelShape value) { FShape = value; }
  TBevelStyle Style() const { return FStyle; }
  void SetStyle(TBevelStyle value) { FStyle = value; }

 private:
  TBevelShape FShape = TBevelShape::bsBox;
  TBevelStyle FStyle = TBevelStyle::bsLowered;
};
