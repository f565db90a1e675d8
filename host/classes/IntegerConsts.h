#pragma once
// Names for values of integer types, as form files write colours and cursors (clBtnFace,
// crHourGlass). A type's names are registered once by the area that defines the type.
#include <optional>
#include <utility>
#include <vector>

#include "classes/TypInfo.h"

using TIdentMap = std::vector<std::pair<String, int64_t>>;

void RegisterIntegerConsts(const TTypeInfo& type, TIdentMap idents);
// The value of name for type (case-insensitive); empty when the type or the name is unknown.
std::optional<int64_t> IdentToInt(const TTypeInfo& type, StringView name);
// The name of value for type; empty when it has none.
std::optional<String> IntToIdent(const TTypeInfo& type, int64_t value);
