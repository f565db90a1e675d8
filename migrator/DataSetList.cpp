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
  const auto it = FIndex.find(aDataSet);
  return it == FIndex.end() ? -1 : it->second.front();
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
  for (int i = Count() - 1; i >= 0; --i) DeletePair(i);
}

void TDataSetList::Notify(void*, TListNotification) {
  if (!FOwnWrite) FIndexValid = false;
}

void TDataSetList::IndexEntry(const TDataSet* key, int index) {
  if (!FIndexValid) return;
  std::vector<int>& indexes = FIndex[key];
  indexes.insert(std::lower_bound(indexes.begin(), indexes.end(), index), index);
}

void TDataSetList::UnindexEntry(const TDataSet* key, int index) {
  if (!FIndexValid) return;
  const auto it = FIndex.find(key);
  if (it == FIndex.end()) return;
  std::vector<int>& indexes = it->second;
  const auto at = std::lower_bound(indexes.begin(), indexes.end(), index);
  if (at != indexes.end() && *at == index) indexes.erase(at);
  if (indexes.empty()) FIndex.erase(it);
}

void TDataSetList::RebuildIndex() const {
  FIndex.clear();
  for (int i = 0; i < Count(); ++i) {
    if (const PDataSetPair pair = GetDataSetPairs(i); pair != nullptr) {
      FIndex[pair->OldDataSet].push_back(i);
    }
  }
  FIndexValid = true;
}
