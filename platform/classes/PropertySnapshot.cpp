#include "PropertySnapshot.h"

#include <cstring>

namespace {

// Which parts of a value follow its kind.
enum : uint8_t { kText = 1, kInt = 2, kNames = 4, kItems = 8, kCollection = 16, kBytes = 32 };

class TPacker {
 public:
  std::string Bytes;

  void Properties(const TFormProperties& properties) {
    Size(properties.size());
    for (const TFormProperty& p : properties) {
      Str(p.Name);
      Value(p.Value);
    }
  }

 private:
  void Size(size_t n) {
    for (; n >= 0x80; n >>= 7) Bytes += static_cast<char>(0x80 | (n & 0x7F));
    Bytes += static_cast<char>(n);
  }
  void Raw(const void* data, size_t size) { Bytes.append(static_cast<const char*>(data), size); }
  void Str(StringView text) {
    Size(text.size());
    Raw(text.data(), text.size() * sizeof(Char));
  }
  void Int(int64_t value) { Raw(&value, sizeof value); }

  void Value(const TFormValue& v) {
    const uint8_t parts = (v.Text.empty() ? 0 : kText) | (v.Int == 0 ? 0 : kInt) |
                          (v.Names().empty() ? 0 : kNames) | (v.Items().empty() ? 0 : kItems) |
                          (v.CollectionItems().empty() ? 0 : kCollection) |
                          (v.Bytes().empty() ? 0 : kBytes);
    Bytes += static_cast<char>(v.Kind);
    Bytes += static_cast<char>(parts);
    if (parts & kText) Str(v.Text);
    if (parts & kInt) Int(v.Int);
    if (parts & kNames) {
      Size(v.Names().size());
      for (const String& name : v.Names()) Str(name);
    }
    if (parts & kItems) {
      Size(v.Items().size());
      for (const TFormValue& item : v.Items()) Value(item);
    }
    if (parts & kCollection) {
      Size(v.CollectionItems().size());
      for (const TFormItem& item : v.CollectionItems()) {
        Bytes += static_cast<char>(item.Order.has_value());
        if (item.Order) Int(*item.Order);
        Str(item.ItemClass);
        Properties(item.Properties);
      }
    }
    if (parts & kBytes) {
      Size(v.Bytes().size());
      Raw(v.Bytes().data(), v.Bytes().size());
    }
  }
};

class TUnpacker {
 public:
  explicit TUnpacker(const std::string& bytes) : FBytes(bytes) {}

  TFormProperties Properties() {
    TFormProperties properties(Size());
    for (TFormProperty& p : properties) {
      p.Name = Str();
      p.Value = Value();
    }
    return properties;
  }

 private:
  size_t Size() {
    size_t n = 0;
    for (int shift = 0;; shift += 7) {
      const auto b = static_cast<uint8_t>(FBytes[FPos++]);
      n |= static_cast<size_t>(b & 0x7F) << shift;
      if (b < 0x80) return n;
    }
  }
  void Raw(void* data, size_t size) {
    std::memcpy(data, FBytes.data() + FPos, size);
    FPos += size;
  }
  String Str() {
    String text(Size(), Char());
    Raw(text.data(), text.size() * sizeof(Char));
    return text;
  }
  int64_t Int() {
    int64_t value = 0;
    Raw(&value, sizeof value);
    return value;
  }

  TFormValue Value() {
    TFormValue v;
    v.Kind = static_cast<TFormValueKind>(FBytes[FPos++]);
    const auto parts = static_cast<uint8_t>(FBytes[FPos++]);
    if (parts & kText) v.Text = Str();
    if (parts & kInt) v.Int = Int();
    if (parts & kNames) {
      v.Names().resize(Size());
      for (String& name : v.Names()) name = Str();
    }
    if (parts & kItems) {
      v.Items().resize(Size());
      for (TFormValue& item : v.Items()) item = Value();
    }
    if (parts & kCollection) {
      v.CollectionItems().resize(Size());
      for (TFormItem& item : v.CollectionItems()) {
        if (FBytes[FPos++] != 0) item.Order = Int();
        item.ItemClass = Str();
        item.Properties = Properties();
      }
    }
    if (parts & kBytes) {
      v.Bytes().resize(Size());
      Raw(v.Bytes().data(), v.Bytes().size());
    }
    return v;
  }

  const std::string& FBytes;
  size_t FPos = 0;
};

}  // namespace

TPropertySnapshot::TPropertySnapshot(const TFormProperties& properties) {
  TPacker packer;
  packer.Properties(properties);
  packer.Bytes.shrink_to_fit();
  FBytes = std::move(packer.Bytes);
}

TFormProperties TPropertySnapshot::Properties() const {
  if (FBytes.empty()) return {};
  return TUnpacker(FBytes).Properties();
}
