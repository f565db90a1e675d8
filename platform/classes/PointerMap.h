#pragma once
// A map from pointers to small values in one block of memory (open addressing). Bringing a large
// form's document in line looks every component up several times; a node per entry would cost an
// allocation and a cache miss each.
#include <cstdint>
#include <vector>

template <typename V>
class TPointerMap {
 public:
  void Reserve(size_t count) {
    if (Full(count)) Rehash(count + count / 3 + 1);
  }
  // Null when absent; null keys are never present.
  V* Find(const void* key) {
    if (key == nullptr || FSlots.empty()) return nullptr;
    for (size_t i = Home(key);; i = (i + 1) & (FSlots.size() - 1)) {
      if (FSlots[i].Key == key) return &FSlots[i].Value;
      if (FSlots[i].Key == nullptr) return nullptr;
    }
  }
  const V* Find(const void* key) const { return const_cast<TPointerMap*>(this)->Find(key); }
  // The value of key, made with V() when absent; key must not be null.
  V& operator[](const void* key) {
    if (Full(FCount + 1)) Rehash(FSlots.empty() ? 16 : FSlots.size() * 2);
    size_t i = Home(key);
    for (; FSlots[i].Key != nullptr && FSlots[i].Key != key; i = (i + 1) & (FSlots.size() - 1)) {
    }
    if (FSlots[i].Key == nullptr) {
      FSlots[i].Key = key;
      ++FCount;
    }
    return FSlots[i].Value;
  }

 private:
  struct TSlot {
    const void* Key = nullptr;
    V Value{};
  };
  // At most three quarters of the slots are used: probes stay short.
  bool Full(size_t count) const { return count * 4 > FSlots.size() * 3; }
  size_t Home(const void* key) const {
    // Fibonacci hashing: the high bits of the product, masked to the table.
    const uint64_t h =
        static_cast<uint64_t>(reinterpret_cast<uintptr_t>(key)) * 0x9E3779B97F4A7C15ull;
    return static_cast<size_t>(h >> 20) & (FSlots.size() - 1);
  }
  void Rehash(size_t atLeast) {
    size_t size = 16;
    while (size < atLeast) size *= 2;
    std::vector<TSlot> old(size);
    old.swap(FSlots);
    FCount = 0;
    for (TSlot& slot : old) {
      if (slot.Key != nullptr) (*this)[slot.Key] = std::move(slot.Value);
    }
  }

  std::vector<TSlot> FSlots;
  size_t FCount = 0;
};
