#include "rtl/SysLocale.h"

#include <gtest/gtest.h>

namespace {

TEST(SysLocale, LanguageDecidesFarEastAndCodeSetTheLeadBytes) {
  const TSysLocale sjis = LocaleFromName("ja_JP.Shift_JIS@euro");
  EXPECT_TRUE(sjis.FarEast);
  EXPECT_EQ(sjis.PriLangID, LANG_JAPANESE);
  EXPECT_TRUE(sjis.LeadBytes.test(0x81) && sjis.LeadBytes.test(0x9F) && sjis.LeadBytes.test(0xE0));
  EXPECT_FALSE(sjis.LeadBytes.test(0xA0) || sjis.LeadBytes.test(0xB1) || sjis.LeadBytes.test(0xFD));
  const TSysLocale korean = LocaleFromName("ko_KR.euc-kr");
  EXPECT_TRUE(korean.FarEast);
  EXPECT_EQ(korean.LeadBytes.count(), 0xFEu - 0x81u + 1);
  const TSysLocale utf8 = LocaleFromName("zh_CN.UTF-8");
  EXPECT_TRUE(utf8.FarEast);
  EXPECT_TRUE(utf8.LeadBytes.none());
  EXPECT_FALSE(LocaleFromName("jam_JM.UTF-8").FarEast);
  EXPECT_FALSE(LocaleFromName("C").FarEast);
#if OMBRIX_WIDE_STRINGS
  EXPECT_TRUE(IsLeadChar(0xD800, TSysLocale()));
  EXPECT_FALSE(IsLeadChar(0xDC00, sjis));
#else
  EXPECT_TRUE(IsLeadChar('\x81', sjis));
  EXPECT_FALSE(IsLeadChar('\x81', TSysLocale()));
#endif
}

}  // namespace
