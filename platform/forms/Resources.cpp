#include "forms/Resources.h"

#include <fstream>
#include <iterator>

#include "forms/Form.h"

std::shared_ptr<TBitmap> LoadBitmapResource(StringView name) {
  std::ifstream file(LayoutDirectory() / (ToUtf8(name) + ".bmp"), std::ios::binary);
  if (!file) return nullptr;
  const std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(file)),
                                   std::istreambuf_iterator<char>());
  auto bitmap = std::make_shared<TBitmap>();
  bitmap->LoadFromBmp(bytes);
  return bitmap;
}
