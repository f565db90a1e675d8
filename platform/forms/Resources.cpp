#include "forms/Resources.h"

#include <fstream>
#include <iterator>

#include "forms/Form.h"

namespace {

std::shared_ptr<TBitmap> BitmapFrom(std::span<const uint8_t> bytes, StringView name) {
  auto bitmap = std::make_shared<TBitmap>();
  bitmap->LoadFromBmp(bytes);
  bitmap->SetResourceName(String(name));
  return bitmap;
}

}  // namespace

std::shared_ptr<TBitmap> LoadBitmapResource(StringView name) {
  std::ifstream file(LayoutDirectory() / (ToUtf8(name) + ".bmp"), std::ios::binary);
  if (!file) return nullptr;
  const std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(file)),
                                   std::istreambuf_iterator<char>());
  return BitmapFrom(bytes, name);
}

std::shared_ptr<TBitmap> LoadBitmapResource(const TPackageResourceTable& resources,
                                            StringView name) {
  for (int i = 0; i < resources.Count; ++i) {
    const TPackageResource& r = resources.Items[i];
    if (SameText(FromUtf8(r.Name), name)) return BitmapFrom({r.Data, r.Size}, FromUtf8(r.Name));
  }
  return nullptr;
}
