#pragma once
// The host locale facts that decide how the SQL scanner takes names in East Asian locales.
#include <bitset>

#include "rtl/String.h"

inline constexpr int LANG_JAPANESE = 0x11;

struct TSysLocale {
  // Set for an East Asian (double-byte) locale.
  bool FarEast = false;
  // Primary language identifier of the user's locale; 0 for languages the host tells apart by
  // nothing else.
  int PriLangID = 0;
  // 8-bit builds: the bytes that start a double-byte character in the locale's code page.
  std::bitset<256> LeadBytes;
};

// The process's locale, read once from LC_ALL, LC_CTYPE or LANG (the first that is set).
const TSysLocale& SysLocale();
// The locale of a name such as "ja_JP.SJIS".
TSysLocale LocaleFromName(std::string_view name);

// The 16-bit build: a leading surrogate. The 8-bit builds: a lead byte of the locale's code page.
bool IsLeadChar(Char c, const TSysLocale& locale);
