#include "QtGraphics.h"

#include <QFontDatabase>

#include "QtText.h"

QColor ToQColor(TColor color) {
  if ((color & clSystemColor) != 0 || color == clNone || color == clDefault) return QColor();
  return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
}

QFont ToQFont(const TFont& font) {
  QFont result;
  const QString family = ToQString(font.Name());
  if (QFontDatabase::hasFamily(family)) {
    result.setFamily(family);
  } else {
    // The layouts were measured with narrower fonts than the desktop's: its condensed face,
    // where installed, keeps captions inside their boxes.
    result.setFamily(QFontDatabase::systemFont(QFontDatabase::GeneralFont).family());
    result.setStretch(QFont::SemiCondensed);
  }
  result.setPixelSize(std::max(1, std::abs(font.Height())));
  result.setBold(font.HasStyle(fsBold));
  result.setItalic(font.HasStyle(fsItalic));
  result.setUnderline(font.HasStyle(fsUnderline));
  result.setStrikeOut(font.HasStyle(fsStrikeOut));
  return result;
}

QImage ToQImage(const TBitmap& bitmap) {
  QImage image(bitmap.Width(), bitmap.Height(), QImage::Format_ARGB32);
  const bool transparent = bitmap.Transparent();
  const TColor clear = transparent ? bitmap.TransparentColor() : clNone;
  for (int y = 0; y < bitmap.Height(); ++y) {
    for (int x = 0; x < bitmap.Width(); ++x) {
      const TColor c = bitmap.Pixel(x, y);
      const int alpha = transparent && c == clear ? 0 : 255;
      image.setPixel(x, y, qRgba(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF, alpha));
    }
  }
  return image;
}

Qt::CursorShape ToQCursorShape(TCursor cursor) {
  switch (cursor) {
    case crCross:
      return Qt::CrossCursor;
    case crIBeam:
      return Qt::IBeamCursor;
    case crSizeNS:
    case crVSplit:
      return Qt::SplitVCursor;
    case crSizeWE:
    case crHSplit:
      return Qt::SplitHCursor;
    case crHourGlass:
      return Qt::WaitCursor;
    case crNo:
      return Qt::ForbiddenCursor;
    case crAppStart:
      return Qt::BusyCursor;
    case crHelp:
      return Qt::WhatsThisCursor;
    case crHandPoint:
      return Qt::PointingHandCursor;
    case crNone:
      return Qt::BlankCursor;
    default:
      return Qt::ArrowCursor;
  }
}
