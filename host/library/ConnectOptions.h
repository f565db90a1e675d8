#pragma once
// The connection option set of TmySQLDatabase: one byte, bit n for the member of ordinal n.
#include <cstdint>

#include "classes/TypInfo.h"

enum class TConnectOption : uint8_t {
  coCompress,
  coFoundRows,
  coIgnoreSpaces,
  coInteractive,
  coNoSchema,
  coODBC,
  coSSL
};
inline constexpr int kConnectOptionCount = 7;

using TConnectOptions = uint8_t;

constexpr TConnectOptions ConnectOptionBit(TConnectOption option) {
  return static_cast<TConnectOptions>(1u << static_cast<unsigned>(option));
}
constexpr bool HasConnectOption(TConnectOptions set, TConnectOption option) {
  return (set & ConnectOptionBit(option)) != 0;
}

// The set type as form files name its members.
const TTypeInfo& TypeInfoConnectOptions();
