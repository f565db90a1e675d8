#pragma once
// The families of foreign datasets that the migrator converts: one byte, bit n for ordinal n.
#include <cstdint>

#include "classes/Sets.h"
#include "classes/TypInfo.h"

enum class TConvertComponent : uint8_t { convBDE, convADO, convDBX, convZeos };

using TConvertComponents = uint8_t;
inline constexpr TConvertComponents kAllConvertComponents =
    SetBit(TConvertComponent::convBDE) | SetBit(TConvertComponent::convADO) |
    SetBit(TConvertComponent::convDBX) | SetBit(TConvertComponent::convZeos);

const TTypeInfo& TypeInfoConvertComponents();
