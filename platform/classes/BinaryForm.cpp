#include "BinaryForm.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstring>

#include "FormEncoding.h"
#include "classes/FormErrors.h"
#include "classes/FormText.h"
#include "rtl/SysUtils.h"

namespace {

enum TValueType : uint8_t {
  vaNull,
  vaList,
  vaInt8,
  vaInt16,
  vaInt32,
  vaExtended,
  vaString,
  vaIdent,
  vaFalse,
  vaTrue,
  vaBinary,
  vaSet,
  vaLString,
  vaNil,
  vaCollection,
  vaSingle,
  vaCurrency,
  vaDate,
  vaWString,
  vaInt64,
  vaUTF8String,
  vaDouble
};

constexpr uint8_t kFlagsPrefix = 0xF0;
constexpr uint8_t ffInherited = 1;
constexpr uint8_t ffChildPos = 2;
constexpr uint8_t ffInline = 4;
constexpr std::string_view kSignature = "TPF0";

template <class T>
void Put(std::string& out, T value) {
  char bytes[sizeof(T)];
  std::memcpy(bytes, &value, sizeof(T));  // the format is little-endian, as is the host
  out.append(bytes, sizeof(T));
}

// 80-bit extended precision, as the host stores floats.
void PutExtended(std::string& out, double value) {
  const auto bits = std::bit_cast<uint64_t>(value);
  const auto sign = static_cast<uint16_t>(bits >> 63);
  const int exponent = static_cast<int>((bits >> 52) & 0x7FF);
  uint64_t fraction = bits & ((uint64_t{1} << 52) - 1);
  uint64_t mantissa = 0;
  uint16_t biased = 0;
  if (exponent == 0x7FF) {
    biased = 0x7FFF;
    mantissa = (uint64_t{1} << 63) | (fraction << 11);
  } else if (exponent != 0 || fraction != 0) {
    int e = exponent - 1023;
    if (exponent == 0) {  // subnormal: normalise
      e = -1022;
      while ((fraction & (uint64_t{1} << 52)) == 0) {
        fraction <<= 1;
        --e;
      }
      fraction &= (uint64_t{1} << 52) - 1;
    }
    biased = static_cast<uint16_t>(e + 16383);
    mantissa = (uint64_t{1} << 63) | (fraction << 11);
  }
  Put(out, mantissa);
  Put(out, static_cast<uint16_t>((sign << 15) | biased));
}

double ExtendedToDouble(uint64_t mantissa, uint16_t signAndExponent) {
  const bool negative = (signAndExponent & 0x8000) != 0;
  const int biased = signAndExponent & 0x7FFF;
  double value = 0;
  if (biased == 0x7FFF) {
    value = (mantissa << 1) == 0 ? HUGE_VAL : std::nan("");
  } else if (mantissa != 0) {
    value = std::ldexp(static_cast<double>(mantissa), biased - 16383 - 63);
  }
  return negative ? -value : value;
}

class TBinaryWriter {
 public:
  explicit TBinaryWriter(const String& fileName) : FFileName(fileName) {}

  std::string Write(const TFormObject& root) {
    FOut.append(kSignature);
    Object(root);
    return std::move(FOut);
  }

 private:
  void ShortString(const String& text, int line, int column) {
    const std::string bytes = ToUtf8(text);
    if (bytes.size() > 255) {
      throw EFormError(STR("Name too long for binary form data: ") + text, FFileName, line, column);
    }
    FOut += static_cast<char>(bytes.size());
    FOut += bytes;
  }

  void Integer(int64_t value) {
    if (value >= INT8_MIN && value <= INT8_MAX) {
      FOut += static_cast<char>(vaInt8);
      Put(FOut, static_cast<int8_t>(value));
    } else if (value >= INT16_MIN && value <= INT16_MAX) {
      FOut += static_cast<char>(vaInt16);
      Put(FOut, static_cast<int16_t>(value));
    } else if (value >= INT32_MIN && value <= INT32_MAX) {
      FOut += static_cast<char>(vaInt32);
      Put(FOut, static_cast<int32_t>(value));
    } else {
      FOut += static_cast<char>(vaInt64);
      Put(FOut, value);
    }
  }

  void Float(const TFormValue& value) {
    const Char suffix = value.Text.empty() ? Char('0') : value.Text.back();
    const double number = value.AsFloat();
    if (suffix == 's' || suffix == 'S') {
      FOut += static_cast<char>(vaSingle);
      Put(FOut, static_cast<float>(number));
    } else if (suffix == 'c' || suffix == 'C') {
      FOut += static_cast<char>(vaCurrency);
      Put(FOut, static_cast<int64_t>(std::llround(number * 10000)));
    } else if (suffix == 'd' || suffix == 'D') {
      FOut += static_cast<char>(vaDate);
      Put(FOut, number);
    } else {
      FOut += static_cast<char>(vaExtended);
      PutExtended(FOut, number);
    }
  }

  void Str(const String& text) {
#if OMBRIX_WIDE_STRINGS
    const bool ascii = std::all_of(text.begin(), text.end(), [](Char c) { return c < 0x80; });
    if (!ascii) {
      FOut += static_cast<char>(vaWString);
      Put(FOut, static_cast<int32_t>(text.size()));
      for (char16_t unit : text) Put(FOut, static_cast<uint16_t>(unit));
      return;
    }
#endif
    const std::string bytes = ToUtf8(text);
    if (bytes.size() <= 255) {
      FOut += static_cast<char>(vaString);
      FOut += static_cast<char>(bytes.size());
    } else {
      FOut += static_cast<char>(vaLString);
      Put(FOut, static_cast<int32_t>(bytes.size()));
    }
    FOut += bytes;
  }

  void Value(const TFormValue& value, int line, int column) {
    switch (value.Kind) {
      case TFormValueKind::fvInteger:
        Integer(value.Int);
        return;
      case TFormValueKind::fvFloat:
        Float(value);
        return;
      case TFormValueKind::fvString:
        Str(value.Text);
        return;
      case TFormValueKind::fvIdent:
        if (SameText(value.Text, STR("False"))) {
          FOut += static_cast<char>(vaFalse);
        } else if (SameText(value.Text, STR("True"))) {
          FOut += static_cast<char>(vaTrue);
        } else if (SameText(value.Text, STR("nil"))) {
          FOut += static_cast<char>(vaNil);
        } else {
          FOut += static_cast<char>(vaIdent);
          ShortString(value.Text, line, column);
        }
        return;
      case TFormValueKind::fvSet:
        FOut += static_cast<char>(vaSet);
        for (const String& name : value.Names()) ShortString(name, line, column);
        FOut += '\0';
        return;
      case TFormValueKind::fvList:
        FOut += static_cast<char>(vaList);
        for (const TFormValue& item : value.Items()) Value(item, line, column);
        FOut += '\0';
        return;
      case TFormValueKind::fvCollection:
        FOut += static_cast<char>(vaCollection);
        for (const TFormItem& item : value.CollectionItems()) {
          if (item.Order) Integer(*item.Order);
          FOut += static_cast<char>(vaList);
          Properties(item.Properties);
        }
        FOut += '\0';
        return;
      case TFormValueKind::fvBinary:
        FOut += static_cast<char>(vaBinary);
        Put(FOut, static_cast<int32_t>(value.Bytes().size()));
        FOut += value.Bytes();
        return;
    }
  }

  void Properties(const TFormProperties& properties) {
    for (const TFormProperty& p : properties) {
      const auto [line, column] = p.Source.Position();
      ShortString(p.Name, line, column);
      Value(p.Value, line, column);
    }
    FOut += '\0';
  }

  void Object(const TFormObject& object) {
    uint8_t flags = 0;
    if (object.Kind == TFormObjectKind::okInherited) flags |= ffInherited;
    if (object.Kind == TFormObjectKind::okInline) flags |= ffInline;
    if (object.Order) flags |= ffChildPos;
    if (flags != 0) FOut += static_cast<char>(kFlagsPrefix | flags);
    if (object.Order) Integer(*object.Order);
    const auto [line, column] = object.Head.Position();
    ShortString(object.ClassName, line, column);
    ShortString(object.Name, line, column);
    Properties(object.Properties);
    for (int i = 0; i < object.ChildCount(); ++i) Object(*object.Child(i));
    FOut += '\0';
  }

  String FFileName;
  std::string FOut;
};

class TBinaryReader {
 public:
  explicit TBinaryReader(std::string_view bytes) : FBytes(bytes) {}

  std::unique_ptr<TFormObject> Read() {
    if (FBytes.substr(0, kSignature.size()) != kSignature) Fail(STR("Invalid stream format"));
    FPos = kSignature.size();
    return Object();
  }
  size_t Used() const { return FPos; }

 private:
  [[noreturn]] void Fail(const String& message) const {
    throw EReadError(message, STR("binary form data"), 0, static_cast<int>(FPos));
  }
  void Need(size_t count) const {
    if (count > FBytes.size() - FPos) Fail(STR("Stream read error"));
  }
  uint8_t Byte() {
    Need(1);
    return static_cast<uint8_t>(FBytes[FPos++]);
  }
  uint8_t Peek() const {
    Need(1);
    return static_cast<uint8_t>(FBytes[FPos]);
  }
  template <class T>
  T Get() {
    Need(sizeof(T));
    T value;
    std::memcpy(&value, FBytes.data() + FPos, sizeof(T));
    FPos += sizeof(T);
    return value;
  }
  std::string_view Bytes(int64_t count) {
    if (count < 0) Fail(STR("Invalid stream format"));
    Need(static_cast<size_t>(count));
    const std::string_view bytes = FBytes.substr(FPos, static_cast<size_t>(count));
    FPos += static_cast<size_t>(count);
    return bytes;
  }
  String ShortString() {
    const std::string_view bytes = Bytes(Byte());
    return String(bytes.begin(), bytes.end());
  }
  void Enter() {
    if (++FDepth > kMaxFormNesting) {
      Fail(STR("Nesting deeper than ") + IntToStr(kMaxFormNesting) + STR(" levels"));
    }
  }

  static bool IsInteger(uint8_t type) {
    return type == vaInt8 || type == vaInt16 || type == vaInt32 || type == vaInt64;
  }
  int64_t Integer() {
    switch (Byte()) {
      case vaInt8:
        return Get<int8_t>();
      case vaInt16:
        return Get<int16_t>();
      case vaInt32:
        return Get<int32_t>();
      case vaInt64:
        return Get<int64_t>();
      default:
        Fail(STR("Integer expected"));
    }
  }

  static String AnsiText(std::string_view bytes) {
    TFormStringBuilder builder(TFormEncoding::feWindows1252);
    builder.AddQuoted(bytes);
    return builder.Take();
  }
  static String Utf8Text(std::string_view bytes) { return FromUtf8(bytes); }

  TFormValue Value() {
    const uint8_t type = Byte();
    switch (type) {
      case vaNull:
        return TFormValue::Ident(STR("Null"));
      case vaList: {
        Enter();
        std::vector<TFormValue> items;
        while (Peek() != vaNull) items.push_back(Value());
        ++FPos;
        --FDepth;
        return TFormValue::List(std::move(items));
      }
      case vaInt8:
      case vaInt16:
      case vaInt32:
      case vaInt64:
        --FPos;
        return TFormValue::Integer(Integer());
      case vaExtended: {
        const auto mantissa = Get<uint64_t>();
        return Suffixed(ExtendedToDouble(mantissa, Get<uint16_t>()), String());
      }
      case vaDouble:
        return Suffixed(Get<double>(), String());
      case vaSingle:
        return Suffixed(Get<float>(), STR("s"));
      case vaCurrency:
        return Suffixed(static_cast<double>(Get<int64_t>()) / 10000, STR("c"));
      case vaDate:
        return Suffixed(Get<double>(), STR("d"));
      case vaString:
        return TFormValue::Str(kWideStrings ? AnsiText(Bytes(Byte())) : Utf8Text(Bytes(Byte())));
      case vaLString: {
        const std::string_view bytes = Bytes(Get<int32_t>());
        return TFormValue::Str(kWideStrings ? AnsiText(bytes) : Utf8Text(bytes));
      }
      case vaUTF8String:
        return TFormValue::Str(Utf8Text(Bytes(Get<int32_t>())));
      case vaWString: {
        const int32_t count = Get<int32_t>();
        const std::string_view bytes = Bytes(int64_t{count} * 2);
        std::u16string text(static_cast<size_t>(count), u'\0');
        std::memcpy(text.data(), bytes.data(), bytes.size());
#if OMBRIX_WIDE_STRINGS
        return TFormValue::Str(std::move(text));
#else
        return TFormValue::Str(Utf16ToUtf8(text));
#endif
      }
      case vaIdent:
        return TFormValue::Ident(ShortString());
      case vaFalse:
        return TFormValue::Ident(STR("False"));
      case vaTrue:
        return TFormValue::Ident(STR("True"));
      case vaNil:
        return TFormValue::Ident(STR("nil"));
      case vaBinary:
        return TFormValue::Binary(std::string(Bytes(Get<int32_t>())));
      case vaSet: {
        std::vector<String> names;
        for (String name = ShortString(); !name.empty(); name = ShortString()) {
          names.push_back(std::move(name));
        }
        return TFormValue::Set(std::move(names));
      }
      case vaCollection:
        return Collection();
      default:
        --FPos;
        Fail(STR("Invalid property value type ") + IntToStr(type));
    }
  }

  // Form text has no spelling for infinities and NaNs.
  TFormValue Suffixed(double value, const String& suffix) const {
    if (!std::isfinite(value)) Fail(STR("Invalid floating point value"));
    return TFormValue::FloatText(TFormValue::Float(value).Text + suffix);
  }

  TFormValue Collection() {
    Enter();
    TFormValue value = TFormValue::Collection({});
    while (Peek() != vaNull) {
      TFormItem item;
      if (IsInteger(Peek())) item.Order = Integer();
      if (Byte() != vaList) Fail(STR("Invalid stream format"));
      item.Properties = Properties();
      value.CollectionItems().push_back(std::move(item));
    }
    ++FPos;
    --FDepth;
    return value;
  }

  TFormProperties Properties() {
    TFormProperties properties;
    while (Peek() != vaNull) {
      TFormProperty& p = properties.emplace_back();
      p.Name = ShortString();
      p.Value = Value();
    }
    ++FPos;
    return properties;
  }

  std::unique_ptr<TFormObject> Object() {
    Enter();
    auto object = std::make_unique<TFormObject>();
    if ((Peek() & 0xF0) == kFlagsPrefix) {
      const uint8_t flags = Byte() & 0x0F;
      if ((flags & ffInherited) != 0) object->Kind = TFormObjectKind::okInherited;
      if ((flags & ffInline) != 0) object->Kind = TFormObjectKind::okInline;
      if ((flags & ffChildPos) != 0) object->Order = Integer();
    }
    object->ClassName = ShortString();
    object->Name = ShortString();
    if (object->ClassName.empty()) Fail(STR("Invalid stream format"));
    object->Properties = Properties();
    while (Peek() != vaNull) object->AddChild(Object());
    ++FPos;
    --FDepth;
    return object;
  }

  std::string_view FBytes;
  size_t FPos = 0;
  int FDepth = 0;
};

}  // namespace

std::string WriteBinaryForm(const TFormDocument& document) {
  return TBinaryWriter(document.FileName).Write(*document.Root);
}

std::unique_ptr<TFormDocument> ReadBinaryForm(std::string_view bytes, size_t& used) {
  TBinaryReader reader(bytes);
  auto document = std::make_unique<TFormDocument>();
  document->FileName = STR("binary form data");
  document->Root = reader.Read();
  used = reader.Used();
  return document;
}
