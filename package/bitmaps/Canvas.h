#pragma once
// A small RGB canvas for drawing the package's pictures, and their BMP encoding.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

struct Rgb {
  uint8_t R, G, B;
};

class Canvas {
 public:
  Canvas(int width, int height, Rgb background);
  int Width() const { return FWidth; }
  int Height() const { return FHeight; }
  Rgb At(int x, int y) const { return FPixels[static_cast<size_t>(y * FWidth + x)]; }
  // Drawing outside the canvas is clipped.
  void Set(int x, int y, Rgb colour);
  void Fill(int left, int top, int right, int bottom, Rgb colour);  // inclusive corners
  void Frame(int left, int top, int right, int bottom, Rgb colour);
  void Ellipse(int left, int top, int right, int bottom, Rgb colour);
  void Line(int x0, int y0, int x1, int y1, Rgb colour);
  // Capital letters of a 3 x 5 pixel font, one pixel apart, centred on the column.
  void Text(int centreX, int top, const std::string& text, Rgb colour);

 private:
  int FWidth;
  int FHeight;
  std::vector<Rgb> FPixels;
};

// A bottom-up BMP file with 24 bits per pixel.
std::vector<uint8_t> EncodeBmp24(const Canvas& canvas);
// A bottom-up BMP file with 8 bits per pixel and a 256-colour palette (a 6 x 6 x 6 colour cube
// and 40 greys); each pixel takes the nearest palette colour.
std::vector<uint8_t> EncodeBmp8(const Canvas& canvas);
