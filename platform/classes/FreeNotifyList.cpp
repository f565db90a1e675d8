#include "FreeNotifyList.h"

#include <algorithm>

bool TFreeNotifyList::Contains(const TComponent* component) const {
  if (FIndex) return FIndex->count(component) > 0;
  return std::find(FItems.begin(), FItems.end(), component) != FItems.end();
}

void TFreeNotifyList::Add(TComponent* component) {
  FItems.push_back(component);
  ++FCount;
  if (FIndex) {
    (*FIndex)[component] = FItems.size() - 1;
  } else if (FCount >= kIndexFrom) {
    Rebuild();
  }
}

void TFreeNotifyList::Remove(const TComponent* component) {
  if (!FIndex) {
    // Members mostly leave in reverse order of arrival.
    const auto it = std::find(FItems.rbegin(), FItems.rend(), component);
    if (it == FItems.rend()) return;
    FItems.erase(std::next(it).base());
    --FCount;
    return;
  }
  const auto it = FIndex->find(component);
  if (it == FIndex->end()) return;
  FItems[it->second] = nullptr;
  FIndex->erase(it);
  --FCount;
  DropTrailingHoles();
  if (FItems.size() > 2 * FCount + kIndexFrom) Rebuild();
}

TComponent* TFreeNotifyList::TakeLast() {
  TComponent* last = FItems.back();
  FItems.pop_back();
  if (FIndex) FIndex->erase(last);
  --FCount;
  DropTrailingHoles();
  return last;
}

void TFreeNotifyList::DropTrailingHoles() {
  while (!FItems.empty() && FItems.back() == nullptr) FItems.pop_back();
}

void TFreeNotifyList::Rebuild() {
  std::erase(FItems, nullptr);
  FIndex.reset();
  if (FItems.size() < kIndexFrom) return;
  FIndex = std::make_unique<std::unordered_map<const TComponent*, size_t>>();
  for (size_t i = 0; i < FItems.size(); ++i) (*FIndex)[FItems[i]] = i;
}
