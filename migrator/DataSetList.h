#pragma once
// The pairs of one migration run: each foreign dataset and the library dataset that replaces it.
// The list owns the pair records, never the datasets.
#include "classes/List.h"
#include "classes/PointerMap.h"
#include "db/DataSet.h"

struct TDataSetPair {
  TDataSet* OldDataSet = nullptr;
  TDataSet* NewDataSet = nullptr;
};
using PDataSetPair = TDataSetPair*;

// Lookups by old dataset go through an index, so that a run stays linear; the index follows
// every writer below. Change a pair's members through the setters, not through the record.
class TDataSetList : public TList {
 public:
  TDataSetList() = default;
  ~TDataSetList() override;

  PDataSetPair GetDataSetPairs(int index) const;
  // Replaces the entry; the record it held is not freed (the caller keeps it).
  void SetDataSetPairs(int index, PDataSetPair value);
  TDataSet* GetOldDataSets(int index) const { return GetDataSetPairs(index)->OldDataSet; }
  void SetOldDataSets(int index, TDataSet* value);
  TDataSet* GetNewDataSets(int index) const { return GetDataSetPairs(index)->NewDataSet; }
  void SetNewDataSets(int index, TDataSet* value) { GetDataSetPairs(index)->NewDataSet = value; }

  // Appends a record that the list then owns; returns its index.
  int AddPair(PDataSetPair pair);
  // The NewDataSet of the first pair whose OldDataSet is aDataSet; null when none.
  TDataSet* GetPaired(const TDataSet* aDataSet) const;
  // The index of the first pair whose OldDataSet is aDataSet; -1 when none.
  int IndexOfOldDataSet(const TDataSet* aDataSet) const;
  // Frees the record at index and removes the entry.
  void DeletePair(int index);
  void ClearAll();

 protected:
  // Entries added or removed through TList's own methods: the index is rebuilt on next use.
  void Notify(void* item, TListNotification action) override;

 private:
  class TOwnWrite;
  void IndexEntry(const TDataSet* key, int index);
  void UnindexEntry(const TDataSet* key, int index);
  void RebuildIndex() const;

  // Per old dataset, the first pair holding it and how many do. Duplicates are rare: when the
  // first of several goes, the next is found by walking the list.
  struct TEntry {
    int First;
    int Count;
  };
  mutable TPointerMap<const TDataSet*, TEntry> FIndex;
  mutable bool FIndexValid = true;
  bool FOwnWrite = false;
};
