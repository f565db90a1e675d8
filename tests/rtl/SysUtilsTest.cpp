#include "rtl/SysUtils.h"

#include <gtest/gtest.h>

#include "rtl/Exceptions.h"

namespace {

TEST(SysUtils, OnlyAsciiLettersFoldCase) {
  EXPECT_TRUE(SameText(STR("Select"), STR("SELECT")));
  EXPECT_FALSE(SameText(STR("abc"), STR("abcd")));
  // "[" sorts between the upper- and lower-case letters; folding to upper case puts it after "Z".
  EXPECT_LT(CompareText(STR("z"), STR("[")), 0);
  EXPECT_GT(CompareText(STR("ab"), STR("A")), 0);
  EXPECT_EQ(UpperCase(STR("a{z}\x7f")), STR("A{Z}\x7f"));
  EXPECT_EQ(LowerCase(STR("A@Z[")), STR("a@z["));
#if OMBRIX_WIDE_STRINGS
  EXPECT_FALSE(SameText(u"\u00e9", u"\u00c9"));
  EXPECT_EQ(UpperCase(u"\u044f"), u"\u044f");
#else
  EXPECT_FALSE(SameText("\xe9", "\xc9"));
  // Bytes above 127 are not letters: no sign extension may turn them into ASCII.
  EXPECT_LT(CompareText("a", "\xe1"), 0);
#endif
  EXPECT_EQ(PosText(STR("FROM"), STR("select * from t")), 9u);
  EXPECT_EQ(PosText(STR("x"), STR("")), StringView::npos);
}

TEST(SysUtils, TrimRemovesControlCharactersAndBlanksOnly) {
  EXPECT_EQ(Trim(STR("\t\r\n a b \x01")), STR("a b"));
  EXPECT_EQ(Trim(STR(" \t ")), STR(""));
  EXPECT_EQ(TrimRight(STR(" a \n")), STR(" a"));
#if OMBRIX_WIDE_STRINGS
  EXPECT_EQ(Trim(u"\u00a0a\u00a0"), u"\u00a0a\u00a0");
#else
  EXPECT_EQ(Trim("\xa0"
                 "a\xa0"),
            "\xa0"
            "a\xa0");
#endif
}

TEST(SysUtils, StrToIntAcceptsThirtyTwoBitsAndNamesBadText) {
  EXPECT_EQ(StrToInt(STR("  -2147483648")), -2147483647 - 1);
  EXPECT_EQ(StrToInt(STR("+2147483647")), 2147483647);
  EXPECT_EQ(StrToInt(STR("$FF")), 255);
  EXPECT_EQ(StrToInt(STR("0xffffffff")), -1);
  for (const auto* bad : {STR("2147483648"), STR(""), STR("-"), STR("12 "), STR("1e3"), STR("$"),
                          STR("0x1FFFFFFFF"), STR("99999999999999999999")}) {
    EXPECT_THROW(StrToInt(bad), EConvertError) << ToUtf8(bad);
    EXPECT_EQ(StrToIntDef(bad, 7), 7);
  }
  try {
    StrToInt(STR("4x"));
    FAIL();
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message(), STR("'4x' is not a valid integer value"));
  }
  EXPECT_EQ(IntToStr(-9223372036854775807 - 1), STR("-9223372036854775808"));
}

}  // namespace
