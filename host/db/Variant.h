#pragma once
// Values of fields and parameters.
#include <cstdint>
#include <variant>
#include <vector>

#include "rtl/String.h"

using TBytes = std::vector<uint8_t>;

// Null, a Boolean, an integer, a float (dates and times too: days since 1899-12-30, the time as
// the fraction of a day), text, or bytes.
using Variant = std::variant<std::monostate, bool, int64_t, double, String, TBytes>;

inline bool VarIsNull(const Variant& v) {
  return std::holds_alternative<std::monostate>(v);
}

// Conversions with the host runtime's rules; null reads as "", 0, 0.0 and False. Text that is
// no number raises EConvertError naming the text.
String VarToStr(const Variant& v);
int64_t VarToInt(const Variant& v);
double VarToFloat(const Variant& v);
bool VarToBool(const Variant& v);
// Shortest decimal text that reads back as the same double ("1.5", "100", "1E20").
String FloatToStr(double value);
// Raises EConvertError "'text' is not a valid floating point value".
double StrToFloat(StringView text);
