#include "db/DateTimeFields.h"

#include <chrono>
#include <cmath>
#include <cstdio>
#include <string>

#include "db/DataSet.h"

namespace {

using namespace std::chrono;

// Day 0 of the host's date-time values.
constexpr sys_days kEpoch = sys_days(year(1899) / December / 30);

[[noreturn]] void BadText(StringView text) {
  throw EConvertError(STR("'") + String(text) + STR("' is not a valid date and time"));
}

// Reads an unsigned decimal of 1 to maxDigits digits at pos.
bool ReadNumber(const std::string& s, size_t& pos, size_t maxDigits, int& out) {
  const size_t start = pos;
  out = 0;
  while (pos < s.size() && pos - start < maxDigits && s[pos] >= '0' && s[pos] <= '9') {
    out = out * 10 + (s[pos++] - '0');
  }
  return pos > start;
}

bool ReadDate(const std::string& s, size_t& pos, double& days) {
  int y = 0, m = 0, d = 0;
  if (!ReadNumber(s, pos, 4, y) || pos >= s.size() || s[pos++] != '-' ||
      !ReadNumber(s, pos, 2, m) || pos >= s.size() || s[pos++] != '-' ||
      !ReadNumber(s, pos, 2, d)) {
    return false;
  }
  const year_month_day ymd{year(y), month(static_cast<unsigned>(m)), day(static_cast<unsigned>(d))};
  if (!ymd.ok()) return false;
  days = static_cast<double>((sys_days(ymd) - kEpoch).count());
  return true;
}

bool ReadTime(const std::string& s, size_t& pos, double& fraction) {
  int h = 0, n = 0, sec = 0, ms = 0;
  if (!ReadNumber(s, pos, 2, h) || pos >= s.size() || s[pos++] != ':' ||
      !ReadNumber(s, pos, 2, n)) {
    return false;
  }
  if (pos < s.size() && s[pos] == ':') {
    ++pos;
    if (!ReadNumber(s, pos, 2, sec)) return false;
    if (pos < s.size() && s[pos] == '.') {
      ++pos;
      const size_t start = pos;
      if (!ReadNumber(s, pos, 3, ms)) return false;
      for (size_t digits = pos - start; digits < 3; ++digits) ms *= 10;
    }
  }
  if (h > 23 || n > 59 || sec > 59) return false;
  fraction = (((h * 60.0 + n) * 60.0 + sec) * 1000.0 + ms) / 86400000.0;
  return true;
}

}  // namespace

String DateTimeToText(double value, TFieldType type) {
  const double whole = std::trunc(value);
  const auto totalMs = static_cast<int64_t>(std::llround(std::fabs(value - whole) * 86400000.0));
  // Rounding can carry a time of 23:59:59.9995 into the next day.
  const int64_t dayCarry = totalMs / 86400000;
  const int64_t ms = totalMs % 86400000;
  const auto dayNumber = static_cast<int64_t>(whole) + (value < 0 ? -dayCarry : dayCarry);
  const year_month_day ymd{kEpoch + days(dayNumber)};
  char date[32];
  std::snprintf(date, sizeof date, "%04d-%02u-%02u", static_cast<int>(ymd.year()),
                static_cast<unsigned>(ymd.month()), static_cast<unsigned>(ymd.day()));
  char time[16];
  const int64_t seconds = ms / 1000;
  std::snprintf(time, sizeof time, "%02d:%02d:%02d", static_cast<int>(seconds / 3600),
                static_cast<int>(seconds / 60 % 60), static_cast<int>(seconds % 60));
  if (type == TFieldType::ftDate) return FromUtf8(date);
  if (type == TFieldType::ftTime) return FromUtf8(time);
  if (ms == 0) return FromUtf8(date);
  return FromUtf8(std::string(date) + " " + time);
}

double TextToDateTime(StringView text) {
  const std::string s = ToUtf8(Trim(text));
  size_t pos = 0;
  double days = 0;
  double fraction = 0;
  if (s.find('-', 1) != std::string::npos) {
    if (!ReadDate(s, pos, days)) BadText(text);
    if (pos < s.size()) {
      if (s[pos] != ' ' && s[pos] != 'T') BadText(text);
      ++pos;
      if (!ReadTime(s, pos, fraction)) BadText(text);
    }
  } else if (!ReadTime(s, pos, fraction)) {
    BadText(text);
  }
  if (pos != s.size()) BadText(text);
  return days < 0 ? days - fraction : days + fraction;
}

const TClassInfo& TDateTimeField::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TDateTimeField, TField>(STR("TDateTimeField"))
          .Creatable()
          .Prop(STR("DisplayFormat"), &TField::DisplayFormat, &TField::SetDisplayFormat)
          .Build();
  return info;
}

const TClassInfo& TDateField::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TDateField, TDateTimeField>(STR("TDateField")).Creatable().Build();
  return info;
}

const TClassInfo& TTimeField::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TTimeField, TDateTimeField>(STR("TTimeField")).Creatable().Build();
  return info;
}

TDateTimeField::TDateTimeField(TComponent* owner, TFieldType dataType) : TField(owner, dataType) {}

String TDateTimeField::AsString() const {
  const Variant v = Value();
  if (VarIsNull(v)) return String();
  return DateTimeToText(VarToFloat(v), DataType());
}

Variant TDateTimeField::Convert(const Variant& value) const {
  double v = 0;
  if (const auto* text = std::get_if<String>(&value)) {
    v = TextToDateTime(*text);
  } else if (std::holds_alternative<bool>(value) || std::holds_alternative<TBytes>(value)) {
    DatabaseError(STR("Invalid value for field '") + DisplayName() + STR("'"), DataSet());
  } else {
    v = VarToFloat(value);
  }
  // A date keeps no time, a time no date.
  if (DataType() == TFieldType::ftDate) return std::trunc(v);
  if (DataType() == TFieldType::ftTime) return std::fabs(v - std::trunc(v));
  return v;
}
