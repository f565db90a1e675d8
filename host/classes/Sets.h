#pragma once
// Sets of enumeration members as the host stores them: bit n stands for the member of ordinal n.
#include <cstdint>

template <class E>
constexpr uint32_t SetBit(E member) {
  return uint32_t{1} << static_cast<unsigned>(member);
}

template <class Set, class E>
constexpr bool InSet(Set set, E member) {
  return (static_cast<uint32_t>(set) & SetBit(member)) != 0;
}
