#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "updsql/UpdateSQLEditForm.h"

namespace {

using Form = TMySQLUpdateSQLEditForm;

std::string ReadData(const std::string& name) {
  const char* root = std::getenv("OMBRIX_SOURCE_DIR");
  std::ifstream in(std::string(root != nullptr ? root : ".") + "/tests/data/sql/" + name,
                   std::ios::binary);
  EXPECT_TRUE(in) << name;
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

// The four statements as `ombrix sql generate` prints them: separated by one empty line.
std::string Generate(StringView table, StringView quoteChar, const TStringList& keys,
                     const TStringList& fields) {
  TStringList sql{STR("left over")};
  std::string out;
  Form::GenModifySQL(table, quoteChar, keys, fields, sql);
  out += ToUtf8(sql.Text()) + "\n";
  Form::GenInsertSQL(table, quoteChar, fields, sql);
  out += ToUtf8(sql.Text()) + "\n";
  Form::GenDeleteSQL(table, quoteChar, keys, sql);
  out += ToUtf8(sql.Text()) + "\n";
  Form::GenRefreshRecordSQL(table, quoteChar, keys, fields, sql);
  return out + ToUtf8(sql.Text());
}

TEST(UpdateSQLGenerator, WorkedExamples) {
  const TStringList ab{STR("a"), STR("b")};
  EXPECT_EQ(Generate(STR("t"), STR(""), {STR("id")}, ab), ReadData("plain.txt"));
  EXPECT_EQ(Generate(STR("t"), STR("\""), {STR("id")}, ab), ReadData("quoted-fields.txt"));
  EXPECT_EQ(Generate(STR("t"), STR(""), {STR("id"), STR("k2")}, ab), ReadData("two-keys.txt"));
  EXPECT_EQ(Generate(STR("\"t\""), STR("\""), {STR("id")}, ab), ReadData("quoted-table.txt"));
  EXPECT_EQ(Generate(STR("t"), STR(""), {STR("id")},
                     {STR("customer_id"), STR("order_date"), STR("shipping_address"),
                      STR("billing_address"), STR("total_amount"), STR("status")}),
            ReadData("wrapped.txt"));
}

TEST(UpdateSQLGenerator, OnlyFollowingFieldsWrapALine) {
  const String longName(90, 'x');
  TStringList sql;
  Form::GenInsertSQL(STR("t"), STR(""), {longName}, sql);
  EXPECT_EQ(sql.ToVector(),
            (std::vector<String>{STR("insert into t"), STR("  (") + longName + STR(")"),
                                 STR("values"), STR("  (:") + longName + STR(")")}));
  // 71 characters with its separator: the column list wraps, so does the longer parameter list.
  const String name66(66, 'n');
  Form::GenInsertSQL(STR("t"), STR(""), {name66, STR("b")}, sql);
  EXPECT_EQ(sql.ToVector(), (std::vector<String>{
                                STR("insert into t"), STR("  (") + name66 + STR(", "), STR("   b)"),
                                STR("values"), STR("  (:") + name66 + STR(", "), STR("   :b)")}));
  // 70 characters: the column list stays on one line, the parameter list is one longer and wraps.
  const String name65(65, 'n');
  Form::GenInsertSQL(STR("t"), STR(""), {name65, STR("b")}, sql);
  EXPECT_EQ(sql.ToVector(),
            (std::vector<String>{STR("insert into t"), STR("  (") + name65 + STR(", b)"),
                                 STR("values"), STR("  (:") + name65 + STR(", "), STR("   :b)")}));
}

TEST(UpdateSQLGenerator, EmptyListsAndNamesWrittenUnchanged) {
  TStringList sql;
  Form::GenModifySQL(STR("t"), STR(""), {}, {}, sql);
  EXPECT_EQ(sql.ToVector(), (std::vector<String>{STR("update t"), STR("set"), STR("where")}));
  Form::GenInsertSQL(STR("t"), STR(""), {}, sql);
  EXPECT_EQ(sql.ToVector(),
            (std::vector<String>{STR("insert into t"), STR("  ()"), STR("values"), STR("  ()")}));
  // Names are arguments, never patterns: "%" and quotes pass through.
  Form::GenDeleteSQL(STR("100%s"), STR("\""), {STR("a\"%1:s")}, sql);
  EXPECT_EQ(sql.ToVector(), (std::vector<String>{STR("delete from 100%s"), STR("where"),
                                                 STR("  100%s.\"a\"%1:s\" = :\"a\"%1:s\"")}));
  EXPECT_EQ(Form::GetTableRef(STR("t"), STR("")), STR(""));
}

}  // namespace
