#include <gtest/gtest.h>

#include "classes/FormText.h"
#include "classes/PropertySnapshot.h"

namespace {

// Every kind of value, nested, with text outside ASCII and bytes of every value.
TFormProperties EveryKind() {
  TFormItem first;
  first.Order = 3;
  first.Properties.emplace_back(STR("Name"), TFormValue::Str(FromUtf8("Numéro ✓")));
  first.Properties.emplace_back(STR("Size"), TFormValue::Integer(-300000));
  TFormItem second;
  second.ItemClass = STR("TParam");
  std::string bytes;
  for (int b = 0; b < 256; ++b) bytes += static_cast<char>(b);
  return {
      {STR("Left"), TFormValue::Integer(0x7FFFFFFFFFFFLL)},
      {STR("Ratio"), TFormValue::Float(0.25)},
      {STR("Caption"), TFormValue::Str(FromUtf8("Клиенты 😀"))},
      {STR("DataSet"), TFormValue::Ident(FromUtf8("Form2.ADOTable3Клиент"))},
      {STR("Options"), TFormValue::Set({STR("foRequired"), STR("foReadOnly")})},
      {STR("Empty"), TFormValue::Set({})},
      {STR("SQL.Strings"),
       TFormValue::List({TFormValue::Str(STR("select *")), TFormValue::Str(STR("")),
                         TFormValue::List({TFormValue::Integer(1)})})},
      {STR("Params"), TFormValue::Collection({first, second})},
      {STR("Picture.Data"), TFormValue::Binary(bytes)},
      {STR(""), TFormValue::Str(String(300, Char('x')))},
  };
}

TEST(PropertySnapshot, GivesBackWhatItWasGiven) {
  const TFormProperties given = EveryKind();
  const TFormProperties back = TPropertySnapshot(given).Properties();
  ASSERT_EQ(back.size(), given.size());
  const TFormStyle style;
  for (size_t i = 0; i < given.size(); ++i) {
    EXPECT_EQ(back[i].Name, given[i].Name);
    EXPECT_EQ(back[i].Value.Kind, given[i].Value.Kind);
    EXPECT_TRUE(back[i].Value.SameAs(given[i].Value)) << ToUtf8(given[i].Name);
    // Spelling too, not only meaning.
    EXPECT_EQ(RenderFormValue(back[i].Value, "", style),
              RenderFormValue(given[i].Value, "", style));
  }
  EXPECT_EQ(back[7].Value.CollectionItems()[0].Order, 3);
  EXPECT_FALSE(back[7].Value.CollectionItems()[1].Order.has_value());
  EXPECT_EQ(back[7].Value.CollectionItems()[1].ItemClass, STR("TParam"));
  EXPECT_TRUE(TPropertySnapshot(TFormProperties{}).Properties().empty());
  EXPECT_EQ(TPropertySnapshot(given), TPropertySnapshot(EveryKind()));
  TFormProperties changed = EveryKind();
  changed[4].Value.Names().pop_back();
  EXPECT_FALSE(TPropertySnapshot(given) == TPropertySnapshot(changed));
}

}  // namespace
