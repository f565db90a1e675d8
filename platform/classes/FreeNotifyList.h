#pragma once
// The components to tell when one is freed, in the order they asked. A form's module watches
// every component of its form, so long lists find their members through an index.
#include <cstddef>
#include <unordered_map>
#include <vector>

class TComponent;

class TFreeNotifyList {
 public:
  bool Empty() const { return FCount == 0; }
  bool Contains(const TComponent* component) const;
  // Adds a component that is not in the list yet.
  void Add(TComponent* component);
  void Remove(const TComponent* component);
  // Removes and returns the latest member.
  TComponent* TakeLast();

 private:
  static constexpr size_t kIndexFrom = 16;
  void DropTrailingHoles();
  void Rebuild();

  std::vector<TComponent*> FItems;                       // null where a member left
  std::unordered_map<const TComponent*, size_t> FIndex;  // positions, once the list is long
  bool FIndexed = false;
  size_t FCount = 0;
};
