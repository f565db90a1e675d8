#pragma once
// String helpers with the host runtime's rules: only ASCII letters fold case.
#include <cstddef>
#include <cstdint>

#include "rtl/String.h"

int CompareText(StringView a, StringView b);
bool SameText(StringView a, StringView b);
String UpperCase(StringView s);
String LowerCase(StringView s);
// Removes leading and trailing characters up to and including the blank (codes 0 to 32).
String Trim(StringView s);
String TrimRight(StringView s);
String IntToStr(int64_t value);
// Raises EConvertError "'text' is not a valid integer value" for anything but a 32-bit integer.
int32_t StrToInt(StringView text);
int32_t StrToIntDef(StringView text, int32_t fallback);
// Hashing and equality for maps keyed by names, without regard to ASCII case.
struct TTextHash {
  size_t operator()(StringView text) const;
};
struct TTextEqual {
  bool operator()(StringView a, StringView b) const { return SameText(a, b); }
};
// Case-insensitive (ASCII) search; npos when absent.
size_t PosText(StringView needle, StringView haystack);

// Names of components, classes and properties: a letter or '_', then letters, digits and '_'.
// Letters are the ASCII ones and, as current designers allow, those of other scripts: every
// character from U+0080 up except spaces, punctuation and symbols of the common blocks.
bool IsNameLetter(char32_t c);
bool IsValidIdent(StringView name);
