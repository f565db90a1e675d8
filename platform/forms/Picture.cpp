#include <string>

#include "forms/Graphics.h"

namespace {

// The class name as a message shows it: the bytes come from the file, so those outside printable
// ASCII are written as #nn, the way form text writes character codes.
String ShownName(const std::string& name) {
  std::string shown;
  for (const unsigned char c : name) {
    if (c >= 0x20 && c < 0x7F) {
      shown += static_cast<char>(c);
    } else {
      shown += '#' + std::to_string(c);
    }
  }
  return FromUtf8(shown);
}

}  // namespace

const TClassInfo& TPicture::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TPicture, TPersistent>(STR("TPicture"))
          .Creatable([](TComponent*) -> TObject* { return new TPicture(); })
          .Prop(STR("Data"), &TPicture::Data, &TPicture::SetData, &TypeInfoBinary())
          .StoredIf([](const TPicture* p) { return !p->Data().empty(); })
          .Build();
  return info;
}

TPicture::TPicture() : FBitmap(std::make_unique<TBitmap>()) {}

TPicture::~TPicture() = default;

void TPicture::SetData(const std::vector<uint8_t>& data) {
  if (data.empty()) {
    FBitmap = std::make_unique<TBitmap>();
    FData.clear();
    return;
  }
  const size_t nameLength = data[0];
  if (1 + nameLength > data.size()) {
    throw EInvalidGraphic(STR("Picture data is not valid: the class name ends early"));
  }
  const std::string name(data.begin() + 1, data.begin() + 1 + static_cast<ptrdiff_t>(nameLength));
  if (name != "TBitmap") {
    throw EInvalidGraphic(STR("Unsupported picture class ") + ShownName(name));
  }
  const size_t sizeAt = 1 + nameLength;
  if (sizeAt + 4 > data.size()) throw EInvalidGraphic(STR("Picture data is not valid: no size"));
  const size_t size = data[sizeAt] | (data[sizeAt + 1] << 8) | (data[sizeAt + 2] << 16) |
                      (static_cast<size_t>(data[sizeAt + 3]) << 24);
  if (sizeAt + 4 + size > data.size()) {
    throw EInvalidGraphic(STR("Picture data is not valid: the bitmap ends early"));
  }
  auto bitmap = std::make_unique<TBitmap>();
  bitmap->LoadFromBmp(std::span<const uint8_t>(data).subspan(sizeAt + 4, size));
  bitmap->SetTransparent(FBitmap->Transparent());
  FBitmap = std::move(bitmap);
  FData = data;
}

void TPicture::Assign(const TPersistent* source) {
  if (const auto* picture = dynamic_cast<const TPicture*>(source)) {
    FBitmap->Assign(picture->FBitmap.get());
    FData = picture->FData;
  } else if (const auto* bitmap = dynamic_cast<const TBitmap*>(source)) {
    FBitmap->Assign(bitmap);
    FData.clear();
  } else {
    TPersistent::Assign(source);
  }
}
