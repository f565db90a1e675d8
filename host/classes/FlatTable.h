#pragma once
// The core of the flat maps: slots in one array (open addressing, linear probing), so that a
// lookup reads one cache line where a node-based map reads two or three, which tells once a map
// holds the components of a thousand forms. Erasing moves later slots back instead of leaving
// markers. Slots move when the table grows: keep no pointers to them across an insertion.
//
// TTraits gives `static bool Empty(const TSlot&)` (a default-made slot is empty) and
// `static size_t Hash(const TSlot&)` of a full slot; the caller passes the same hash with a
// test that recognises the slot it means.
#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

template <class TSlot, class TTraits>
class TFlatTable {
 public:
  size_t Size() const { return FSize; }
  void Clear() {
    FSlots.clear();
    FSize = 0;
  }
  // Room for count slots without growing.
  void Reserve(size_t count) {
    if (count * 2 > FSlots.size()) Grow(count * 2);
  }

  template <class TMatch>
  TSlot* Find(size_t hash, TMatch match) {
    if (FSlots.empty()) return nullptr;
    for (size_t i = Home(hash);; i = Next(i)) {
      if (TTraits::Empty(FSlots[i])) return nullptr;
      if (match(FSlots[i])) return &FSlots[i];
    }
  }

  // Starts loading the slot a lookup of hash begins with: in a table larger than the caches, a
  // caller that knows its next key early does other work while the slot arrives.
  void Prefetch(size_t hash) const {
    if (!FSlots.empty()) __builtin_prefetch(&FSlots[Home(hash)]);
  }

  // The slot that match recognises, or value placed as a new one; true when it was added.
  template <class TMatch>
  std::pair<TSlot*, bool> Insert(size_t hash, TMatch match, TSlot value) {
    if ((FSize + 1) * 2 > FSlots.size()) Grow(FSlots.empty() ? 16 : FSlots.size() * 2);
    size_t i = Home(hash);
    for (; !TTraits::Empty(FSlots[i]); i = Next(i)) {
      if (match(FSlots[i])) return {&FSlots[i], false};
    }
    FSlots[i] = std::move(value);
    ++FSize;
    return {&FSlots[i], true};
  }

  template <class TMatch>
  bool Erase(size_t hash, TMatch match) {
    TSlot* found = Find(hash, match);
    if (found == nullptr) return false;
    size_t hole = static_cast<size_t>(found - FSlots.data());
    // Moves back each later slot of the run that may stand in the hole, so that every slot
    // stays reachable from its home.
    for (size_t j = Next(hole); !TTraits::Empty(FSlots[j]); j = Next(j)) {
      const size_t home = Home(TTraits::Hash(FSlots[j]));
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
  size_t Home(size_t hash) const {
    // Fibonacci hashing: the top bits of the product spread aligned addresses evenly.
    return static_cast<size_t>((static_cast<uint64_t>(hash) * 0x9E3779B97F4A7C15ull) >> FShift);
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
      if (TTraits::Empty(slot)) continue;
      size_t i = Home(TTraits::Hash(slot));
      while (!TTraits::Empty(FSlots[i])) i = Next(i);
      FSlots[i] = std::move(slot);
    }
  }

  std::vector<TSlot> FSlots;  // a power of two long, at most half full
  size_t FSize = 0;
  unsigned FShift = 64;
};
