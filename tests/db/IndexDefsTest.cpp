#include <gtest/gtest.h>

#include "TestDataSets.h"

namespace {

struct Orders {
  TMemDataSet ds{nullptr};
  Orders() {
    ds.SetName(STR("Orders"));
    const auto bits = [](std::initializer_list<TIndexOption> options) {
      uint32_t set = 0;
      for (TIndexOption o : options) set |= SetBit(o);
      return IntToStr(set);
    };
    ds.Indexes = {
        {STR(""), STR("Id"), bits({TIndexOption::ixPrimary, TIndexOption::ixUnique})},
        {STR("ByDateDesc"), STR("ODate"), bits({TIndexOption::ixDescending})},
        {STR("ByExpr"), STR("upper(Note)"), bits({TIndexOption::ixExpression})},
        {STR("ByCust"), STR("Cust;ODate;Id"), bits({})},
        {STR("ByCustExact"), STR("Cust;ODate"), bits({TIndexOption::ixCaseInsensitive})},
    };
  }
};

TEST(IndexDefs, FindIndexForFieldsPrefersExactThenWholeNamePrefix) {
  Orders o;
  TIndexDefs* defs = o.ds.IndexDefs();
  EXPECT_EQ(defs->FindIndexForFields(STR("cust;odate"))->Name(), STR("ByCustExact"));
  EXPECT_EQ(defs->FindIndexForFields(STR("Cust"))->Name(), STR("ByCust"));
  EXPECT_EQ(defs->FindIndexForFields(STR("id"))->Name(), STR(""));
  // "Cus" is no whole field name of "Cust;ODate;Id".
  EXPECT_EQ(defs->GetIndexForFields(STR("Cus")), nullptr);
  // Descending and expression indexes never serve.
  EXPECT_EQ(defs->GetIndexForFields(STR("ODate")), nullptr);
  EXPECT_EQ(defs->GetIndexForFields(STR("upper(Note)")), nullptr);
  EXPECT_EQ(defs->GetIndexForFields(STR("Cust"), true)->Name(), STR("ByCustExact"));
  // A stored field list still finds the descending index it came from.
  EXPECT_EQ(defs->FindIndexForFields(STR("odate"))->Name(), STR("ByDateDesc"));
  EXPECT_THROW(defs->FindIndexForFields(STR("upper(Note)")), EDatabaseError);
  EXPECT_THROW(defs->FindIndexForFields(String()), EDatabaseError);
  try {
    defs->FindIndexForFields(STR("Note"));
    FAIL();
  } catch (const EDatabaseError& e) {
    EXPECT_EQ(e.Message(), STR("Orders: No index for fields 'Note'"));
    EXPECT_EQ(e.Component(), &o.ds);
  }
}

TEST(IndexDefs, UpdateAsksTheDatasetOnlyWhenOutOfDate) {
  Orders o;
  TIndexDefs* defs = o.ds.IndexDefs();
  EXPECT_FALSE(defs->Updated());
  defs->Update();
  defs->FindIndexForFields(STR("Id"));
  EXPECT_EQ(o.ds.IndexDefUpdates, 1);
  EXPECT_EQ(defs->Count(), 5);
  o.ds.Indexes.pop_back();
  defs->SetUpdated(false);
  defs->Update();
  EXPECT_EQ(o.ds.IndexDefUpdates, 2);
  EXPECT_EQ(defs->Count(), 4);
  EXPECT_EQ(defs->IndexOf(STR("bycust")), 3);
  EXPECT_EQ(defs->Find(STR("ByExpr"))->Expression(), STR("upper(Note)"));
  EXPECT_TRUE(defs->Find(STR("ByExpr"))->Fields().empty());
  EXPECT_THROW(defs->Find(STR("Missing")), EDatabaseError);
}

TEST(IndexDefs, OptionsArePublishedAsASetInTheHostsOrder) {
  Orders o;
  TIndexDefs* defs = o.ds.IndexDefs();
  defs->Update();
  TIndexDef* primary = defs->Items(0);
  EXPECT_EQ(GetOrdProp(primary, STR("Options")), 0x03);
  EXPECT_EQ(GetOrdProp(defs->Items(2), STR("Options")), 0x10);
  const TTypeInfo& type = *GetPropInfo(primary, STR("Options"))->PropType;
  EXPECT_EQ(type.Kind, TTypeKind::tkSet);
  EXPECT_EQ(GetEnumName(type, 5), STR("ixNonMaintained"));
  // Clearing the expression takes the option away with it.
  defs->Items(2)->SetExpression(String());
  EXPECT_FALSE(InSet(defs->Items(2)->Options(), TIndexOption::ixExpression));
  // Assigning copies every definition.
  TMemDataSet other(nullptr);
  other.SetIndexDefs(defs);
  ASSERT_EQ(other.IndexDefs()->Count(), 5);
  EXPECT_EQ(other.IndexDefs()->Items(3)->Fields(), STR("Cust;ODate;Id"));
  EXPECT_EQ(other.IndexDefs()->Items(1)->Options(), SetBit(TIndexOption::ixDescending));
}

}  // namespace
