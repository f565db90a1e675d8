#pragma once
// Colours, fonts and bitmaps of the form library as Qt draws them.
#include <QColor>
#include <QCursor>
#include <QFont>
#include <QImage>

#include "forms/Forms.h"

// An invalid colour for system colours and clNone/clDefault: the widget's style decides.
QColor ToQColor(TColor color);
// The family falls back to the desktop's font when the named one is not installed; the size is
// the font's pixel height.
QFont ToQFont(const TFont& font);
// Transparent bitmaps lose their transparent colour.
QImage ToQImage(const TBitmap& bitmap);
Qt::CursorShape ToQCursorShape(TCursor cursor);
