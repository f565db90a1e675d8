#include <gtest/gtest.h>

#include "db/NamedParams.h"
#include "rtl/Exceptions.h"

namespace {

using Names = std::vector<String>;

TEST(NamedParams, ParametersBecomePlaceholdersInOrder) {
  const TParsedStatement parsed =
      ParseNamedParams(STR("SELECT * FROM t WHERE a = :a AND b IN (:b1,:b_2) OR c=:a"));
  EXPECT_EQ(parsed.Names, (Names{STR("a"), STR("b1"), STR("b_2"), STR("a")}));
  EXPECT_EQ(parsed.WithPlaceholders(), STR("SELECT * FROM t WHERE a = ? AND b IN (?,?) OR c=?"));
  ASSERT_EQ(parsed.Texts.size(), 5u);
  EXPECT_EQ(parsed.Texts.back(), String());
}

TEST(NamedParams, QuotedTextCommentsAndAssignmentsAreNoParameters) {
  const String sql =
      STR("SELECT ':x', \"it\\\":y\", `n``:z`, @v := 1 -- :c\n"
          "# :d\n/* :e */ FROM t WHERE ts = '12:30' AND k = :k");
  const TParsedStatement parsed = ParseNamedParams(sql);
  EXPECT_EQ(parsed.Names, Names{STR("k")});
  EXPECT_EQ(parsed.Texts.front() + STR(":k") + parsed.Texts.back(), sql);
  // Two dashes without a blank are a minus sign twice, not a comment.
  EXPECT_EQ(ParseNamedParams(STR("SELECT 1--:p")).Names, Names{STR("p")});
}

TEST(NamedParams, DoubledColonsAndQuotedNames) {
  const TParsedStatement parsed = ParseNamedParams(STR("SELECT a::b, :\"order id\", :\"\""));
  EXPECT_EQ(parsed.Names, Names{STR("order id")});
  EXPECT_EQ(parsed.WithPlaceholders(), STR("SELECT a:b, ?, :\"\""));
  EXPECT_THROW(ParseNamedParams(STR("SELECT :\"open")), EDatabaseError);
}

TEST(NamedParams, UnclosedQuotesAndNonAsciiNames) {
  EXPECT_TRUE(ParseNamedParams(STR("SELECT 'open :p")).Names.empty());
  EXPECT_TRUE(ParseNamedParams(STR("SELECT /* open :p")).Names.empty());
  EXPECT_EQ(ParseNamedParams(FromUtf8("WHERE x = :größe)")).Names, Names{FromUtf8("größe")});
  EXPECT_TRUE(ParseNamedParams(STR("a : b :")).Names.empty());
}

}  // namespace
