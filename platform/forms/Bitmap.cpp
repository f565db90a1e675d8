#include "forms/Graphics.h"

#include <array>

const TClassInfo& TBitmap::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TBitmap, TPersistent>(STR("TBitmap"))
          .Creatable([](TComponent*) -> TObject* { return new TBitmap(); })
          .Build();
  return info;
}

void TBitmap::SetSize(int width, int height) {
  if (width < 0 || height < 0) {
    throw EInvalidGraphic(STR("Bitmap size ") + IntToStr(width) + STR(" x ") + IntToStr(height) +
                          STR(" is not valid"));
  }
  FWidth = width;
  FHeight = height;
  FPixels.assign(static_cast<size_t>(width) * static_cast<size_t>(height), clWhite);
  FBitsPerPixel = 24;
}

namespace {

[[noreturn]] void PixelOutside(int x, int y, int width, int height) {
  throw EInvalidGraphic(STR("Pixel (") + IntToStr(x) + STR(", ") + IntToStr(y) +
                        STR(") is outside the ") + IntToStr(width) + STR(" x ") + IntToStr(height) +
                        STR(" bitmap"));
}

}  // namespace

TColor TBitmap::Pixel(int x, int y) const {
  if (x < 0 || y < 0 || x >= FWidth || y >= FHeight) PixelOutside(x, y, FWidth, FHeight);
  return FPixels[static_cast<size_t>(y) * static_cast<size_t>(FWidth) + static_cast<size_t>(x)];
}

void TBitmap::SetPixel(int x, int y, TColor color) {
  if (x < 0 || y < 0 || x >= FWidth || y >= FHeight) PixelOutside(x, y, FWidth, FHeight);
  FPixels[static_cast<size_t>(y) * static_cast<size_t>(FWidth) + static_cast<size_t>(x)] = color;
}

TColor TBitmap::TransparentColor() const {
  if (FTransparentColorSet) return FTransparentColor;
  return Empty() ? clNone : Pixel(0, FHeight - 1);
}

void TBitmap::SetTransparentColor(TColor color) {
  FTransparentColor = color;
  FTransparentColorSet = true;
}

namespace {

[[noreturn]] void BadBitmap(StringView why) {
  throw EInvalidGraphic(STR("Bitmap image is not valid: ") + String(why));
}

uint32_t ReadLE(std::span<const uint8_t> data, size_t offset, size_t bytes) {
  if (offset + bytes > data.size()) BadBitmap(STR("the data ends early"));
  uint32_t value = 0;
  for (size_t i = 0; i < bytes; ++i) value |= static_cast<uint32_t>(data[offset + i]) << (8 * i);
  return value;
}

TColor Rgb(uint8_t r, uint8_t g, uint8_t b) {
  return static_cast<TColor>(r | (g << 8) | (b << 16));
}

}  // namespace

void TBitmap::LoadFromBmp(std::span<const uint8_t> data) {
  if (data.size() < 14 || data[0] != 'B' || data[1] != 'M') BadBitmap(STR("no BM signature"));
  const uint32_t pixelOffset = ReadLE(data, 10, 4);
  const uint32_t headerSize = ReadLE(data, 14, 4);
  if (headerSize < 40) BadBitmap(STR("unsupported header"));
  const auto width = static_cast<int32_t>(ReadLE(data, 18, 4));
  const auto rawHeight = static_cast<int32_t>(ReadLE(data, 22, 4));
  const auto bits = static_cast<int>(ReadLE(data, 28, 2));
  const uint32_t compression = ReadLE(data, 30, 4);
  uint32_t paletteSize = ReadLE(data, 46, 4);
  if (compression != 0 && !(compression == 3 && bits == 32)) BadBitmap(STR("compressed"));
  if (bits != 1 && bits != 4 && bits != 8 && bits != 24 && bits != 32) {
    BadBitmap(STR("unsupported colour depth"));
  }
  const bool bottomUp = rawHeight > 0;
  const int64_t height = bottomUp ? rawHeight : -static_cast<int64_t>(rawHeight);
  if (width <= 0 || height <= 0 || width > 65535 || height > 65535) BadBitmap(STR("bad size"));
  if (bits <= 8 && paletteSize == 0) paletteSize = 1u << bits;
  if (bits <= 8 && paletteSize > (1u << bits)) BadBitmap(STR("bad palette size"));
  std::vector<TColor> palette;
  const size_t paletteOffset = 14 + headerSize;
  for (uint32_t i = 0; bits <= 8 && i < paletteSize; ++i) {
    const size_t at = paletteOffset + 4 * static_cast<size_t>(i);
    palette.push_back(Rgb(static_cast<uint8_t>(ReadLE(data, at + 2, 1)),
                          static_cast<uint8_t>(ReadLE(data, at + 1, 1)),
                          static_cast<uint8_t>(ReadLE(data, at, 1))));
  }
  const size_t stride = ((static_cast<size_t>(width) * static_cast<size_t>(bits) + 31) / 32) * 4;
  if (pixelOffset + stride * static_cast<size_t>(height) > data.size()) {
    BadBitmap(STR("the pixel data ends early"));
  }
  std::vector<TColor> pixels(static_cast<size_t>(width) * static_cast<size_t>(height));
  for (int64_t row = 0; row < height; ++row) {
    const size_t line =
        pixelOffset + stride * static_cast<size_t>(bottomUp ? height - 1 - row : row);
    for (int x = 0; x < width; ++x) {
      TColor color;
      if (bits <= 8) {
        const size_t bit = static_cast<size_t>(x) * static_cast<size_t>(bits);
        const uint8_t byte = data[line + bit / 8];
        const unsigned index = (byte >> (8 - bits - bit % 8)) & ((1u << bits) - 1);
        if (index >= palette.size()) BadBitmap(STR("colour index outside the palette"));
        color = palette[index];
      } else {
        const size_t at = line + static_cast<size_t>(x) * static_cast<size_t>(bits / 8);
        color = Rgb(data[at + 2], data[at + 1], data[at]);
      }
      pixels[static_cast<size_t>(row) * static_cast<size_t>(width) + static_cast<size_t>(x)] =
          color;
    }
  }
  FWidth = width;
  FHeight = static_cast<int>(height);
  FBitsPerPixel = bits;
  FPixels = std::move(pixels);
}

void TBitmap::Assign(const TPersistent* source) {
  const auto* bitmap = dynamic_cast<const TBitmap*>(source);
  if (bitmap == nullptr) {
    TPersistent::Assign(source);
    return;
  }
  FWidth = bitmap->FWidth;
  FHeight = bitmap->FHeight;
  FBitsPerPixel = bitmap->FBitsPerPixel;
  FPixels = bitmap->FPixels;
  FTransparent = bitmap->FTransparent;
  FTransparentColorSet = bitmap->FTransparentColorSet;
  FTransparentColor = bitmap->FTransparentColor;
}
