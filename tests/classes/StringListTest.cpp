#include <gtest/gtest.h>

#include "classes/Collection.h"
#include "classes/StringList.h"

namespace {

TEST(StringList, TextSplitsEveryLineBreakAndJoinsWithTrailingBreak) {
  TStringList list;
  list.SetText(STR("a\r\nb\rc\n\nd"));
  EXPECT_EQ(list.ToVector(),
            (std::vector<String>{STR("a"), STR("b"), STR("c"), STR(""), STR("d")}));
  EXPECT_EQ(list.Text(), String(STR("a\nb\nc\n\nd\n")));
  list.SetText(STR("x\n"));
  EXPECT_EQ(list.Count(), 1);
  list.SetText(STR(""));
  EXPECT_EQ(list.Count(), 0);
}

TEST(StringList, SortedListKeepsOrderAndFindsCaseInsensitively) {
  TStringList list;
  list.SetSorted(true);
  list.Duplicates = TDuplicates::dupAccept;
  for (auto s : {STR("orders"), STR("Items"), STR("customers"), STR("items")}) list.Add(s);
  EXPECT_EQ(list.ToVector(),
            (std::vector<String>{STR("customers"), STR("Items"), STR("items"), STR("orders")}));
  EXPECT_EQ(list.IndexOf(STR("ITEMS")), 1);
  EXPECT_THROW(list.Insert(0, STR("x")), EListError);
}

TEST(StringList, ObjectsTravelWithTheirStringsAndIndexesAreChecked) {
  TStringList a;
  TObject marker;
  a.AddObject(STR("quoted"), &marker);
  a.Add(STR("plain"));
  TStringList b;
  b.Assign(&a);
  EXPECT_EQ(b.Objects(0), &marker);
  EXPECT_EQ(b.Objects(1), nullptr);
  EXPECT_THROW(b.Strings(2), EListError);
  EXPECT_THROW(b.Delete(-1), EListError);
}

class TItem : public TCollectionItem {
  OMBRIX_CLASS(TItem)
  using TCollectionItem::TCollectionItem;
  String Value;
  void Assign(const TPersistent* source) override {
    Value = static_cast<const TItem*>(source)->Value;
  }
};

const TClassInfo& TItem::StaticClass() {
  static const TClassInfo info = TClassBuilder<TItem, TCollectionItem>(STR("TItem")).Build();
  return info;
}

TEST(Collection, ItemsLeaveTheirCollectionWhenFreedAndAssignCopies) {
  TCollection c(TItem::StaticClass(), TCollection::FactoryOf<TItem>());
  static_cast<TItem*>(c.Add())->Value = STR("a");
  static_cast<TItem*>(c.Add())->Value = STR("b");
  c.Items(1)->SetIndex(0);
  EXPECT_EQ(static_cast<TItem*>(c.Items(0))->Value, STR("b"));
  TCollection copy(TItem::StaticClass(), TCollection::FactoryOf<TItem>());
  copy.Assign(&c);
  delete c.Items(0);
  EXPECT_EQ(c.Count(), 1);
  ASSERT_EQ(copy.Count(), 2);
  EXPECT_EQ(static_cast<TItem*>(copy.Items(1))->Value, STR("a"));
}

}  // namespace
