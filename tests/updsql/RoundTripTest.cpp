// Generated statements read back through the scanner give what they were generated from.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "rtl/SysUtils.h"
#include "updsql/SQLParser.h"
#include "updsql/UpdateSQLEditForm.h"

namespace {

// Characters for names, as UTF-8 so that the 8-bit build gets the bytes of the same names.
const std::vector<std::string> kFirst = {"a", "Z", "_", "$", "é", "Ü", "ж", "Я", "Ω", "λ", "\x7f"};
const std::vector<std::string> kMore = {"a", "Z", "_", "$", "0", "9", ".", "\"", "é", "ß",
                                        "ж", "я", "ё", "Ω", "ά", "ő", "ŝ", "中", "😀", "\x7f"};

class TNameMaker {
 public:
  explicit TNameMaker(unsigned seed) : FRandom(seed) {}

  // An unquoted name the scanner can read back: it starts a name, does not end in a full stop
  // (that would make it a qualifier) and is none of the words the readers look for.
  String Name() {
    for (;;) {
      std::string name = Pick(kFirst);
      const size_t length = std::uniform_int_distribution<size_t>(0, 12)(FRandom);
      while (name.size() < length) name += Pick(kMore);
      const String result = FromUtf8(name);
      if (result.back() == '.') continue;
      bool keyword = false;
      for (const auto* word : {STR("update"), STR("set"), STR("where"), STR("and")}) {
        keyword = keyword || SameText(result, word);
      }
      if (!keyword) return result;
    }
  }

  TStringList Names() {
    TStringList names;
    const int count = std::uniform_int_distribution<int>(1, 8)(FRandom);
    while (names.Count() < count) names.Add(Name());
    return names;
  }

 private:
  const std::string& Pick(const std::vector<std::string>& from) {
    return from[std::uniform_int_distribution<size_t>(0, from.size() - 1)(FRandom)];
  }
  std::mt19937 FRandom;
};

TEST(RoundTrip, ModifyStatementsGiveBackTableUpdateAndKeyFields) {
  TNameMaker maker(20240607);
  for (int round = 0; round < 2000; ++round) {
    const String table = maker.Name();
    const TStringList keys = maker.Names();
    const TStringList fields = maker.Names();
    TStringList sql;
    TMySQLUpdateSQLEditForm::GenModifySQL(table, STR(""), keys, fields, sql);

    String readTable;
    TStringList readFields;
    TStringList readKeys;
    ParseUpdateSQL(sql.Text(), readTable, &readFields, &readKeys);
    ASSERT_EQ(readTable, table) << ToUtf8(sql.Text());
    ASSERT_EQ(readFields.ToVector(), fields.ToVector()) << ToUtf8(sql.Text());
    ASSERT_EQ(readKeys.ToVector(), keys.ToVector()) << ToUtf8(sql.Text());

    // The same name comes out of a SELECT, where the editor matches it.
    TStringList tables;
    ListSelectTables(STR("select ") + fields.Strings(0) + STR(" from ") + table + STR(" x where"),
                     tables);
    ASSERT_EQ(tables.ToVector(), std::vector<String>{table});
  }
}

}  // namespace
