#include "rtl/SysUtils.h"

#include <limits>

#include "rtl/Exceptions.h"

namespace {

Char FoldUpper(Char c) {
  return c >= 'a' && c <= 'z' ? static_cast<Char>(c - 32) : c;
}
Char FoldLower(Char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<Char>(c + 32) : c;
}
bool IsBlank(Char c) {
  return static_cast<uint32_t>(static_cast<std::make_unsigned_t<Char>>(c)) <= 32;
}

// Parses the whole text as a 32-bit integer the way the host runtime does: blanks before, an
// optional sign, then decimal digits or '$'/'0x' hex digits.
bool TryStrToInt(StringView text, int32_t& value) {
  size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
  unsigned base = 10;
  if (i < text.size() && text[i] == '$') {
    base = 16;
    ++i;
  } else if (i + 1 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
    base = 16;
    i += 2;
  }
  if (i == text.size()) return false;
  uint64_t magnitude = 0;
  for (; i < text.size(); ++i) {
    const Char c = FoldLower(text[i]);
    unsigned digit;
    if (c >= '0' && c <= '9') {
      digit = static_cast<unsigned>(c - '0');
    } else if (base == 16 && c >= 'a' && c <= 'f') {
      digit = static_cast<unsigned>(c - 'a' + 10);
    } else {
      return false;
    }
    magnitude = magnitude * base + digit;
    if (magnitude > 0xFFFFFFFFull) return false;
  }
  if (base == 10) {
    const uint64_t limit = negative ? 0x80000000ull : 0x7FFFFFFFull;
    if (magnitude > limit) return false;
    value = static_cast<int32_t>(negative ? -static_cast<int64_t>(magnitude)
                                          : static_cast<int64_t>(magnitude));
  } else {
    // Hex keeps its 32 bits: $FFFFFFFF is -1.
    const auto bits = static_cast<uint32_t>(magnitude);
    value = static_cast<int32_t>(negative ? 0u - bits : bits);
  }
  return true;
}

}  // namespace

int CompareText(StringView a, StringView b) {
  const size_t n = std::min(a.size(), b.size());
  for (size_t i = 0; i < n; ++i) {
    const auto ca = static_cast<uint32_t>(static_cast<std::make_unsigned_t<Char>>(FoldUpper(a[i])));
    const auto cb = static_cast<uint32_t>(static_cast<std::make_unsigned_t<Char>>(FoldUpper(b[i])));
    if (ca != cb) return ca < cb ? -1 : 1;
  }
  return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

bool SameText(StringView a, StringView b) {
  // Names mostly match in the same spelling.
  return a.size() == b.size() && (a == b || CompareText(a, b) == 0);
}

size_t TTextHash::operator()(StringView text) const {
  size_t hash = 14695981039346656037ull;
  for (Char c : text) {
    hash = (hash ^ static_cast<size_t>(static_cast<std::make_unsigned_t<Char>>(FoldUpper(c)))) *
           1099511628211ull;
  }
  return hash;
}

String UpperCase(StringView s) {
  String out(s);
  for (auto& c : out) c = FoldUpper(c);
  return out;
}

String LowerCase(StringView s) {
  String out(s);
  for (auto& c : out) c = FoldLower(c);
  return out;
}

String Trim(StringView s) {
  size_t first = 0;
  size_t last = s.size();
  while (first < last && IsBlank(s[first])) ++first;
  while (last > first && IsBlank(s[last - 1])) --last;
  return String(s.substr(first, last - first));
}

String TrimRight(StringView s) {
  size_t last = s.size();
  while (last > 0 && IsBlank(s[last - 1])) --last;
  return String(s.substr(0, last));
}

String IntToStr(int64_t value) {
  return FromUtf8(std::to_string(value));
}

int32_t StrToInt(StringView text) {
  int32_t value = 0;
  if (!TryStrToInt(text, value)) {
    throw EConvertError(STR("'") + String(text) + STR("' is not a valid integer value"));
  }
  return value;
}

int32_t StrToIntDef(StringView text, int32_t fallback) {
  int32_t value = 0;
  return TryStrToInt(text, value) ? value : fallback;
}

bool IsNameLetter(char32_t c) {
  if (c < 0x80) return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
  // Latin-1 controls, spaces, punctuation and symbols, keeping the letters ª µ º.
  if (c <= 0xBF) return c == 0xAA || c == 0xB5 || c == 0xBA;
  if (c == 0xD7 || c == 0xF7) return false;  // × ÷
  // General punctuation up to the arrows, operators, technical symbols, box drawing and the
  // dingbats; supplemental punctuation; CJK symbols; surrogates; byte order mark; specials.
  if ((c >= 0x2000 && c <= 0x2BFF) || (c >= 0x2E00 && c <= 0x2E7F) ||
      (c >= 0x3000 && c <= 0x303F) || (c >= 0xD800 && c <= 0xDFFF) || c == 0xFEFF ||
      (c >= 0xFFF0 && c <= 0xFFFF)) {
    return false;
  }
  return c <= 0x10FFFF;
}

bool IsValidIdent(StringView name) {
  if (name.empty()) return false;
  for (size_t i = 0; i < name.size();) {
    const bool first = i == 0;
    const char32_t c = NextChar(name, i);
    if (!IsNameLetter(c) && (first || c < '0' || c > '9')) return false;
  }
  return true;
}

size_t PosText(StringView needle, StringView haystack) {
  if (needle.size() > haystack.size()) return StringView::npos;
  for (size_t i = 0; i + needle.size() <= haystack.size(); ++i) {
    if (CompareText(haystack.substr(i, needle.size()), needle) == 0) return i;
  }
  return StringView::npos;
}
