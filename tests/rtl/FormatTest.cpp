#include "rtl/Format.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "rtl/Exceptions.h"

namespace {

String Message(StringView format, std::initializer_list<TVarRec> args) {
  try {
    Format(format, args);
  } catch (const EConvertError& e) {
    return e.Message();
  }
  return STR("no error");
}

TEST(Format, IndexSelectsArgumentAndPlainSpecifiersContinueAfterIt) {
  // The generators' own patterns.
  EXPECT_EQ(Format(STR("  %s%s%s%1:s = :%1:sOLD_%2:s%1:s"), {STR("t."), STR("\""), STR("id")}),
            STR("  t.\"id\" = :\"OLD_id\""));
  EXPECT_EQ(Format(STR("%s%s%s%s%s%3:s%5:s"),
                   {STR("  ("), STR(""), STR(":"), STR(""), STR("a"), STR(", ")}),
            STR("  (:a, "));
  EXPECT_EQ(Format(STR("%1:s %s %0:s %s"), {STR("a"), STR("b"), STR("c")}), STR("b c a b"));
}

TEST(Format, IntegersSignsPrecisionAndWidth) {
  EXPECT_EQ(Format(STR("%d|%5d|%-5d|%.4d|%6.3d"), {-7, 42, 42, -12, 5}),
            STR("-7|   42|42   |-0012|   005"));
  EXPECT_EQ(
      Format(STR("%d %u"), {std::numeric_limits<int64_t>::min(), uint64_t{18446744073709551615u}}),
      STR("-9223372036854775808 18446744073709551615"));
  // Unsigned and hex views keep the argument's own width.
  EXPECT_EQ(Format(STR("%u %x %X %.4x"), {-1, -1, int64_t{-1}, 255}),
            STR("4294967295 FFFFFFFF FFFFFFFFFFFFFFFF 00FF"));
  EXPECT_EQ(Format(STR("%d"), {uint64_t{1} << 63}), STR("9223372036854775808"));
}

TEST(Format, StringsPercentAndWidth) {
  EXPECT_EQ(Format(STR("100%% %s|%4s|%-4s|%.2s|%S"),
                   {STR("x"), STR("ab"), STR("ab"), STR("abc"), STR("y")}),
            STR("100% x|  ab|ab  |ab|y"));
  EXPECT_EQ(Format(STR("%1:-3s|"), {STR("a"), STR("b")}), STR("b  |"));
  EXPECT_EQ(Format(STR("no specifiers"), {}), STR("no specifiers"));
}

TEST(Format, BadFormatsRaiseConversionErrorsNamingTheFormat) {
  EXPECT_EQ(Message(STR("x%"), {STR("a")}),
            STR("Format 'x%' invalid or incompatible with argument"));
  EXPECT_EQ(Message(STR("%q"), {STR("a")}),
            STR("Format '%q' invalid or incompatible with argument"));
  EXPECT_EQ(Message(STR("%d"), {STR("a")}),
            STR("Format '%d' invalid or incompatible with argument"));
  EXPECT_EQ(Message(STR("%s"), {1}), STR("Format '%s' invalid or incompatible with argument"));
  EXPECT_EQ(Message(STR("%s %s"), {STR("a")}), STR("No argument for format '%s %s'"));
  EXPECT_EQ(Message(STR("%2:s"), {STR("a"), STR("b")}), STR("No argument for format '%2:s'"));
  EXPECT_EQ(Message(STR("%99999999999999999999s"), {STR("a")}),
            STR("Format '%99999999999999999999s' invalid or incompatible with argument"));
}

}  // namespace
