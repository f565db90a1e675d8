#include "Canvas.h"

#include <algorithm>
#include <cstdlib>
#include <map>

Canvas::Canvas(int width, int height, Rgb background)
    : FWidth(width), FHeight(height), FPixels(static_cast<size_t>(width * height), background) {}

void Canvas::Set(int x, int y, Rgb colour) {
  if (x >= 0 && y >= 0 && x < FWidth && y < FHeight) {
    FPixels[static_cast<size_t>(y * FWidth + x)] = colour;
  }
}

void Canvas::Fill(int left, int top, int right, int bottom, Rgb colour) {
  for (int y = top; y <= bottom; ++y) {
    for (int x = left; x <= right; ++x) Set(x, y, colour);
  }
}

void Canvas::Frame(int left, int top, int right, int bottom, Rgb colour) {
  Line(left, top, right, top, colour);
  Line(left, bottom, right, bottom, colour);
  Line(left, top, left, bottom, colour);
  Line(right, top, right, bottom, colour);
}

void Canvas::Ellipse(int left, int top, int right, int bottom, Rgb colour) {
  const double cx = (left + right) / 2.0, cy = (top + bottom) / 2.0;
  const double rx = (right - left + 1) / 2.0, ry = (bottom - top + 1) / 2.0;
  for (int y = top; y <= bottom; ++y) {
    for (int x = left; x <= right; ++x) {
      const double dx = (x - cx) / rx, dy = (y - cy) / ry;
      if (dx * dx + dy * dy <= 1.0) Set(x, y, colour);
    }
  }
}

void Canvas::Line(int x0, int y0, int x1, int y1, Rgb colour) {
  const int steps = std::max(std::abs(x1 - x0), std::abs(y1 - y0));
  for (int i = 0; i <= steps; ++i) {
    const double t = steps == 0 ? 0.0 : static_cast<double>(i) / steps;
    Set(x0 + static_cast<int>((x1 - x0) * t + 0.5), y0 + static_cast<int>((y1 - y0) * t + 0.5),
        colour);
  }
}

void Canvas::Text(int centreX, int top, const std::string& text, Rgb colour) {
  // Rows of each letter, the top row first, three bits each (left bit high).
  static const std::map<char, std::array<uint8_t, 5>> font = {
      {'B', {6, 5, 6, 5, 6}}, {'D', {6, 5, 5, 5, 6}}, {'G', {3, 4, 5, 5, 3}},
      {'L', {4, 4, 4, 4, 7}}, {'M', {5, 7, 7, 5, 5}}, {'N', {6, 5, 5, 5, 5}},
      {'P', {6, 5, 6, 4, 4}}, {'Q', {2, 5, 5, 6, 3}}, {'S', {3, 4, 2, 1, 6}},
      {'T', {7, 2, 2, 2, 2}}, {'U', {5, 5, 5, 5, 7}}, {'X', {5, 5, 2, 5, 5}}};
  const int width = static_cast<int>(text.size()) * 4 - 1;
  int left = centreX - width / 2;
  for (char c : text) {
    const auto& rows = font.at(c);
    for (int row = 0; row < 5; ++row) {
      for (int bit = 0; bit < 3; ++bit) {
        if (rows[static_cast<size_t>(row)] & (4 >> bit)) Set(left + bit, top + row, colour);
      }
    }
    left += 4;
  }
}

namespace {

void Put(std::vector<uint8_t>& out, uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

std::vector<uint8_t> Headers(const Canvas& canvas, int bits, uint32_t paletteSize) {
  const uint32_t stride = ((static_cast<uint32_t>(canvas.Width() * bits) + 31) / 32) * 4;
  const uint32_t offset = 14 + 40 + paletteSize * 4;
  const uint32_t imageSize = stride * static_cast<uint32_t>(canvas.Height());
  std::vector<uint8_t> out;
  out.push_back('B');
  out.push_back('M');
  Put(out, offset + imageSize, 4);
  Put(out, 0, 4);
  Put(out, offset, 4);
  Put(out, 40, 4);
  Put(out, static_cast<uint32_t>(canvas.Width()), 4);
  Put(out, static_cast<uint32_t>(canvas.Height()), 4);
  Put(out, 1, 2);
  Put(out, static_cast<uint32_t>(bits), 2);
  Put(out, 0, 4);
  Put(out, imageSize, 4);
  Put(out, 2835, 4);  // 72 dots per inch
  Put(out, 2835, 4);
  Put(out, paletteSize, 4);
  Put(out, 0, 4);
  return out;
}

void PadRow(std::vector<uint8_t>& out, size_t rowStart) {
  while ((out.size() - rowStart) % 4 != 0) out.push_back(0);
}

std::vector<Rgb> Palette256() {
  std::vector<Rgb> palette;
  for (int r = 0; r < 6; ++r) {
    for (int g = 0; g < 6; ++g) {
      for (int b = 0; b < 6; ++b) {
        palette.push_back({static_cast<uint8_t>(r * 51), static_cast<uint8_t>(g * 51),
                           static_cast<uint8_t>(b * 51)});
      }
    }
  }
  for (int i = 1; i <= 40; ++i) {
    const auto grey = static_cast<uint8_t>(i * 255 / 41);
    palette.push_back({grey, grey, grey});
  }
  return palette;
}

uint8_t Nearest(const std::vector<Rgb>& palette, Rgb colour) {
  size_t best = 0;
  int bestDistance = 1 << 30;
  for (size_t i = 0; i < palette.size(); ++i) {
    const int dr = palette[i].R - colour.R, dg = palette[i].G - colour.G,
              db = palette[i].B - colour.B;
    const int distance = dr * dr + dg * dg + db * db;
    if (distance < bestDistance) {
      best = i;
      bestDistance = distance;
    }
  }
  return static_cast<uint8_t>(best);
}

}  // namespace

std::vector<uint8_t> EncodeBmp24(const Canvas& canvas) {
  std::vector<uint8_t> out = Headers(canvas, 24, 0);
  for (int y = canvas.Height() - 1; y >= 0; --y) {
    const size_t rowStart = out.size();
    for (int x = 0; x < canvas.Width(); ++x) {
      const Rgb c = canvas.At(x, y);
      out.insert(out.end(), {c.B, c.G, c.R});
    }
    PadRow(out, rowStart);
  }
  return out;
}

std::vector<uint8_t> EncodeBmp8(const Canvas& canvas) {
  const std::vector<Rgb> palette = Palette256();
  std::vector<uint8_t> out = Headers(canvas, 8, static_cast<uint32_t>(palette.size()));
  for (const Rgb& c : palette) out.insert(out.end(), {c.B, c.G, c.R, 0});
  for (int y = canvas.Height() - 1; y >= 0; --y) {
    const size_t rowStart = out.size();
    for (int x = 0; x < canvas.Width(); ++x) out.push_back(Nearest(palette, canvas.At(x, y)));
    PadRow(out, rowStart);
  }
  return out;
}
