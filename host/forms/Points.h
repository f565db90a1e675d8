#pragma once
// Positions passed as record values to published properties and methods reached by name.
#include "classes/TypInfo.h"

// A point in pixels on a control's surface.
struct TPoint {
  int X = 0;
  int Y = 0;
  bool operator==(const TPoint&) const = default;
};

// A caret position as an editor displays it: column and row, both from 1.
struct TDisplayPosition {
  int Column = 1;
  int Row = 1;
  bool operator==(const TDisplayPosition&) const = default;
};

const TTypeInfo& TypeInfoPoint();
const TTypeInfo& TypeInfoDisplayPosition();
