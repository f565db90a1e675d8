#include "FormLexer.h"

#include "classes/FormErrors.h"
#include "rtl/SysUtils.h"

namespace {

bool IsIdentStart(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
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
  return c > 0 && static_cast<unsigned char>(c) <= ' ';
}

String Describe(char32_t c) {
  if (c > ' ' && c < 127) return STR("'") + String(1, static_cast<Char>(c)) + STR("'");
  return STR("#") + IntToStr(c);
}

}  // namespace

TFormLexer::TFormLexer(std::string_view source, size_t start, TFormEncoding encoding,
                       String fileName)
    : FSource(source),
      FEncoding(encoding),
      FFileName(std::move(fileName)),
      FPos(start),
      FPrevEnd(start) {
  FToken.End = start;
  Next();
}

size_t TFormLexer::NameCharLength(size_t i, bool first) const {
  const char c = FSource[i];
  if (static_cast<unsigned char>(c) < 0x80)
    return IsIdentStart(c) || (!first && IsDigit(c)) ? 1 : 0;
  size_t length = 0;
  return IsNameLetter(FormCharAt(FSource, i, FEncoding, length)) ? length : 0;
}

void TFormLexer::MoveTo(size_t offset) {
  for (; FPos < offset; ++FPos) {
    const char c = FSource[FPos];
    if (c == '\n' || (c == '\r' && (FPos + 1 >= FSource.size() || FSource[FPos + 1] != '\n'))) {
      ++FLine;
      FColumn = 1;
    } else if (c == '\r' || (FEncoding == TFormEncoding::feUtf8 &&
                             (static_cast<unsigned char>(c) & 0xC0) == 0x80)) {
      // CR of CR LF, and UTF-8 continuation bytes, take no column
    } else {
      ++FColumn;
    }
  }
}

void TFormLexer::ErrorHere(size_t offset, const String& message) {
  MoveTo(offset);
  throw EParserError(message, FFileName, FLine, FColumn);
}

void TFormLexer::Error(const String& message) const {
  ErrorAt(FToken, message);
}

void TFormLexer::ErrorAt(const TFormToken& token, const String& message) const {
  throw EParserError(message, FFileName, token.Line, token.Column);
}

void TFormLexer::Next() {
  FPrevEnd = FToken.End;
  size_t i = FPos;
  while (i < FSource.size() && IsBlank(FSource[i])) ++i;
  MoveTo(i);
  FToken = TFormToken{};
  FToken.Start = i;
  FToken.Line = FLine;
  FToken.Column = FColumn;
  size_t end = i;
  if (i >= FSource.size()) {
    FToken.Kind = TFormTokenKind::Eof;
  } else {
    const char c = FSource[i];
    if (const size_t first = NameCharLength(i, true); first > 0) {
      end = i + first;
      while (end < FSource.size()) {
        const size_t next = NameCharLength(end, false);
        if (next == 0) break;
        end += next;
      }
      FToken.Kind = TFormTokenKind::Ident;
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
    } else if (std::string_view("=:[](),.+<>").find(c) != std::string_view::npos) {
      end = i + 1;
      FToken.Kind = TFormTokenKind::Char;
      FToken.Ch = c;
    } else {
      size_t length = 0;
      ErrorHere(i, STR("Invalid character ") + Describe(FormCharAt(FSource, i, FEncoding, length)));
    }
  }
  FToken.End = end;
  MoveTo(end);
}

size_t TFormLexer::ScanString(size_t i) {
  const size_t start = i;
  while (i < FSource.size()) {
    if (FSource[i] == '\'') {
      ++i;
      for (;;) {
        if (i >= FSource.size() || FSource[i] == '\r' || FSource[i] == '\n' || FSource[i] == 0) {
          ErrorHere(start, STR("Unterminated string"));
        }
        if (FSource[i] == '\'') {
          if (i + 1 < FSource.size() && FSource[i + 1] == '\'') {
            ++FDoubled;
            i += 2;
            continue;
          }
          ++i;
          break;
        }
        ++i;
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

size_t TFormLexer::ScanBinary(size_t i) {
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

bool TFormLexer::IsWord(std::string_view word) const {
  if (FToken.Kind != TFormTokenKind::Ident || FToken.End - FToken.Start != word.size())
    return false;
  for (size_t k = 0; k < word.size(); ++k) {
    if ((FSource[FToken.Start + k] | 0x20) != word[k]) return false;
  }
  return true;
}

bool TFormLexer::FollowedBy(char c) const {
  size_t i = FToken.End;
  while (i < FSource.size() && IsBlank(FSource[i])) ++i;
  return i < FSource.size() && FSource[i] == c;
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
        if (FSource[i] == '\'') {
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
        ++i;
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
