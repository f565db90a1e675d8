#pragma once
// The untyped pointer list: entries are not owned; a descendant that derives something from its
// entries hears of every change through Notify.
#include <vector>

#include "rtl/Object.h"

enum class TListNotification { lnAdded, lnDeleted };

class TList : public TObject {
 public:
  TList() = default;
  ~TList() override = default;
  TList(const TList&) = delete;
  TList& operator=(const TList&) = delete;

  int Count() const { return static_cast<int>(FItems.size()); }
  // Raises EListError "List index out of bounds (n)".
  void* Items(int index) const;
  void SetItems(int index, void* item);
  int Add(void* item);
  void Insert(int index, void* item);
  void Delete(int index);
  // Removes the first entry equal to item; returns its index or -1.
  int Remove(void* item);
  int IndexOf(const void* item) const;
  void Clear();

 protected:
  virtual void Notify(void* item, TListNotification action);

 private:
  void CheckIndex(int index) const;
  std::vector<void*> FItems;
};
