#include <cmath>

#include "forms/Graphics.h"

const TTypeInfo& TypeInfoFontStyles() {
  static const TTypeInfo t{TTypeKind::tkSet,
                           STR("TFontStyles"),
                           {STR("fsBold"), STR("fsItalic"), STR("fsUnderline"), STR("fsStrikeOut")},
                           nullptr};
  return t;
}

const TClassInfo& TFont::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TFont, TPersistent>(STR("TFont"))
          .Creatable([](TComponent*) -> TObject* { return new TFont(); })
          .Prop(STR("Charset"), &TFont::Charset, &TFont::SetCharset, &TypeInfoFontCharset())
          .Prop(STR("Color"), &TFont::Color, &TFont::SetColor, &TypeInfoColor())
          .Prop(STR("Height"), &TFont::Height, &TFont::SetHeight)
          .Prop(STR("Name"), &TFont::Name, &TFont::SetName)
          .Prop(STR("Size"), &TFont::Size, &TFont::SetSize)
          .StoredIf([](const TFont*) { return false; })
          .Prop(STR("Style"), &TFont::Style, &TFont::SetStyle, &TypeInfoFontStyles(), 0)
          .Build();
  return info;
}

// Points and pixels convert as the host does (MulDiv rounding).
int TFont::Size() const {
  return static_cast<int>(std::lround(-FHeight * 72.0 / kPixelsPerInch));
}

void TFont::SetSize(int points) {
  FHeight = -static_cast<int>(std::lround(points * static_cast<double>(kPixelsPerInch) / 72.0));
}

void TFont::Assign(const TPersistent* source) {
  const auto* font = dynamic_cast<const TFont*>(source);
  if (font == nullptr) {
    TPersistent::Assign(source);
    return;
  }
  FName = font->FName;
  FHeight = font->FHeight;
  FColor = font->FColor;
  FCharset = font->FCharset;
  FStyle = font->FStyle;
}
