#include "migrator/DataSetList.h"

#include <algorithm>

// Marks a writer of this class, which keeps the index in step itself.
class TDataSetList::TOwnWrite {
 public:
  explicit TOwnWrite(TDataSetList& list) : FList(list) { FList.FOwnWrite = true; }
  ~TOwnWrite() { FList.FOwnWrite = false; }
  TOwnWrite(const TOwnWrite&) = delete;
  TOwnWrite& operator=(const TOwnWrite&) = delete;

 private:
  TDataSetList& FList;
};

TDataSetList::~TDataSetList() {
  ClearAll();
}

PDataSetPair TDataSetList::GetDataSetPairs(int index) const {
  return static_cast<PDataSetPair>(Items(index));
}

void TDataSetList::SetDataSetPairs(int index, PDataSetPair value) {
  const PDataSetPair old = GetDataSetPairs(index);
  {
    TOwnWrite own(*this);
    SetItems(index, value);
  }
  if (old != nullptr) UnindexEntry(old->OldDataSet, index);
  if (value != nullptr) IndexEntry(value->OldDataSet, index);
}

void TDataSetList::SetOldDataSets(int index, TDataSet* value) {
  const PDataSetPair pair = GetDataSetPairs(index);
  UnindexEntry(pair->OldDataSet, index);
  pair->OldDataSet = value;
  IndexEntry(value, index);
}

int TDataSetList::AddPair(PDataSetPair pair) {
  int index;
  {
    TOwnWrite own(*this);
    index = Add(pair);
  }
  if (pair != nullptr) IndexEntry(pair->OldDataSet, index);
  return index;
}

TDataSet* TDataSetList::GetPaired(const TDataSet* aDataSet) const {
  const int index = IndexOfOldDataSet(aDataSet);
  return index < 0 ? nullptr : GetNewDataSets(index);
}

int TDataSetList::IndexOfOldDataSet(const TDataSet* aDataSet) const {
  if (!FIndexValid) RebuildIndex();
  const TEntry* entry = FIndex.Find(aDataSet);
  return entry == nullptr ? -1 : entry->First;
}

void TDataSetList::DeletePair(int index) {
  const PDataSetPair pair = GetDataSetPairs(index);
  const bool last = index == Count() - 1;
  {
    TOwnWrite own(*this);
    Delete(index);
  }
  if (pair != nullptr) {
    // Removing an entry before the end shifts the indexes behind it: rebuild on next use.
    if (last) {
      UnindexEntry(pair->OldDataSet, index);
    } else {
      FIndexValid = false;
    }
  }
  delete pair;
}

void TDataSetList::ClearAll() {
  for (int i = 0; i < Count(); ++i) delete GetDataSetPairs(i);
  {
    TOwnWrite own(*this);
    Clear();
  }
  FIndex.Clear();
  FIndexValid = true;
}

void TDataSetList::Notify(void*, TListNotification) {
  if (!FOwnWrite) FIndexValid = false;
}

void TDataSetList::IndexEntry(const TDataSet* key, int index) {
  if (!FIndexValid) return;
  const auto [entry, added] = FIndex.Insert(key, TEntry{index, 1});
  if (added) return;
  entry->First = std::min(entry->First, index);
  ++entry->Count;
}

void TDataSetList::UnindexEntry(const TDataSet* key, int index) {
  if (!FIndexValid) return;
  TEntry* found = FIndex.Find(key);
  if (found == nullptr) return;
  TEntry& entry = *found;
  if (--entry.Count == 0) {
    FIndex.Erase(key);
    return;
  }
  if (entry.First != index) return;
  // The entry at index no longer holds key (or is about to go): the next one that does.
  for (int i = index + 1; i < Count(); ++i) {
    const PDataSetPair pair = GetDataSetPairs(i);
    if (pair != nullptr && pair->OldDataSet == key) {
      entry.First = i;
      return;
    }
  }
}

void TDataSetList::RebuildIndex() const {
  FIndex.Clear();
  FIndex.Reserve(static_cast<size_t>(Count()));
  for (int i = 0; i < Count(); ++i) {
    if (const PDataSetPair pair = GetDataSetPairs(i); pair != nullptr) {
      const auto [entry, added] = FIndex.Insert(pair->OldDataSet, TEntry{i, 1});
      if (!added) ++entry->Count;
    }
  }
  FIndexValid = true;
}
