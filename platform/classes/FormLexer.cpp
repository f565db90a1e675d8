#include "FormLexer.h"

#include <array>
#include <bit>
#include <cstring>

#include "classes/FormErrors.h"
#include "rtl/SysUtils.h"

namespace {

// What each byte can be, looked up once per byte on the hot path.
enum : uint8_t {
  kNameStart = 1,   // A-Z a-z _
  kNamePart = 2,    // a name start or a digit
  kBlank = 4,       // 1..32
  kStringStop = 8,  // ends a quoted run: ' CR LF NUL
  kPunct = 16,      // a token of its own: = : [ ] ( ) , . + < >
};

constexpr std::array<uint8_t, 256> kCharFlags = [] {
  std::array<uint8_t, 256> flags{};
  for (int c = 1; c <= ' '; ++c) flags[c] |= kBlank;
  for (int c = 'A'; c <= 'Z'; ++c) flags[c] |= kNameStart | kNamePart;
  for (int c = 'a'; c <= 'z'; ++c) flags[c] |= kNameStart | kNamePart;
  for (int c = '0'; c <= '9'; ++c) flags[c] |= kNamePart;
  flags['_'] |= kNameStart | kNamePart;
  for (const char c : {'\'', '\r', '\n', '\0'}) flags[static_cast<unsigned char>(c)] |= kStringStop;
  for (const char c : std::string_view("=:[](),.+<>"))
    flags[static_cast<unsigned char>(c)] |= kPunct;
  return flags;
}();

bool Has(char c, uint8_t flag) {
  return (kCharFlags[static_cast<unsigned char>(c)] & flag) != 0;
}
bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}
bool IsHex(char c) {
  return IsDigit(c) || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}
int HexValue(char c) {
  if (IsDigit(c)) return c - '0';
  return (c | 0x20) - 'a' + 10;
}
bool IsBlank(char c) {
  return Has(c, kBlank);
}
bool IsHigh(char c) {
  return static_cast<unsigned char>(c) >= 0x80;
}

// The first byte at or after i that is not a blank.
size_t SkipBlanks(std::string_view text, size_t i) {
  if constexpr (std::endian::native == std::endian::little) {
    for (; i + 8 <= text.size(); i += 8) {
      uint64_t word = 0;
      std::memcpy(&word, text.data() + i, 8);
      // Less one, a blank (1..32) is below 32. A zero byte borrows from the bytes after it,
      // but it is not a blank itself, so the first mark is still the first non-blank.
      const uint64_t marks = (word - 0x0101010101010101u) & 0xE0E0E0E0E0E0E0E0u;
      if (marks != 0) return i + static_cast<size_t>(std::countr_zero(marks)) / 8;
    }
  }
  while (i < text.size() && IsBlank(text[i])) ++i;
  return i;
}

// The first byte at or after i that ends a quoted run (' CR LF NUL); the size when none does.
size_t FindStringStop(std::string_view text, size_t i) {
  if constexpr (std::endian::native == std::endian::little) {
    constexpr uint64_t kOnes = 0x0101010101010101u;
    // Marks the zero bytes of v; a false mark can only follow a true one.
    const auto zeros = [](uint64_t v) { return (v - kOnes) & ~v & (kOnes * 0x80); };
    for (; i + 8 <= text.size(); i += 8) {
      uint64_t word = 0;
      std::memcpy(&word, text.data() + i, 8);
      const uint64_t marks = zeros(word) | zeros(word ^ (kOnes * '\'')) |
                             zeros(word ^ (kOnes * '\r')) | zeros(word ^ (kOnes * '\n'));
      if (marks != 0) return i + static_cast<size_t>(std::countr_zero(marks)) / 8;
    }
  }
  while (i < text.size() && !Has(text[i], kStringStop)) ++i;
  return i;
}

String Describe(char32_t c) {
  if (c > ' ' && c < 127) return STR("'") + String(1, static_cast<Char>(c)) + STR("'");
  return STR("#") + IntToStr(c);
}

}  // namespace

TFormLexer::TFormLexer(const std::string& source, size_t start, TFormEncoding encoding,
                       String fileName)
    : FSource(source), FEncoding(encoding), FFileName(std::move(fileName)), FPrevEnd(start) {
  FToken.End = start;
  Next();
}

size_t TFormLexer::NameCharLength(size_t i, bool first) const {
  const char c = FSource[i];
  if (!IsHigh(c)) return Has(c, first ? kNameStart : kNamePart) ? 1 : 0;
  size_t length = 0;
  return IsNameLetter(FormCharAt(FSource, i, FEncoding, length)) ? length : 0;
}

size_t TFormLexer::ScanName(size_t i) const {
  for (;;) {
    const char* text = FSource.data();
    while (Has(text[i], kNamePart)) ++i;
    if (i >= FSource.size() || !IsHigh(FSource[i])) return i;
    const size_t length = NameCharLength(i, false);
    if (length == 0) return i;
    i += length;
  }
}

void TFormLexer::ErrorHere(size_t offset, const String& message) const {
  const auto [line, column] = FormTextPosition(FSource, FormLineStarts(FSource), offset, FEncoding);
  throw EParserError(message, FFileName, line, column);
}

void TFormLexer::Error(const String& message) const {
  ErrorAt(FToken, message);
}

void TFormLexer::ErrorAt(const TFormToken& token, const String& message) const {
  ErrorHere(token.Start, message);
}

void TFormLexer::Next() {
  FPrevEnd = FToken.End;
  const size_t i = SkipBlanks(FSource, FToken.End);
  FToken.Start = i;
  FToken.Ch = 0;
  FToken.Int = 0;
  FToken.Plain = false;
  FToken.Word = TFormWord::wNone;
  if (i >= FSource.size()) {
    FToken.Kind = TFormTokenKind::Eof;
    FToken.End = i;
    return;
  }
  const char c = FSource[i];
  size_t end = i;
  if (Has(c, kNameStart)) {
    end = ScanName(i + 1);
    FToken.Kind = TFormTokenKind::Ident;
    FToken.Word = WordAt(i, end);
  } else if (c == '\'' || c == '#') {
    end = ScanString(i);
    FToken.Kind = TFormTokenKind::String;
  } else if (IsDigit(c) || c == '$' ||
             (c == '-' && i + 1 < FSource.size() &&
              (IsDigit(FSource[i + 1]) || FSource[i + 1] == '$'))) {
    end = ScanNumber(i);
  } else if (c == '{') {
    end = ScanBinary(i);
    FToken.Kind = TFormTokenKind::Binary;
  } else if (Has(c, kPunct)) {
    end = i + 1;
    FToken.Kind = TFormTokenKind::Char;
    FToken.Ch = c;
  } else if (const size_t first = IsHigh(c) ? NameCharLength(i, true) : 0; first > 0) {
    end = ScanName(i + first);
    FToken.Kind = TFormTokenKind::Ident;
  } else {
    size_t length = 0;
    ErrorHere(i, STR("Invalid character ") + Describe(FormCharAt(FSource, i, FEncoding, length)));
  }
  FToken.End = end;
}

size_t TFormLexer::ScanString(size_t i) {
  const size_t start = i;
  const int doubled = FDoubled;
  int parts = 0;
  for (; i < FSource.size(); ++parts) {
    if (FSource[i] == '\'') {
      ++i;
      for (;;) {
        i = FindStringStop(FSource, i);
        if (i >= FSource.size() || FSource[i] != '\'') {
          ErrorHere(start, STR("Unterminated string"));
        }
        if (i + 1 < FSource.size() && FSource[i + 1] == '\'') {
          ++FDoubled;
          i += 2;
          continue;
        }
        ++i;
        break;
      }
    } else if (FSource[i] == '#') {
      const size_t codeStart = i;
      ++i;
      uint32_t code = 0;
      size_t digits = 0;
      const bool hex = i < FSource.size() && FSource[i] == '$';
      if (hex) ++i;
      while (i < FSource.size() && (hex ? IsHex(FSource[i]) : IsDigit(FSource[i]))) {
        code = code * (hex ? 16 : 10) + static_cast<uint32_t>(HexValue(FSource[i]));
        if (code > 0xFFFF) ErrorHere(codeStart, STR("Invalid character code"));
        ++i;
        ++digits;
      }
      if (digits == 0) ErrorHere(codeStart, STR("Invalid character code"));
      if (code == '\'') ++FCoded;
    } else {
      break;
    }
  }
  FToken.Plain = parts == 1 && FSource[start] == '\'' && FDoubled == doubled;
  return i;
}

size_t TFormLexer::ScanNumber(size_t i) {
  const size_t start = i;
  bool negative = false;
  if (FSource[i] == '-') {
    negative = true;
    ++i;
  }
  FToken.Kind = TFormTokenKind::Integer;
  if (FSource[i] == '$') {
    ++i;
    uint64_t value = 0;
    size_t digits = 0;
    while (i < FSource.size() && IsHex(FSource[i])) {
      if (++digits > 16) ErrorHere(start, STR("Integer out of range"));
      value = value * 16 + static_cast<uint64_t>(HexValue(FSource[i++]));
    }
    if (digits == 0) ErrorHere(start, STR("Invalid number"));
    FToken.Int = negative ? -static_cast<int64_t>(value) : static_cast<int64_t>(value);
  } else {
    uint64_t value = 0;
    bool overflow = false;
    while (i < FSource.size() && IsDigit(FSource[i])) {
      const auto digit = static_cast<uint64_t>(FSource[i++] - '0');
      if (value > (UINT64_MAX - digit) / 10) overflow = true;
      value = value * 10 + digit;
    }
    if (i < FSource.size() && FSource[i] == '.') {
      FToken.Kind = TFormTokenKind::Float;
      ++i;
      if (i >= FSource.size() || !IsDigit(FSource[i])) ErrorHere(start, STR("Invalid number"));
      while (i < FSource.size() && IsDigit(FSource[i])) ++i;
    }
    if (i < FSource.size() && (FSource[i] == 'e' || FSource[i] == 'E')) {
      FToken.Kind = TFormTokenKind::Float;
      ++i;
      if (i < FSource.size() && (FSource[i] == '+' || FSource[i] == '-')) ++i;
      if (i >= FSource.size() || !IsDigit(FSource[i])) ErrorHere(start, STR("Invalid number"));
      while (i < FSource.size() && IsDigit(FSource[i])) ++i;
    }
    if (i < FSource.size() &&
        std::string_view("sScCdD").find(FSource[i]) != std::string_view::npos &&
        (i + 1 >= FSource.size() || NameCharLength(i + 1, false) == 0)) {
      FToken.Kind = TFormTokenKind::Float;
      ++i;
    }
    if (FToken.Kind == TFormTokenKind::Integer) {
      const uint64_t limit = negative ? uint64_t{1} << 63 : (uint64_t{1} << 63) - 1;
      if (overflow || value > limit) ErrorHere(start, STR("Integer out of range"));
      FToken.Int = negative ? static_cast<int64_t>(0 - value) : static_cast<int64_t>(value);
    }
  }
  if (i < FSource.size() && NameCharLength(i, false) > 0) ErrorHere(start, STR("Invalid number"));
  return i;
}

size_t TFormLexer::ScanBinary(size_t i) const {
  const size_t start = i++;
  size_t digits = 0;
  while (i < FSource.size() && FSource[i] != '}') {
    if (IsHex(FSource[i])) {
      ++digits;
    } else if (!IsBlank(FSource[i])) {
      size_t length = 0;
      ErrorHere(
          i, STR("Invalid binary value: ") + Describe(FormCharAt(FSource, i, FEncoding, length)));
    }
    ++i;
  }
  if (i >= FSource.size()) ErrorHere(start, STR("Unterminated binary value"));
  if (digits % 2 != 0) ErrorHere(start, STR("Odd number of hex digits in binary value"));
  return i + 1;
}

TFormWord TFormLexer::WordAt(size_t start, size_t end) const {
  const auto is = [&](std::string_view word) {
    for (size_t k = 0; k < word.size(); ++k) {
      if ((FSource[start + k] | 0x20) != word[k]) return false;
    }
    return true;
  };
  switch (end - start) {
    case 3:
      return is("end") ? TFormWord::wEnd : TFormWord::wNone;
    case 4:
      return is("item") ? TFormWord::wItem : TFormWord::wNone;
    case 6:
      return is("object")   ? TFormWord::wObject
             : is("inline") ? TFormWord::wInline
                            : TFormWord::wNone;
    case 9:
      return is("inherited") ? TFormWord::wInherited : TFormWord::wNone;
    default:
      return TFormWord::wNone;
  }
}

bool TFormLexer::FollowedBy(char c) const {
  size_t i = FToken.End;
  while (i < FSource.size() && IsBlank(FSource[i])) ++i;
  return i < FSource.size() && FSource[i] == c;
}

bool TFormLexer::OnNewLine() const {
  return FSource.substr(FPrevEnd, FToken.Start - FPrevEnd).find_first_of("\r\n") !=
         std::string_view::npos;
}

std::string_view TFormLexer::Spelling() const {
  return FSource.substr(FToken.Start, FToken.End - FToken.Start);
}

String TFormLexer::TokenString() const {
  return DecodeFormBytes(Spelling(), FEncoding);
}

void TFormLexer::AppendString(TFormStringBuilder& builder) const {
  size_t i = FToken.Start;
  while (i < FToken.End) {
    if (FSource[i] == '\'') {
      size_t run = ++i;
      for (;;) {
        i = FSource.find('\'', i);  // ScanString saw the closing one
        builder.AddQuoted(FSource.substr(run, i - run));
        if (i + 1 < FToken.End && FSource[i + 1] == '\'') {
          builder.AddQuoted("'");
          i += 2;
          run = i;
          continue;
        }
        ++i;
        break;
      }
    } else {
      ++i;  // '#'
      const bool hex = FSource[i] == '$';
      if (hex) ++i;
      uint32_t code = 0;
      while (i < FToken.End && (hex ? IsHex(FSource[i]) : IsDigit(FSource[i]))) {
        code = code * (hex ? 16 : 10) + static_cast<uint32_t>(HexValue(FSource[i++]));
      }
      builder.AddCode(code);
    }
  }
}

std::string TFormLexer::BinaryBytes() const {
  std::string bytes;
  bytes.reserve((FToken.End - FToken.Start) / 2);
  int high = -1;
  for (size_t i = FToken.Start + 1; i + 1 < FToken.End; ++i) {
    if (!IsHex(FSource[i])) continue;
    if (high < 0) {
      high = HexValue(FSource[i]);
    } else {
      bytes += static_cast<char>(high * 16 + HexValue(FSource[i]));
      high = -1;
    }
  }
  return bytes;
}
