#include "FreeNotifyList.h"

#include <algorithm>

bool TFreeNotifyList::Contains(const TComponent* component) {
  IndexIfLong();
  if (FIndex) return FIndex->Find(component) != nullptr;
  return std::find(FItems.begin(), FItems.end(), component) != FItems.end();
}

void TFreeNotifyList::Add(TComponent* component) {
  FItems.push_back(component);
  ++FCount;
  if (FIndex) FIndex->Insert(component, FItems.size() - 1);
}

void TFreeNotifyList::Remove(const TComponent* component) {
  IndexIfLong();
  if (!FIndex) {
    // Members mostly leave in reverse order of arrival.
    const auto it = std::find(FItems.rbegin(), FItems.rend(), component);
    if (it == FItems.rend()) return;
    FItems.erase(std::next(it).base());
    --FCount;
    return;
  }
  const size_t* at = FIndex->Find(component);
  if (at == nullptr) return;
  FItems[*at] = nullptr;
  FIndex->Erase(component);
  --FCount;
  DropTrailingHoles();
  if (FItems.size() > 2 * FCount + kIndexFrom) Rebuild();
}

TComponent* TFreeNotifyList::TakeLast() {
  // Only a component being freed takes its members, all of them, last first: the index would
  // cost a scattered erase per member, and without it members still leave from the back.
  if (FIndex) {
    std::erase(FItems, nullptr);
    FIndex.reset();
  }
  TComponent* last = FItems.back();
  FItems.pop_back();
  --FCount;
  return last;
}

void TFreeNotifyList::DropTrailingHoles() {
  while (!FItems.empty() && FItems.back() == nullptr) FItems.pop_back();
}

void TFreeNotifyList::IndexIfLong() {
  if (!FIndex && FItems.size() >= kIndexFrom) Rebuild();
}

void TFreeNotifyList::Rebuild() {
  std::erase(FItems, nullptr);
  if (FItems.size() < kIndexFrom) {
    FIndex.reset();
    return;
  }
  FIndex = std::make_unique<TPointerMap<const TComponent*, size_t>>();
  FIndex->Reserve(FItems.size());
  for (size_t i = 0; i < FItems.size(); ++i) FIndex->Insert(FItems[i], i);
}
