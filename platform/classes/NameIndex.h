#pragma once
// An owner's components by name, without regard to ASCII case. The names stay in the
// components: a slot holds a component and the hash of the name it was indexed under.
#include "classes/Component.h"
#include "classes/FlatTable.h"

class TNameIndex {
 public:
  TComponent* Find(StringView name) const;
  // Starts loading where name is looked up (see TFlatTable::Prefetch).
  void Prefetch(StringView name) const;
  // Keeps the first component of a name: a subclass that lets a name in twice finds that one.
  void Add(TComponent* component);
  // Takes out the component if it is the one indexed under its name.
  void Remove(const TComponent* component);

 private:
  struct TSlot {
    size_t Hash = 0;
    TComponent* Component = nullptr;
  };
  struct TTraits {
    static bool Empty(const TSlot& slot) { return slot.Component == nullptr; }
    static size_t Hash(const TSlot& slot) { return slot.Hash; }
  };
  mutable TFlatTable<TSlot, TTraits> FTable;
};
