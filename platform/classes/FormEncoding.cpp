#include "FormEncoding.h"

#include <algorithm>
#include <cstring>

#include "rtl/Exceptions.h"

namespace {

// 0x80..0x9F of Windows-1252; the five undefined positions map to themselves.
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// The code page byte of a character; 0 when the code page lacks it.
unsigned char UnicodeToCp1252(char32_t c) {
  if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<unsigned char>(c);
  for (int i = 0; i < 32; ++i) {
    if (kCp1252High[i] == c) return static_cast<unsigned char>(0x80 + i);
  }
  return 0;
}

// Length of the run of ASCII bytes that text starts with, taken 32 and then eight bytes at a
// time.
size_t AsciiPrefix(std::string_view text) {
  constexpr uint64_t kHigh = 0x8080808080808080u;
  size_t i = 0;
  for (; i + 32 <= text.size(); i += 32) {
    uint64_t words[4];
    std::memcpy(words, text.data() + i, 32);
    if (((words[0] | words[1] | words[2] | words[3]) & kHigh) != 0) break;
  }
  for (; i + 8 <= text.size(); i += 8) {
    uint64_t word = 0;
    std::memcpy(&word, text.data() + i, 8);
    if ((word & kHigh) != 0) break;
  }
  while (i < text.size() && static_cast<unsigned char>(text[i]) < 0x80) ++i;
  return i;
}

// Length of the valid UTF-8 sequence at text[i], 0 when it is not one.
size_t Utf8SequenceLength(std::string_view text, size_t i) {
  const auto lead = static_cast<unsigned char>(text[i]);
  if (lead < 0x80) return 1;
  size_t extra = 0;
  char32_t cp = 0;
  if (lead >= 0xC2 && lead <= 0xDF) {
    extra = 1;
    cp = lead & 0x1F;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    extra = 2;
    cp = lead & 0x0F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    extra = 3;
    cp = lead & 0x07;
  } else {
    return 0;
  }
  if (i + extra >= text.size()) return 0;
  for (size_t k = 1; k <= extra; ++k) {
    const auto c = static_cast<unsigned char>(text[i + k]);
    if ((c & 0xC0) != 0x80) return 0;
    cp = (cp << 6) | (c & 0x3F);
  }
  const bool overlong = (extra == 2 && cp < 0x800) || (extra == 3 && cp < 0x10000);
  if (overlong || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
  return extra + 1;
}

}  // namespace

bool IsValidUtf8(std::string_view text) {
  for (size_t i = 0; i < text.size();) {
    i += AsciiPrefix(text.substr(i));
    if (i >= text.size()) break;
    const size_t n = Utf8SequenceLength(text, i);
    if (n == 0) return false;
    i += n;
  }
  return true;
}

namespace {

bool Printable(uint32_t c) {
  return c >= 32 && c <= 126;
}

}  // namespace

char16_t Cp1252ToUnicode(unsigned char byte) {
  return byte >= 0x80 && byte <= 0x9F ? kCp1252High[byte - 0x80] : byte;
}

String DecodeFormBytes(std::string_view bytes, TFormEncoding encoding) {
  // Made at its exact size: appending to an empty string would round its capacity up.
  if (encoding == TFormEncoding::feUtf8 && !kWideStrings) return String(bytes.begin(), bytes.end());
  if constexpr (kWideStrings) {
    // ASCII, the common case, widened and checked in one pass.
    String text(bytes.size(), Char());
    unsigned char high = 0;
    for (size_t k = 0; k < bytes.size(); ++k) {
      const auto b = static_cast<unsigned char>(bytes[k]);
      high |= b;
      text[k] = b;
    }
    if (high < 0x80) return text;
  } else if (AsciiPrefix(bytes) == bytes.size()) {
    return String(bytes.begin(), bytes.end());
  }
  String text;
  AppendFormBytes(text, bytes, encoding);
  return text;
}

void AppendFormBytes(String& out, std::string_view bytes, TFormEncoding encoding) {
  if (encoding == TFormEncoding::feUtf8 && !kWideStrings) {
    out.append(bytes.begin(), bytes.end());
    return;
  }
  // Widened in place: appending a range of another character type goes through a temporary.
  const size_t ascii = AsciiPrefix(bytes);
  const size_t at = out.size();
  out.resize(at + ascii);
  for (size_t k = 0; k < ascii; ++k) out[at + k] = static_cast<unsigned char>(bytes[k]);
  const std::string_view rest = bytes.substr(ascii);
  if (rest.empty()) return;
  if (encoding == TFormEncoding::feUtf8) {
    out += FromUtf8(rest);
    return;
  }
  for (char c : rest) AppendChar(out, Cp1252ToUnicode(static_cast<unsigned char>(c)));
}

std::string EncodeFormName(StringView name, TFormEncoding encoding) {
  if (encoding == TFormEncoding::feUtf8) return ToUtf8(name);
  std::string bytes;
  for (size_t i = 0; i < name.size();) {
    const char32_t c = NextChar(name, i);
    const unsigned char b = UnicodeToCp1252(c);
    if (b == 0) {
      throw EConvertError(STR("The name ") + String(name) +
                          STR(" has letters that a Windows-1252 file cannot hold"));
    }
    bytes += static_cast<char>(b);
  }
  return bytes;
}

char32_t FormCharAt(std::string_view bytes, size_t i, TFormEncoding encoding, size_t& length) {
  const auto b = static_cast<unsigned char>(bytes[i]);
  if (b < 0x80 || encoding == TFormEncoding::feWindows1252) {
    length = 1;
    return Cp1252ToUnicode(b);
  }
  size_t end = i;
  const char32_t c = DecodeUtf8(bytes, end);
  length = end - i;
  return c;
}

std::vector<uint32_t> FormLineStarts(std::string_view text) {
  std::vector<uint32_t> starts{0};
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\n' || (text[i] == '\r' && (i + 1 >= text.size() || text[i + 1] != '\n'))) {
      starts.push_back(static_cast<uint32_t>(i + 1));
    }
  }
  return starts;
}

std::pair<int, int> FormTextPosition(std::string_view text, const std::vector<uint32_t>& lineStarts,
                                     size_t offset, TFormEncoding encoding) {
  const auto line =
      std::upper_bound(lineStarts.begin(), lineStarts.end(), offset) - lineStarts.begin();
  size_t i = lineStarts[static_cast<size_t>(line - 1)];
  if (i == 0 && text.starts_with("\xEF\xBB\xBF")) i = 3;
  int column = 1;
  for (; i < offset; ++i) {
    // UTF-8 continuation bytes take no column.
    if (encoding != TFormEncoding::feUtf8 || (static_cast<unsigned char>(text[i]) & 0xC0) != 0x80)
      ++column;
  }
  return {static_cast<int>(line), column};
}

TFormStyle DetectFormStyle(std::string_view bytes) {
  TFormStyle style;
  if (bytes.starts_with("\xEF\xBB\xBF")) {
    style.Bom = true;
  } else if (!IsValidUtf8(bytes)) {
    style.Encoding = TFormEncoding::feWindows1252;
  }
  const size_t lf = bytes.find_first_of("\r\n");
  if (lf != std::string_view::npos) {
    if (bytes[lf] == '\n') {
      style.LineBreak = "\n";
    } else {
      style.LineBreak = lf + 1 < bytes.size() && bytes[lf + 1] == '\n' ? "\r\n" : "\r";
    }
  }
  return style;
}

void TFormStringBuilder::AddQuoted(std::string_view bytes) {
  Flush();
  AppendFormBytes(FText, bytes, FEncoding);
}

void TFormStringBuilder::AddCode(uint32_t code) {
#if OMBRIX_WIDE_STRINGS
  FText += static_cast<char16_t>(code);
#else
  if (code < 0x80) {
    Flush();
    FText += static_cast<char>(code);
  } else if (code <= 0xFF && FEncoding == TFormEncoding::feWindows1252) {
    FPendingCodes += Cp1252ToUnicode(static_cast<unsigned char>(code));
  } else {
    FPendingCodes += static_cast<char16_t>(code);
  }
#endif
}

void TFormStringBuilder::Flush() {
#if !OMBRIX_WIDE_STRINGS
  if (FPendingCodes.empty()) return;
  FText += Utf16ToUtf8(FPendingCodes);
  FPendingCodes.clear();
#endif
}

String TFormStringBuilder::Take() {
  Flush();
  String text(FText);
  FText.clear();
  return text;
}

void ForEachFormUnit(const String& text, [[maybe_unused]] TFormEncoding encoding,
                     const std::function<void(bool quoted, uint32_t code)>& unit) {
#if OMBRIX_WIDE_STRINGS
  for (char16_t c : text) unit(Printable(c), c);
#else
  const std::string_view bytes = text;
  for (size_t i = 0; i < bytes.size();) {
    const auto c = static_cast<unsigned char>(bytes[i]);
    const size_t n = c < 0x80 ? 1 : Utf8SequenceLength(bytes, i);
    if (n <= 1) {
      unit(Printable(c), c);  // ASCII, or a byte that is not UTF-8: its number
      ++i;
      continue;
    }
    const std::u16string units = Utf8ToUtf16(bytes.substr(i, n));
    const unsigned char codePage = encoding == TFormEncoding::feWindows1252 && units.size() == 1
                                       ? UnicodeToCp1252(units[0])
                                       : 0;
    if (codePage != 0) {
      unit(false, codePage);  // as the 8-bit host writes its code page
    } else {
      for (char16_t u : units) unit(false, u);
    }
    i += n;
  }
#endif
}
