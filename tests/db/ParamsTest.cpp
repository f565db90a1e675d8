#include <gtest/gtest.h>

#include "classes/Component.h"
#include "db/Params.h"

namespace {

TEST(Params, ByNameAndValues) {
  TComponent owner(nullptr);
  owner.SetName(STR("Proc1"));
  TParams params(&owner);
  TParam* id = params.CreateParam(TFieldType::ftInteger, STR("Id"), TParamType::ptInput);
  TParam* result = params.CreateParam(TFieldType::ftUnknown, STR("Result"), TParamType::ptResult);
  EXPECT_EQ(params.ParamByName(STR("ID")), id);
  EXPECT_EQ(params.FindParam(STR("result")), result);
  EXPECT_EQ(params.FindParam(STR("Missing")), nullptr);
  try {
    params.ParamByName(STR("Missing"));
    FAIL();
  } catch (const EDatabaseError& e) {
    EXPECT_EQ(e.Message(), STR("Proc1: Parameter 'Missing' not found"));
  }
  EXPECT_TRUE(id->IsNull());
  id->SetAsString(STR("42"));
  EXPECT_EQ(id->AsInteger(), 42);
  EXPECT_EQ(id->DataType(), TFieldType::ftString);
  result->SetValue(2.5);
  EXPECT_EQ(result->DataType(), TFieldType::ftFloat);
  EXPECT_EQ(result->AsString(), STR("2.5"));
  result->SetValue(int64_t{1} << 40);
  EXPECT_EQ(result->DataType(), TFieldType::ftFloat);  // a typed parameter keeps its type
  EXPECT_THROW(result->AsInteger(), EConvertError);
  result->Clear();
  EXPECT_TRUE(result->IsNull());
  EXPECT_EQ(GetEnumName(*GetPropInfo(id, STR("ParamType"))->PropType, 4), STR("ptResult"));
}

TEST(Params, ParseSQLReplacesNamesOutsideQuotesAndComments) {
  TParams params;
  const String sql = params.ParseSQL(
      STR("select ':no', \"a:b\", `c:d` from t -- :nope\n"
          "where id = :Id and x::int = :\"odd name\" /* :gone */ and y = :ID and @v := 1"),
      true);
  EXPECT_EQ(sql, STR("select ':no', \"a:b\", `c:d` from t -- :nope\n"
                     "where id = ? and x:int = ? /* :gone */ and y = ? and @v := 1"));
  ASSERT_EQ(params.Count(), 2);
  EXPECT_EQ(params.Items(0)->Name(), STR("Id"));
  EXPECT_EQ(params.Items(1)->Name(), STR("odd name"));
  EXPECT_EQ(params.Items(0)->ParamType(), TParamType::ptInput);
  // Parsing again keeps what the remaining parameters hold.
  params.Items(0)->SetAsInteger(7);
  params.ParseSQL(STR("select * from t where a = :new and id = :id"), true);
  ASSERT_EQ(params.Count(), 2);
  EXPECT_EQ(params.Items(0)->Name(), STR("new"));
  EXPECT_EQ(params.ParamByName(STR("id"))->AsInteger(), 7);
  EXPECT_THROW(params.ParseSQL(STR("where a = :\"open"), false), EDatabaseError);
}

}  // namespace
