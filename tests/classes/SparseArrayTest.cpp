#include <gtest/gtest.h>

#include <array>
#include <string>

#include "classes/SparseArray.h"

namespace {

// Every index against a plain array through sets, overwrites and resets to the default: a
// value set back to the default is forgotten without disturbing the others.
TEST(SparseArray, ReadsAsAPlainArrayThroughSetsAndResets) {
  constexpr size_t kCount = 12;
  TSparseArray<std::string, kCount> sparse;
  std::array<std::string, kCount> plain;
  const auto agree = [&] {
    for (size_t i = 0; i < kCount; ++i) ASSERT_EQ(sparse[i], plain[i]) << "index " << i;
  };
  agree();
  const size_t steps[] = {3, 7, 3, 0, 11, 7, 5, 0, 3, 11};
  for (size_t step = 0; step < std::size(steps); ++step) {
    const size_t i = steps[step];
    // Every third step resets the value.
    const std::string value = step % 3 == 2 ? std::string() : "value " + std::to_string(step);
    sparse.Set(i, value);
    plain[i] = value;
    agree();
  }
}

}  // namespace
