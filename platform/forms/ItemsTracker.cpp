#include "ItemsTracker.h"

#include <algorithm>

std::vector<int> TItemsTracker::Update(const TStringList& items) {
  std::vector<Entry> now;
  now.reserve(static_cast<size_t>(items.Count()));
  for (int i = 0; i < items.Count(); ++i) now.push_back({items.Strings(i), items.Objects(i)});
  const size_t oldCount = FSnapshot.size();
  const size_t newCount = now.size();
  size_t prefix = 0;
  while (prefix < oldCount && prefix < newCount && FSnapshot[prefix] == now[prefix]) ++prefix;
  size_t suffix = 0;
  while (suffix < oldCount - prefix && suffix < newCount - prefix &&
         FSnapshot[oldCount - 1 - suffix] == now[newCount - 1 - suffix]) {
    ++suffix;
  }
  std::vector<int> map(oldCount, -1);
  for (size_t i = 0; i < prefix; ++i) map[i] = static_cast<int>(i);
  for (size_t k = 0; k < suffix; ++k) {
    map[oldCount - 1 - k] = static_cast<int>(newCount - 1 - k);
  }
  FSnapshot = std::move(now);
  return map;
}
