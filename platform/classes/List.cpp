#include "classes/List.h"

#include <algorithm>

#include "rtl/Exceptions.h"
#include "rtl/SysUtils.h"

void TList::CheckIndex(int index) const {
  if (index < 0 || index >= Count()) {
    throw EListError(STR("List index out of bounds (") + IntToStr(index) + STR(")"));
  }
}

void* TList::Items(int index) const {
  CheckIndex(index);
  return FItems[static_cast<size_t>(index)];
}

void TList::SetItems(int index, void* item) {
  CheckIndex(index);
  void* old = FItems[static_cast<size_t>(index)];
  if (old == item) return;
  FItems[static_cast<size_t>(index)] = item;
  if (old != nullptr) Notify(old, TListNotification::lnDeleted);
  if (item != nullptr) Notify(item, TListNotification::lnAdded);
}

int TList::Add(void* item) {
  FItems.push_back(item);
  if (item != nullptr) Notify(item, TListNotification::lnAdded);
  return Count() - 1;
}

void TList::Insert(int index, void* item) {
  if (index < 0 || index > Count()) {
    throw EListError(STR("List index out of bounds (") + IntToStr(index) + STR(")"));
  }
  FItems.insert(FItems.begin() + index, item);
  if (item != nullptr) Notify(item, TListNotification::lnAdded);
}

void TList::Delete(int index) {
  CheckIndex(index);
  void* item = FItems[static_cast<size_t>(index)];
  FItems.erase(FItems.begin() + index);
  if (item != nullptr) Notify(item, TListNotification::lnDeleted);
}

int TList::Remove(void* item) {
  const int index = IndexOf(item);
  if (index >= 0) Delete(index);
  return index;
}

int TList::IndexOf(const void* item) const {
  const auto it = std::find(FItems.begin(), FItems.end(), item);
  return it == FItems.end() ? -1 : static_cast<int>(it - FItems.begin());
}

void TList::Clear() {
  while (!FItems.empty()) Delete(Count() - 1);
}

void TList::Notify(void*, TListNotification) {}
