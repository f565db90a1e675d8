#include "Pictures.h"

namespace {

constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kInk{51, 51, 51};
constexpr Rgb kGrey{153, 153, 153};

enum class Glyph { Cylinder, Grid, Page, Screen, Wrench, Arrows };

struct PaletteIcon {
  const char* Name;
  Glyph Shape;
  Rgb Tile;
  const char* Label;
};

void DrawGlyph(Canvas& c, Glyph shape) {
  switch (shape) {
    case Glyph::Cylinder:
      c.Fill(6, 5, 17, 12, kWhite);
      c.Ellipse(6, 10, 17, 14, kWhite);
      c.Ellipse(6, 2, 17, 7, kGrey);
      c.Ellipse(7, 3, 16, 6, kWhite);
      break;
    case Glyph::Grid:
      c.Fill(5, 3, 18, 13, kWhite);
      c.Fill(5, 3, 18, 5, kGrey);
      for (int x = 5; x <= 18; x += 13 / 3 + 1) c.Line(x, 3, x, 13, kInk);
      for (int y = 3; y <= 13; y += 5) c.Line(5, y, 18, y, kInk);
      c.Frame(5, 3, 18, 13, kInk);
      break;
    case Glyph::Page:
      c.Fill(7, 2, 16, 13, kWhite);
      c.Frame(7, 2, 16, 13, kInk);
      for (int y = 5; y <= 11; y += 2) c.Line(9, y, 14, y, kGrey);
      break;
    case Glyph::Screen:
      c.Fill(5, 3, 18, 11, kInk);
      c.Fill(6, 4, 17, 10, kWhite);
      c.Line(8, 9, 11, 6, kGrey);
      c.Line(11, 6, 13, 8, kGrey);
      c.Line(13, 8, 15, 5, kGrey);
      c.Fill(10, 12, 13, 13, kInk);
      break;
    case Glyph::Wrench:
      c.Ellipse(12, 2, 18, 8, kWhite);
      c.Fill(14, 3, 16, 5, kInk);
      for (int i = 0; i < 3; ++i) c.Line(6 + i, 13, 13 + i, 6, kWhite);
      break;
    case Glyph::Arrows:
      c.Fill(5, 4, 14, 5, kWhite);
      c.Line(12, 2, 15, 5, kWhite);
      c.Line(12, 7, 15, 4, kWhite);
      c.Fill(9, 10, 18, 11, kWhite);
      c.Line(9, 10, 12, 7, kWhite);
      c.Line(9, 11, 12, 14, kWhite);
      break;
  }
}

Canvas DrawPaletteIcon(const PaletteIcon& icon) {
  Canvas c(24, 24, {192, 192, 192});
  c.Fill(1, 1, 22, 22, icon.Tile);
  c.Frame(1, 1, 22, 22, kInk);
  DrawGlyph(c, icon.Shape);
  c.Text(12, 17, icon.Label, kWhite);
  return c;
}

// A ring shaded from orange at the top to blue at the bottom.
Canvas DrawLogo() {
  Canvas c(24, 24, kWhite);
  for (int y = 0; y < 24; ++y) {
    const auto t = static_cast<double>(y) / 23.0;
    const Rgb shade{static_cast<uint8_t>(240 - 200 * t), static_cast<uint8_t>(140 - 40 * t),
                    static_cast<uint8_t>(30 + 190 * t)};
    for (int x = 0; x < 24; ++x) {
      const double dx = x - 11.5, dy = y - 11.5, d2 = dx * dx + dy * dy;
      if (d2 <= 11.5 * 11.5 && d2 >= 6.0 * 6.0) c.Set(x, y, shade);
    }
  }
  return c;
}

}  // namespace

std::vector<Picture> DrawPictures() {
  static const PaletteIcon icons[] = {{"TMYSQLDATABASE", Glyph::Cylinder, {0, 102, 153}, "DB"},
                                      {"TMYSQLTABLE", Glyph::Grid, {0, 102, 51}, "TB"},
                                      {"TMYSQLQUERY", Glyph::Grid, {102, 51, 153}, "Q"},
                                      {"TMYSQLSTOREDPROC", Glyph::Page, {153, 102, 0}, "SP"},
                                      {"TMYSQLDIRECTQUERY", Glyph::Grid, {153, 0, 51}, "DQ"},
                                      {"TMYSQLUPDATESQL", Glyph::Page, {0, 102, 102}, "US"},
                                      {"TMYSQLMACROQUERY", Glyph::Grid, {102, 102, 0}, "MQ"},
                                      {"TBDE2OMBRIX", Glyph::Arrows, {204, 102, 0}, "MG"},
                                      {"TMYSQLBATCHEXECUTE", Glyph::Page, {51, 51, 153}, "BX"},
                                      {"TMYSQLMONITOR", Glyph::Screen, {0, 51, 102}, "MN"},
                                      {"TMYSQLDUMP", Glyph::Cylinder, {102, 0, 102}, "DP"},
                                      {"TMYSQLTOOLS", Glyph::Wrench, {51, 102, 153}, "TL"}};
  std::vector<Picture> pictures;
  for (const PaletteIcon& icon : icons) pictures.push_back({icon.Name, DrawPaletteIcon(icon), 8});
  pictures.push_back({"LOGO", DrawLogo(), 24});
  return pictures;
}
