#include "forms/Screen.h"

#include "forms/UIDriver.h"

void TScreen::SetCursor(TCursor value) {
  FCursor = value;
  UIDriver().CursorChanged(value);
}

TScreen* Screen() {
  static TScreen screen;
  return &screen;
}
