#pragma once
// A map keyed by pointers, held flat (FlatTable.h). Values move when the map grows: keep no
// pointers to them across an insertion.
#include <optional>
#include <type_traits>

#include "classes/FlatTable.h"

template <class K, class V>
class TPointerMap {
  static_assert(std::is_pointer_v<K>, "keys are pointers");

 public:
  size_t Size() const { return FTable.Size() + (FNull ? 1 : 0); }
  void Clear() {
    FTable.Clear();
    FNull.reset();
  }
  // Room for count entries without growing.
  void Reserve(size_t count) { FTable.Reserve(count); }

  V* Find(K key) {
    if (key == nullptr) return FNull ? &*FNull : nullptr;
    TSlot* slot = FTable.Find(Hash(key), Is(key));
    return slot != nullptr ? &slot->Value : nullptr;
  }
  const V* Find(K key) const { return const_cast<TPointerMap*>(this)->Find(key); }

  // The entry of key, added with value when there is none; true when it was added.
  std::pair<V*, bool> Insert(K key, V value) {
    if (key == nullptr) {
      const bool added = !FNull;
      if (added) FNull.emplace(std::move(value));
      return {&*FNull, added};
    }
    const auto [slot, added] = FTable.Insert(Hash(key), Is(key), TSlot{key, std::move(value)});
    return {&slot->Value, added};
  }

  // The entry of key, made with V() when there is none.
  V& operator[](K key) { return *Insert(key, V()).first; }

  bool Erase(K key) {
    if (key != nullptr) return FTable.Erase(Hash(key), Is(key));
    const bool had = FNull.has_value();
    FNull.reset();
    return had;
  }

 private:
  struct TSlot {
    K Key = nullptr;
    V Value{};
  };
  struct TTraits {
    static bool Empty(const TSlot& slot) { return slot.Key == nullptr; }
    static size_t Hash(const TSlot& slot) { return TPointerMap::Hash(slot.Key); }
  };
  static size_t Hash(K key) { return reinterpret_cast<uintptr_t>(key); }
  static auto Is(K key) {
    return [key](const TSlot& slot) { return slot.Key == key; };
  }

  TFlatTable<TSlot, TTraits> FTable;
  std::optional<V> FNull;  // the entry of the null key
};
