#pragma once
#include "forms/FormTypes.h"

// The screen: the mouse cursor shown over every window. Each assignment goes to the UI driver.
class TScreen {
 public:
  TCursor Cursor() const { return FCursor; }
  void SetCursor(TCursor value);

 private:
  TCursor FCursor = crDefault;
};

TScreen* Screen();
