#include "library/ServerValues.h"

#include <charconv>
#include <cmath>
#include <cstdio>

#include "db/DateTimeFields.h"
#include "rtl/Exceptions.h"

namespace {

[[noreturn]] void BadValue(const std::string& text, TFieldType type) {
  throw EDatabaseError(STR("The server sent '") + FromUtf8(text) + STR("' for a field of type ") +
                       GetEnumName(TypeInfoFieldType(), static_cast<int64_t>(type)));
}

int64_t WholeNumber(const std::string& text, TFieldType type) {
  int64_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) BadValue(text, type);
  return value;
}

double RealNumber(const std::string& text, TFieldType type) {
  double value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) BadValue(text, type);
  return value;
}

// "[-]h:mm:ss[.ffffff]": the server's times run from -838:59:59 to 838:59:59.
double TimeOfServer(const std::string& text, TFieldType type) {
  int hours = 0, minutes = 0;
  double seconds = 0;
  const bool negative = !text.empty() && text[0] == '-';
  if (std::sscanf(text.c_str() + (negative ? 1 : 0), "%d:%d:%lf", &hours, &minutes, &seconds) !=
      3) {
    BadValue(text, type);
  }
  const double days = ((hours * 60.0 + minutes) * 60.0 + seconds) / 86400.0;
  return negative ? -days : days;
}

Variant DateOfServer(const std::string& text, TFieldType type) {
  // Zero dates ("0000-00-00", or a zero month or day) have no host value.
  if (text.size() >= 10 && (text.compare(0, 4, "0000") == 0 || text.compare(5, 2, "00") == 0 ||
                            text.compare(8, 2, "00") == 0)) {
    return Variant();
  }
  try {
    double days = TextToDateTime(FromUtf8(text.substr(0, 10)));
    if (text.size() > 11) days += TimeOfServer(text.substr(11), type);
    return days;
  } catch (const EConvertError&) {
    BadValue(text, type);
  }
}

std::string NumberText(double value) {
  char buffer[32];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}

}  // namespace

Variant VariantFromServer(const TRowValue& value, TFieldType type) {
  if (!value) return Variant();
  const std::string& text = *value;
  switch (type) {
    case TFieldType::ftSmallint:
    case TFieldType::ftInteger:
    case TFieldType::ftWord:
    case TFieldType::ftAutoInc:
    case TFieldType::ftShortint:
    case TFieldType::ftByte:
    case TFieldType::ftLongWord:
      return WholeNumber(text, type);
    case TFieldType::ftLargeint: {
      // An unsigned BIGINT beyond the signed range becomes a float rather than wrong.
      if (text.size() >= 19 && text[0] != '-') {
        uint64_t big = 0;
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), big);
        if (error == std::errc() && end == text.data() + text.size() && big > INT64_MAX) {
          return static_cast<double>(big);
        }
      }
      return WholeNumber(text, type);
    }
    case TFieldType::ftFloat:
    case TFieldType::ftCurrency:
    case TFieldType::ftBCD:
    case TFieldType::ftFMTBcd:
    case TFieldType::ftExtended:
      return RealNumber(text, type);
    case TFieldType::ftBoolean:
      return WholeNumber(text, type) != 0;
    case TFieldType::ftDate:
    case TFieldType::ftDateTime:
    case TFieldType::ftTimeStamp:
      return DateOfServer(text, type);
    case TFieldType::ftTime:
      return TimeOfServer(text, type);
    case TFieldType::ftBytes:
    case TFieldType::ftVarBytes:
    case TFieldType::ftBlob:
    case TFieldType::ftGraphic:
    case TFieldType::ftTypedBinary:
      return TBytes(text.begin(), text.end());
    default:
      return FromUtf8(text);
  }
}

TParamValue ServerParam(const String& name, const Variant& value, TFieldType type) {
  TParamValue param;
  param.Name = name;
  if (VarIsNull(value)) return param;
  if (const auto* bytes = std::get_if<TBytes>(&value)) {
    param.Value = std::string(bytes->begin(), bytes->end());
    param.Binary = true;
  } else if (const auto* flag = std::get_if<bool>(&value)) {
    param.Value.emplace(1, *flag ? '1' : '0');
  } else if (const auto* number = std::get_if<double>(&value)) {
    const bool temporal = type == TFieldType::ftDate || type == TFieldType::ftTime ||
                          type == TFieldType::ftDateTime || type == TFieldType::ftTimeStamp;
    param.Value = temporal ? ToUtf8(DateTimeToText(*number, type)) : NumberText(*number);
  } else if (const auto* whole = std::get_if<int64_t>(&value)) {
    param.Value = std::to_string(*whole);
  } else {
    param.Value = ToUtf8(std::get<String>(value));
  }
  return param;
}
