#pragma once
// Binary property values: form files write them as `{ hex }` (a picture's Data); in transit
// they are a std::vector<uint8_t> inside the TValue's std::any.
#include <cstdint>
#include <vector>

#include "classes/TypInfo.h"

using TBinaryData = std::vector<uint8_t>;

const TTypeInfo& TypeInfoBinary();
