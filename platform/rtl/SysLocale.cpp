#include "rtl/SysLocale.h"

#include <cstdlib>

namespace {

constexpr int LANG_CHINESE = 0x04;
constexpr int LANG_KOREAN = 0x12;

// Upper case without "-" and "_", so that "Shift_JIS", "SHIFT-JIS" and "shiftjis" compare equal.
std::string Canonical(std::string_view codeset) {
  std::string out;
  for (char c : codeset) {
    if (c == '-' || c == '_') continue;
    out += c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c;
  }
  return out;
}

void SetRange(std::bitset<256>& bytes, unsigned first, unsigned last) {
  for (unsigned b = first; b <= last; ++b) bytes.set(b);
}

}  // namespace

TSysLocale LocaleFromName(std::string_view name) {
  TSysLocale locale;
  const std::string_view language = name.substr(0, name.find_first_of("_.@"));
  if (language == "ja") locale.PriLangID = LANG_JAPANESE;
  if (language == "zh") locale.PriLangID = LANG_CHINESE;
  if (language == "ko") locale.PriLangID = LANG_KOREAN;
  locale.FarEast = locale.PriLangID != 0;

  const size_t dot = name.find('.');
  if (dot == std::string_view::npos) return locale;
  const std::string codeset = Canonical(name.substr(dot + 1, name.find('@', dot) - dot - 1));
  if (codeset == "SJIS" || codeset == "SHIFTJIS" || codeset == "CP932") {
    SetRange(locale.LeadBytes, 0x81, 0x9F);
    SetRange(locale.LeadBytes, 0xE0, 0xFC);
  } else if (codeset == "EUCJP" || codeset == "EUCKR" || codeset == "GBK" || codeset == "GB2312" ||
             codeset == "GB18030" || codeset == "BIG5" || codeset == "BIG5HKSCS" ||
             codeset == "CP936" || codeset == "CP949" || codeset == "CP950") {
    SetRange(locale.LeadBytes, 0x81, 0xFE);
  }
  return locale;
}

const TSysLocale& SysLocale() {
  static const TSysLocale locale = [] {
    for (const char* variable : {"LC_ALL", "LC_CTYPE", "LANG"}) {
      const char* value = std::getenv(variable);
      if (value != nullptr && *value != '\0') return LocaleFromName(value);
    }
    return TSysLocale();
  }();
  return locale;
}

bool IsLeadChar(Char c, const TSysLocale& locale) {
#if OMBRIX_WIDE_STRINGS
  (void)locale;
  return c >= 0xD800 && c <= 0xDBFF;
#else
  return locale.LeadBytes.test(static_cast<unsigned char>(c));
#endif
}
