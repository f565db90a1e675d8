#include <gtest/gtest.h>

#include <random>
#include <unordered_map>
#include <vector>

#include "classes/PointerMap.h"

namespace {

// Random inserts and erases over keys that crowd into runs, checked against the standard map
// after every step: erasing from the middle of a run must keep every later entry reachable.
TEST(PointerMap, AgreesWithTheStandardMapThroughInsertsAndErases) {
  std::vector<int> storage(4000);
  std::mt19937 random(7);
  TPointerMap<const int*, int> map;
  std::unordered_map<const int*, int> expected;
  for (int step = 0; step < 60000; ++step) {
    const int* key = &storage[random() % (step < 30000 ? storage.size() : 300)];
    if (random() % 3 == 0) {
      EXPECT_EQ(map.Erase(key), expected.erase(key) == 1);
    } else {
      const auto [value, added] = map.Insert(key, step);
      const auto [it, expectedAdded] = expected.try_emplace(key, step);
      EXPECT_EQ(added, expectedAdded);
      EXPECT_EQ(*value, it->second);
    }
    if (step % 1000 == 0) {
      ASSERT_EQ(map.Size(), expected.size());
      for (const int& k : storage) {
        const int* found = map.Find(&k);
        const auto it = expected.find(&k);
        ASSERT_EQ(found != nullptr, it != expected.end()) << step;
        if (found != nullptr) {
          EXPECT_EQ(*found, it->second);
        }
      }
    }
  }
}

TEST(PointerMap, NullIsAKeyLikeAnyOther) {
  TPointerMap<const int*, int> map;
  EXPECT_EQ(map.Find(nullptr), nullptr);
  EXPECT_TRUE(map.Insert(nullptr, 1).second);
  EXPECT_FALSE(map.Insert(nullptr, 2).second);
  EXPECT_EQ(*map.Find(nullptr), 1);
  EXPECT_EQ(map.Size(), 1u);
  EXPECT_TRUE(map.Erase(nullptr));
  EXPECT_FALSE(map.Erase(nullptr));
  int k = 0;
  map.Reserve(1000);
  map.Insert(&k, 3);
  map.Clear();
  EXPECT_EQ(map.Size(), 0u);
  EXPECT_EQ(map.Find(&k), nullptr);
  EXPECT_TRUE(map.Insert(&k, 4).second);
}

}  // namespace
