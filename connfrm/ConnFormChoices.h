#pragma once
// The choices built into the connection options dialog; it never asks the server.
#include <array>

#include "rtl/String.h"

// The character sets offered, in the order they are listed.
extern const std::array<const Char*, 39> kConnCharsets;
// The collations, grouped by character set in the order of kConnCharsets.
extern const std::array<const Char*, 195> kConnCollations;
