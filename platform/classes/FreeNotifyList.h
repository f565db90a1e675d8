#pragma once
// The components to tell when one is freed, in the order they asked. A form's module watches
// every component of its form, so long lists find their members through an index.
#include <cstddef>
#include <memory>
#include <vector>

#include "classes/PointerMap.h"

class TComponent;

class TFreeNotifyList {
 public:
  bool Empty() const { return FCount == 0; }
  size_t Count() const { return FCount; }
  bool Contains(const TComponent* component);
  // Adds a component that is not in the list yet.
  void Add(TComponent* component);
  void Remove(const TComponent* component);
  // Removes and returns the latest member; for emptying the list of a component being freed.
  TComponent* TakeLast();
  template <class F>
  void ForEach(F proc) const {
    for (TComponent* c : FItems) {
      if (c != nullptr) proc(c);
    }
  }

 private:
  static constexpr size_t kIndexFrom = 16;
  void DropTrailingHoles();
  void IndexIfLong();
  void Rebuild();

  std::vector<TComponent*> FItems;  // null where a member left
  // Positions, made when a long list is first searched: most lists (a component's, naming its
  // module) stay short, and a module's list of every component of its form is built at loading
  // and let go at closing without a search.
  std::unique_ptr<TPointerMap<const TComponent*, size_t>> FIndex;
  size_t FCount = 0;
};
