#pragma once
// A map keyed by pointers, held in one array (open addressing, linear probing): a lookup reads
// one cache line where a node-based map reads two or three, which tells once a map holds the
// components of a thousand forms. Values move when the map grows: keep no pointers to them
// across an insertion.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <type_traits>
#include <utility>
#include <vector>

template <class K, class V>
class TPointerMap {
  static_assert(std::is_pointer_v<K>, "keys are pointers");

 public:
  size_t Size() const { return FSize + (FNull ? 1 : 0); }
  void Clear() {
    FSlots.clear();
    FSize = 0;
    FShift = 64;
    FNull.reset();
  }
  // Room for count entries without growing.
  void Reserve(size_t count) {
    if (count * 2 > FSlots.size()) Grow(count * 2);
  }

  V* Find(K key) {
    if (key == nullptr) return FNull ? &*FNull : nullptr;
    if (FSlots.empty()) return nullptr;
    for (size_t i = Home(key);; i = Next(i)) {
      if (FSlots[i].Key == key) return &FSlots[i].Value;
      if (FSlots[i].Key == nullptr) return nullptr;
    }
  }
  const V* Find(K key) const { return const_cast<TPointerMap*>(this)->Find(key); }

  // The entry of key, added with value when there is none; true when it was added.
  std::pair<V*, bool> Insert(K key, V value) {
    if (key == nullptr) {
      if (FNull) return {&*FNull, false};
      FNull.emplace(std::move(value));
      return {&*FNull, true};
    }
    if ((FSize + 1) * 2 > FSlots.size()) Grow(FSlots.empty() ? 16 : FSlots.size() * 2);
    size_t i = Home(key);
    for (; FSlots[i].Key != nullptr; i = Next(i)) {
      if (FSlots[i].Key == key) return {&FSlots[i].Value, false};
    }
    FSlots[i] = {key, std::move(value)};
    ++FSize;
    return {&FSlots[i].Value, true};
  }

  bool Erase(K key) {
    if (key == nullptr) {
      const bool had = FNull.has_value();
      FNull.reset();
      return had;
    }
    if (FSlots.empty()) return false;
    size_t hole = Home(key);
    for (; FSlots[hole].Key != key; hole = Next(hole)) {
      if (FSlots[hole].Key == nullptr) return false;
    }
    // Moves back each later entry of the run that may stand in the hole, so that every entry
    // stays reachable from its home without markers of erased ones.
    for (size_t j = Next(hole); FSlots[j].Key != nullptr; j = Next(j)) {
      const size_t home = Home(FSlots[j].Key);
      const bool between = hole <= j ? (hole < home && home <= j) : (hole < home || home <= j);
      if (!between) {
        FSlots[hole] = std::move(FSlots[j]);
        hole = j;
      }
    }
    FSlots[hole] = TSlot();
    --FSize;
    return true;
  }

 private:
  struct TSlot {
    K Key = nullptr;
    V Value{};
  };

  size_t Home(K key) const {
    // Fibonacci hashing: the top bits of the product spread aligned addresses evenly.
    return static_cast<size_t>((reinterpret_cast<uintptr_t>(key) * 0x9E3779B97F4A7C15ull) >>
                               FShift);
  }
  size_t Next(size_t i) const { return (i + 1) & (FSlots.size() - 1); }

  void Grow(size_t atLeast) {
    size_t size = 16;
    unsigned shift = 60;
    while (size < atLeast) {
      size *= 2;
      --shift;
    }
    std::vector<TSlot> old(size);
    old.swap(FSlots);
    FShift = shift;
    for (TSlot& slot : old) {
      if (slot.Key == nullptr) continue;
      size_t i = Home(slot.Key);
      while (FSlots[i].Key != nullptr) i = Next(i);
      FSlots[i] = std::move(slot);
    }
  }

  std::vector<TSlot> FSlots;  // a power of two long, at most half full
  size_t FSize = 0;           // entries in FSlots
  unsigned FShift = 64;
  std::optional<V> FNull;  // the entry of the null key
};
