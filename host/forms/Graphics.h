#pragma once
// Colours, fonts, bitmaps and the drawing surface of controls.
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "classes/BinaryData.h"
#include "classes/Persistent.h"
#include "forms/FormTypes.h"

class EInvalidGraphic : public Exception {
  using Exception::Exception;
};

// 0x00BBGGRR, or a system colour (clSystemColor | index).
using TColor = int32_t;
inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clMaroon = 0x000080;
inline constexpr TColor clGreen = 0x008000;
inline constexpr TColor clOlive = 0x008080;
inline constexpr TColor clNavy = 0x800000;
inline constexpr TColor clPurple = 0x800080;
inline constexpr TColor clTeal = 0x808000;
inline constexpr TColor clGray = 0x808080;
inline constexpr TColor clSilver = 0xC0C0C0;
inline constexpr TColor clRed = 0x0000FF;
inline constexpr TColor clLime = 0x00FF00;
inline constexpr TColor clYellow = 0x00FFFF;
inline constexpr TColor clBlue = 0xFF0000;
inline constexpr TColor clFuchsia = 0xFF00FF;
inline constexpr TColor clAqua = 0xFFFF00;
inline constexpr TColor clWhite = 0xFFFFFF;
inline constexpr TColor clSystemColor = static_cast<TColor>(0xFF000000);
inline constexpr TColor clWindow = clSystemColor | 5;
inline constexpr TColor clWindowText = clSystemColor | 8;
inline constexpr TColor clHighlight = clSystemColor | 13;
inline constexpr TColor clBtnFace = clSystemColor | 15;
inline constexpr TColor clBtnText = clSystemColor | 18;
inline constexpr TColor clNone = 0x1FFFFFFF;
inline constexpr TColor clDefault = 0x20000000;

inline constexpr int DEFAULT_CHARSET = 1;

enum TFontStyle { fsBold, fsItalic, fsUnderline, fsStrikeOut };
using TFontStyles = uint8_t;  // bit n for ordinal n
const TTypeInfo& TypeInfoFontStyles();

// Screen resolution that font sizes in points convert with.
inline constexpr int kPixelsPerInch = 96;

class TFont : public TPersistent {
  OMBRIX_CLASS(TFont)
  TFont() = default;

  const String& Name() const { return FName; }
  void SetName(const String& value) { FName = value; }
  // Character height in pixels, negative as form files store it.
  int Height() const { return FHeight; }
  void SetHeight(int value) { FHeight = value; }
  // Size in points, derived from Height.
  int Size() const;
  void SetSize(int points);
  TColor Color() const { return FColor; }
  void SetColor(TColor value) { FColor = value; }
  int Charset() const { return FCharset; }
  void SetCharset(int value) { FCharset = value; }
  TFontStyles Style() const { return FStyle; }
  void SetStyle(TFontStyles value) { FStyle = value; }
  bool HasStyle(TFontStyle style) const { return (FStyle & (1 << style)) != 0; }

  void Assign(const TPersistent* source) override;

 private:
  String FName = STR("MS Sans Serif");
  int FHeight = -11;
  TColor FColor = clWindowText;
  int FCharset = DEFAULT_CHARSET;
  TFontStyles FStyle = 0;
};

class TBitmap : public TPersistent {
  OMBRIX_CLASS(TBitmap)
  TBitmap() = default;

  int Width() const { return FWidth; }
  int Height() const { return FHeight; }
  bool Empty() const { return FWidth == 0 || FHeight == 0; }
  // Resizing keeps no pixels: the new bitmap is filled with white.
  void SetSize(int width, int height);
  // Raise EInvalidGraphic outside the bitmap.
  TColor Pixel(int x, int y) const;
  void SetPixel(int x, int y, TColor color);
  // Bits per pixel of the loaded image (24 for bitmaps made in code).
  int BitsPerPixel() const { return FBitsPerPixel; }
  // The resource it was loaded from; empty for other bitmaps.
  const String& ResourceName() const { return FResourceName; }
  void SetResourceName(const String& value) { FResourceName = value; }

  bool Transparent() const { return FTransparent; }
  void SetTransparent(bool value) { FTransparent = value; }
  // Unless set explicitly, the colour of the bottom-left pixel.
  TColor TransparentColor() const;
  void SetTransparentColor(TColor color);

  // Reads a device-independent bitmap file (BITMAPFILEHEADER + BITMAPINFOHEADER, uncompressed,
  // 1, 4, 8, 24 or 32 bits per pixel). Raises EInvalidGraphic "Bitmap image is not valid: ..."
  // and leaves the bitmap unchanged on malformed input.
  void LoadFromBmp(std::span<const uint8_t> data);
  void Assign(const TPersistent* source) override;

 private:
  int FWidth = 0;
  int FHeight = 0;
  int FBitsPerPixel = 24;
  String FResourceName;
  std::vector<TColor> FPixels;  // row-major, top row first
  bool FTransparent = false;
  bool FTransparentColorSet = false;
  TColor FTransparentColor = clNone;
};

// The picture of an image control. Form files store it as binary Data: the graphic's class
// name (one length byte, then the name), then the graphic's own data; for "TBitmap" a 32-bit
// little-endian size followed by a bitmap file.
class TPicture : public TPersistent {
  OMBRIX_CLASS(TPicture)
  TPicture();
  ~TPicture() override;
  TPicture(const TPicture&) = delete;
  TPicture& operator=(const TPicture&) = delete;

  TBitmap* Bitmap() const { return FBitmap.get(); }
  int Width() const { return FBitmap->Width(); }
  int Height() const { return FBitmap->Height(); }
  // The stored form of the picture, as last loaded (empty for a picture made in code).
  const std::vector<uint8_t>& Data() const { return FData; }
  // Raises EInvalidGraphic for other graphic classes or malformed data.
  void SetData(const std::vector<uint8_t>& data);
  void Assign(const TPersistent* source) override;

 private:
  std::unique_ptr<TBitmap> FBitmap;
  std::vector<uint8_t> FData;
};

class TControl;

// A bitmap drawn onto a control's surface; the control's next paint erases it.
struct TCanvasDrawing {
  int X = 0;
  int Y = 0;
  int Width = 0;
  int Height = 0;
  bool Transparent = false;
  TColor TransparentColor = clNone;
  // A copy of the drawn bitmap, for drivers that show the drawing.
  std::shared_ptr<const TBitmap> Bitmap;
};

// Measures text and draws on a control. Text metrics use a fixed cell per character, derived
// from the font height h (pixels, sign ignored): every character is (3h + 4) / 5 pixels wide,
// a line is h + h / 4 + 1 pixels high. An empty text is 0 wide and one line high.
class TCanvas : public TPersistent {
  OMBRIX_CLASS(TCanvas)
  TCanvas();
  ~TCanvas() override;
  TCanvas(const TCanvas&) = delete;
  TCanvas& operator=(const TCanvas&) = delete;

  TFont* Font() const { return FFont.get(); }
  TControl* Control() const { return FControl; }
  // Binds the canvas to a control and takes over the control's font.
  void SetControl(TControl* control);

  int TextWidth(StringView text) const;
  int TextHeight(StringView text) const;
  // Raises EInvalidOperation "Canvas does not allow drawing" without a control.
  void Draw(int x, int y, const TBitmap& bitmap);

 private:
  std::unique_ptr<TFont> FFont;
  TControl* FControl = nullptr;
};
