#pragma once
// A fixed range of values of which few are set: the events and rarer texts of a component. A
// data module may hold thousands of components, most of them with one event or none, so only
// the values set are kept, each with its index.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

template <class T, size_t N>
class TSparseArray {
  static_assert(N <= UINT8_MAX, "indexes are kept in a byte");

 public:
  const T& operator[](size_t index) const {
    static const T kUnset{};
    const auto it = Find(index);
    return it != FValues.end() ? it->Value : kUnset;
  }
  // Setting the default forgets the value.
  void Set(size_t index, const T& value) {
    const auto it = Find(index);
    if (value == T{}) {
      if (it != FValues.end()) FValues.erase(it);
    } else if (it != FValues.end()) {
      it->Value = value;
    } else {
      FValues.reserve(FValues.size() + 1);  // exact: most hold one or two
      FValues.push_back({static_cast<uint8_t>(index), value});
    }
  }

 private:
  struct TEntry {
    uint8_t Index;
    T Value;
  };
  auto Find(size_t index) const { return Find(FValues, index); }
  auto Find(size_t index) { return Find(FValues, index); }
  template <class TValues>
  static auto Find(TValues& values, size_t index) {
    return std::find_if(values.begin(), values.end(),
                        [index](const TEntry& e) { return e.Index == index; });
  }
  std::vector<TEntry> FValues;
};
