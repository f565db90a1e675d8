#pragma once
// Ordering of field values for lookups and filters.
#include "db/Variant.h"

// <0, 0 or >0. Null sorts first and equals only null; numbers (and Booleans) compare by value,
// also against text that reads as a number; everything else compares as text.
int VarCompare(const Variant& a, const Variant& b, bool caseInsensitive);
