#include <gtest/gtest.h>

#include <memory>

#include "migrator/DataSetList.h"

namespace {

// Datasets only as identities: the list never looks inside them.
struct DataSets {
  TComponent owner{nullptr};
  TDataSet* a = new TDataSet(&owner);
  TDataSet* b = new TDataSet(&owner);
  TDataSet* c = new TDataSet(&owner);
  TDataSet* x = new TDataSet(&owner);
  TDataSet* y = new TDataSet(&owner);
  TDataSet* z = new TDataSet(&owner);
};

// What a plain scan from index 0 gives, to hold the indexed lookups against.
int ScanIndex(const TDataSetList& list, const TDataSet* old) {
  for (int i = 0; i < list.Count(); ++i) {
    if (list.GetOldDataSets(i) == old) return i;
  }
  return -1;
}

void ExpectLookups(const TDataSetList& list, const DataSets& d) {
  for (const TDataSet* old : {d.a, d.b, d.c, d.x, d.y, d.z, static_cast<TDataSet*>(nullptr)}) {
    const int expected = ScanIndex(list, old);
    EXPECT_EQ(list.IndexOfOldDataSet(old), expected);
    EXPECT_EQ(list.GetPaired(old), expected < 0 ? nullptr : list.GetNewDataSets(expected));
  }
}

TEST(DataSetList, LookupsFindTheFirstMatchAfterEveryWriter) {
  DataSets d;
  TDataSetList list;
  list.AddPair(new TDataSetPair{d.a, d.x});
  list.AddPair(new TDataSetPair{d.b, d.y});
  list.AddPair(new TDataSetPair{d.a, d.z});  // a duplicate: the first pair wins
  EXPECT_EQ(list.GetPaired(d.a), d.x);
  ExpectLookups(list, d);

  list.SetOldDataSets(0, d.c);  // now the later duplicate is the first match
  EXPECT_EQ(list.GetPaired(d.a), d.z);
  EXPECT_EQ(list.GetPaired(d.c), d.x);
  ExpectLookups(list, d);

  list.SetOldDataSets(2, d.c);  // a later pair joins an earlier one: still the earlier wins
  EXPECT_EQ(list.IndexOfOldDataSet(d.c), 0);
  ExpectLookups(list, d);

  list.SetNewDataSets(0, d.y);
  EXPECT_EQ(list.GetPaired(d.c), d.y);
  ExpectLookups(list, d);

  auto replacement = std::make_unique<TDataSetPair>(TDataSetPair{d.b, d.c});
  const PDataSetPair replaced = list.GetDataSetPairs(0);
  list.SetDataSetPairs(0, replacement.release());
  std::unique_ptr<TDataSetPair> kept(replaced);  // the list does not free what it replaced
  EXPECT_EQ(list.IndexOfOldDataSet(d.b), 0);
  EXPECT_EQ(list.IndexOfOldDataSet(d.c), 2);
  ExpectLookups(list, d);

  list.DeletePair(0);  // the entries behind shift down
  EXPECT_EQ(list.IndexOfOldDataSet(d.b), 0);
  EXPECT_EQ(list.IndexOfOldDataSet(d.c), 1);
  ExpectLookups(list, d);

  list.DeletePair(list.Count() - 1);
  ExpectLookups(list, d);
  list.AddPair(new TDataSetPair{d.c, d.z});
  ExpectLookups(list, d);

  list.ClearAll();
  EXPECT_EQ(list.Count(), 0);
  ExpectLookups(list, d);
}

TEST(DataSetList, ManyPairsOfOneOldDataSetHandOnTheFirstMatch) {
  DataSets d;
  TDataSetList list;
  for (TDataSet* target : {d.x, d.y, d.z, d.c}) list.AddPair(new TDataSetPair{d.a, target});
  list.AddPair(new TDataSetPair{d.b, d.x});
  list.SetOldDataSets(0, d.b);  // the next pair of a takes over, and b's first is now 0
  EXPECT_EQ(list.GetPaired(d.a), d.y);
  EXPECT_EQ(list.IndexOfOldDataSet(d.b), 0);
  ExpectLookups(list, d);
  auto replacement = std::make_unique<TDataSetPair>(TDataSetPair{d.c, d.c});
  std::unique_ptr<TDataSetPair> kept(list.GetDataSetPairs(1));
  list.SetDataSetPairs(1, replacement.release());
  EXPECT_EQ(list.GetPaired(d.a), d.z);
  ExpectLookups(list, d);
  list.SetOldDataSets(3, d.b);
  list.DeletePair(list.Count() - 1);
  EXPECT_EQ(list.IndexOfOldDataSet(d.b), 0);
  EXPECT_EQ(list.IndexOfOldDataSet(d.a), 2);
  ExpectLookups(list, d);
  list.ClearAll();
  list.AddPair(new TDataSetPair{d.a, d.y});
  EXPECT_EQ(list.GetPaired(d.a), d.y);
  ExpectLookups(list, d);
}

TEST(DataSetList, TheUntypedListsOwnWritersKeepLookupsRight) {
  DataSets d;
  TDataSetList list;
  list.AddPair(new TDataSetPair{d.a, d.x});
  list.AddPair(new TDataSetPair{d.b, d.y});
  ExpectLookups(list, d);

  auto inserted = std::make_unique<TDataSetPair>(TDataSetPair{d.b, d.z});
  list.Insert(0, inserted.get());
  EXPECT_EQ(list.GetPaired(d.b), d.z);
  ExpectLookups(list, d);

  list.Delete(0);  // TList's delete does not free the record
  EXPECT_EQ(list.GetPaired(d.b), d.y);
  ExpectLookups(list, d);

  std::unique_ptr<TDataSetPair> displaced(list.GetDataSetPairs(1));
  list.SetItems(1, inserted.get());
  ExpectLookups(list, d);
  list.Delete(1);
  ExpectLookups(list, d);
  EXPECT_THROW(list.GetDataSetPairs(5), EListError);
}

}  // namespace
