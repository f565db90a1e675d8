#include <gtest/gtest.h>

#include "queryedit/QuoteRule.h"

TEST(DefaultReqQuoteCharTest, OnlyLowerCaseLettersDigitsAndUnderscoresPass) {
  EXPECT_FALSE(DefaultReqQuoteChar(STR("order_items2")));
  EXPECT_FALSE(DefaultReqQuoteChar(STR("2024")));
  EXPECT_TRUE(DefaultReqQuoteChar(STR("")));
  EXPECT_TRUE(DefaultReqQuoteChar(STR("Orders")));
  EXPECT_TRUE(DefaultReqQuoteChar(STR("order items")));
  EXPECT_TRUE(DefaultReqQuoteChar(STR("order-items")));
  EXPECT_TRUE(DefaultReqQuoteChar(STR("a$")));
  // Characters above 127 need quoting, in either string width.
  EXPECT_TRUE(
      DefaultReqQuoteChar(FromUtf8("gr\xC3\xB6\xC3\x9F"
                                   "e")));
}
