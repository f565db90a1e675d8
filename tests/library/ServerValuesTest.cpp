// Values between the server's text protocol and the host's variants.
#include <gtest/gtest.h>

#include <cmath>

#include "library/ServerValues.h"

namespace {

using enum TFieldType;

TEST(ServerValues, TextFromTheServerBecomesTypedValues) {
  EXPECT_EQ(VariantFromServer(std::nullopt, ftInteger), Variant());
  EXPECT_EQ(VariantFromServer("-42", ftInteger), Variant(int64_t{-42}));
  EXPECT_EQ(VariantFromServer("18446744073709551615", ftLargeint),
            Variant(18446744073709551615.0));  // beyond the signed range, not wrapped
  EXPECT_EQ(VariantFromServer("1234.50", ftFMTBcd), Variant(1234.5));
  EXPECT_EQ(VariantFromServer("\x01\xff", ftVarBytes), Variant(TBytes{0x01, 0xff}));
  EXPECT_EQ(VariantFromServer("Zoë", ftString), Variant(FromUtf8("Zoë")));
  EXPECT_THROW(VariantFromServer("12abc", ftInteger), EDatabaseError);
}

TEST(ServerValues, DatesAndTimesOfTheServersRanges) {
  EXPECT_EQ(VariantFromServer("1899-12-31", ftDate), Variant(1.0));
  EXPECT_EQ(VariantFromServer("1899-12-30 18:00:00.500000", ftDateTime),
            Variant((18 * 3600 + 0.5) / 86400.0));
  // Zero dates have no host value.
  EXPECT_EQ(VariantFromServer("0000-00-00", ftDate), Variant());
  EXPECT_EQ(VariantFromServer("2024-00-10 00:00:00", ftDateTime), Variant());
  EXPECT_EQ(VariantFromServer("-01:30:00", ftTime), Variant(-1.5 / 24));
  EXPECT_EQ(VariantFromServer("48:00:00", ftTime), Variant(2.0));
  EXPECT_THROW(VariantFromServer("2024-02-30", ftDate), EDatabaseError);
}

TEST(ServerValues, ParametersAsTheServerReadsThem) {
  EXPECT_FALSE(ServerParam(STR("p"), Variant(), ftInteger).Value.has_value());
  EXPECT_EQ(ServerParam(STR("p"), 0.1, ftFloat).Value, "0.1");
  EXPECT_EQ(ServerParam(STR("p"), true, ftBoolean).Value, "1");
  EXPECT_EQ(ServerParam(STR("p"), int64_t{-7}, ftInteger).Value, "-7");
  EXPECT_EQ(ServerParam(STR("p"), 45351.5, ftDateTime).Value, "2024-02-29 12:00:00");
  EXPECT_EQ(ServerParam(STR("p"), 45351.5, ftDate).Value, "2024-02-29");
  const TParamValue bytes = ServerParam(STR("p"), TBytes{0, 39}, ftBlob);
  EXPECT_EQ(bytes.Value, std::string("\0'", 2));
  EXPECT_TRUE(bytes.Binary);
  EXPECT_EQ(ServerParam(STR("p"), FromUtf8("Zoë"), ftString).Value, "Zoë");
}

}  // namespace
