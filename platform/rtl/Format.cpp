#include "rtl/Format.h"

#include <algorithm>

#include "rtl/Exceptions.h"

namespace {

// Keeps a mistyped width from allocating gigabytes.
constexpr size_t kMaxNumber = 1 << 24;

String UnsignedText(uint64_t value, unsigned base) {
  String digits;
  do {
    const auto digit = static_cast<unsigned>(value % base);
    digits += static_cast<Char>(digit < 10 ? '0' + digit : 'A' + digit - 10);
    value /= base;
  } while (value != 0);
  std::reverse(digits.begin(), digits.end());
  return digits;
}

// Parses one specifier after its "%" and appends its text; owns the position in the format and
// the argument index that plain specifiers continue from.
class TFormatter {
 public:
  TFormatter(StringView format, std::initializer_list<TVarRec> args)
      : FFormat(format), FArgs(args) {}

  String Run() {
    String out;
    out.reserve(FFormat.size());
    while (FPos < FFormat.size()) {
      const size_t percent = FFormat.find('%', FPos);
      if (percent == StringView::npos) {
        out.append(FFormat.substr(FPos));
        break;
      }
      out.append(FFormat.substr(FPos, percent - FPos));
      FPos = percent + 1;
      if (FPos < FFormat.size() && FFormat[FPos] == '%') {
        out += '%';
        ++FPos;
      } else {
        AppendSpecifier(out);
      }
    }
    return out;
  }

 private:
  [[noreturn]] void Invalid() const {
    throw EConvertError(STR("Format '") + String(FFormat) +
                        STR("' invalid or incompatible with argument"));
  }
  [[noreturn]] void Missing() const {
    throw EConvertError(STR("No argument for format '") + String(FFormat) + STR("'"));
  }

  bool AtDigit() const {
    return FPos < FFormat.size() && FFormat[FPos] >= '0' && FFormat[FPos] <= '9';
  }
  bool Take(Char c) {
    if (FPos < FFormat.size() && FFormat[FPos] == c) {
      ++FPos;
      return true;
    }
    return false;
  }
  size_t Number() {
    size_t value = 0;
    while (AtDigit()) {
      value = value * 10 + static_cast<size_t>(FFormat[FPos++] - '0');
      if (value > kMaxNumber) Invalid();
    }
    return value;
  }

  void AppendSpecifier(String& out) {
    size_t width = 0;
    bool hasNumber = AtDigit();
    size_t number = Number();
    if (hasNumber && Take(':')) {
      FArgIndex = number;
      hasNumber = false;
    }
    bool leftJustify = false;
    if (!hasNumber) {
      leftJustify = Take('-');
      width = Number();
    } else {
      width = number;
    }
    bool hasPrecision = Take('.');
    const size_t precision = hasPrecision ? Number() : 0;
    if (FPos >= FFormat.size()) Invalid();
    const Char type = FFormat[FPos++];
    if (FArgIndex >= FArgs.size()) Missing();
    const TVarRec& arg = FArgs.begin()[FArgIndex++];

    String text;
    switch (type | 0x20) {
      case 's':
        if (arg.Kind() != TVarRec::TKind::vtString) Invalid();
        text = String(arg.AsString().substr(0, hasPrecision ? precision : StringView::npos));
        break;
      case 'd':
        if (arg.Kind() != TVarRec::TKind::vtInteger) Invalid();
        text = arg.SignedDigits();
        PadDigits(text, precision, text.starts_with('-') ? 1 : 0);
        break;
      case 'u':
      case 'x':
        if (arg.Kind() != TVarRec::TKind::vtInteger) Invalid();
        text = UnsignedText(arg.UnsignedBits(), (type | 0x20) == 'u' ? 10 : 16);
        PadDigits(text, precision, 0);
        break;
      default:
        Invalid();
    }
    if (text.size() < width) {
      const String blanks(width - text.size(), ' ');
      text = leftJustify ? text + blanks : blanks + text;
    }
    out += text;
  }

  // Zeros after the sign up to the precision's number of digits.
  static void PadDigits(String& text, size_t precision, size_t signLength) {
    const size_t digits = text.size() - signLength;
    if (digits < precision) text.insert(signLength, precision - digits, '0');
  }

  StringView FFormat;
  std::initializer_list<TVarRec> FArgs;
  size_t FPos = 0;
  size_t FArgIndex = 0;
};

}  // namespace

String TVarRec::SignedDigits() const {
  if (FUnsigned || FInteger >= 0) return UnsignedText(static_cast<uint64_t>(FInteger), 10);
  return STR("-") + UnsignedText(0 - static_cast<uint64_t>(FInteger), 10);
}

uint64_t TVarRec::UnsignedBits() const {
  const auto bits = static_cast<uint64_t>(FInteger);
  return FWide ? bits : static_cast<uint32_t>(bits);
}

String Format(StringView format, std::initializer_list<TVarRec> args) {
  return TFormatter(format, args).Run();
}
