#pragma once
// The host's string type. The 16-bit generation uses UTF-16 code units, the older ones bytes:
// UTF-8 inside this host, converted from and to a code page only at the edges (form files in
// Windows-1252, docs/architecture.md). Code that depends on the width branches on kWideStrings.
#include <string>
#include <string_view>

#if OMBRIX_WIDE_STRINGS
using Char = char16_t;
#define STR(text) u##text
inline constexpr bool kWideStrings = true;
#else
using Char = char;
#define STR(text) text
inline constexpr bool kWideStrings = false;
#endif

using String = std::basic_string<Char>;
using StringView = std::basic_string_view<Char>;

// Conversions at the edges (files, command line, server, messages). The 8-bit builds pass bytes
// through unchanged; the 16-bit build converts UTF-8 <-> UTF-16 and maps bad input to U+FFFD.
std::string ToUtf8(StringView text);
String FromUtf8(std::string_view text);

// UTF-16 <-> UTF-8 regardless of the build's width (form files, JSON output).
std::string Utf16ToUtf8(std::u16string_view text);
std::u16string Utf8ToUtf16(std::string_view text);
// One code point of UTF-8 text at i, advancing i; a malformed sequence gives U+FFFD.
char32_t DecodeUtf8(std::string_view text, size_t& i);

// One character of text at i (a surrogate pair, or a UTF-8 sequence in the 8-bit builds),
// advancing i; a malformed one gives U+FFFD.
char32_t NextChar(StringView text, size_t& i);
void AppendChar(String& out, char32_t c);
