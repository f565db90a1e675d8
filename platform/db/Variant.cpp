#include "db/Variant.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "rtl/Exceptions.h"
#include "rtl/SysUtils.h"

namespace {

String BytesToStr(const TBytes& bytes) {
  String s;
  s.reserve(bytes.size());
  for (uint8_t b : bytes) s.push_back(static_cast<Char>(b));
  return s;
}

// Parses the whole of trimmed text as a decimal integer (optional sign).
bool ParseInt64(StringView text, int64_t& out) {
  const std::string utf8 = ToUtf8(Trim(text));
  if (utf8.empty()) return false;
  const char* first = utf8.data();
  const char* last = first + utf8.size();
  if (*first == '+') ++first;
  const auto [ptr, ec] = std::from_chars(first, last, out);
  return ec == std::errc() && ptr == last;
}

}  // namespace

String FloatToStr(double value) {
  if (std::isnan(value)) return STR("NAN");
  if (std::isinf(value)) return value > 0 ? STR("INF") : STR("-INF");
  // The host prints up to 15 significant digits and switches to exponent form beyond them.
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%.15G", value);
  std::string text = buffer;
  const size_t e = text.find('E');
  std::string mantissa = text.substr(0, e);
  std::string exponent = e == std::string::npos ? std::string() : text.substr(e + 1);
  if (mantissa.find('.') != std::string::npos) {
    while (mantissa.back() == '0') mantissa.pop_back();
    if (mantissa.back() == '.') mantissa.pop_back();
  }
  if (!exponent.empty()) {
    const int exp = std::atoi(exponent.c_str());
    mantissa += "E" + std::string(exp < 0 ? "-" : "") + std::to_string(std::abs(exp));
  }
  return FromUtf8(mantissa);
}

double StrToFloat(StringView text) {
  const std::string utf8 = ToUtf8(Trim(text));
  double value = 0;
  const char* first = utf8.data();
  const char* last = first + utf8.size();
  if (first != last && *first == '+') ++first;
  const auto [ptr, ec] = std::from_chars(first, last, value);
  if (utf8.empty() || ec != std::errc() || ptr != last) {
    throw EConvertError(STR("'") + String(text) + STR("' is not a valid floating point value"));
  }
  return value;
}

String VarToStr(const Variant& v) {
  struct Visitor {
    String operator()(std::monostate) const { return String(); }
    String operator()(bool b) const { return b ? STR("True") : STR("False"); }
    String operator()(int64_t i) const { return IntToStr(i); }
    String operator()(double d) const { return FloatToStr(d); }
    String operator()(const String& s) const { return s; }
    String operator()(const TBytes& b) const { return BytesToStr(b); }
  };
  return std::visit(Visitor{}, v);
}

int64_t VarToInt(const Variant& v) {
  struct Visitor {
    int64_t operator()(std::monostate) const { return 0; }
    int64_t operator()(bool b) const { return b ? 1 : 0; }
    int64_t operator()(int64_t i) const { return i; }
    int64_t operator()(double d) const {
      if (!std::isfinite(d) || std::fabs(d) >= 9.2e18) {
        throw EConvertError(FloatToStr(d) + STR(" is not a valid integer value"));
      }
      return std::llround(d);
    }
    int64_t operator()(const String& s) const {
      int64_t out = 0;
      if (!ParseInt64(s, out)) {
        throw EConvertError(STR("'") + s + STR("' is not a valid integer value"));
      }
      return out;
    }
    int64_t operator()(const TBytes& b) const { return (*this)(BytesToStr(b)); }
  };
  return std::visit(Visitor{}, v);
}

double VarToFloat(const Variant& v) {
  struct Visitor {
    double operator()(std::monostate) const { return 0; }
    double operator()(bool b) const { return b ? 1 : 0; }
    double operator()(int64_t i) const { return static_cast<double>(i); }
    double operator()(double d) const { return d; }
    double operator()(const String& s) const { return StrToFloat(s); }
    double operator()(const TBytes& b) const { return StrToFloat(BytesToStr(b)); }
  };
  return std::visit(Visitor{}, v);
}

bool VarToBool(const Variant& v) {
  struct Visitor {
    bool operator()(std::monostate) const { return false; }
    bool operator()(bool b) const { return b; }
    bool operator()(int64_t i) const { return i != 0; }
    bool operator()(double d) const { return d != 0; }
    bool operator()(const String& s) const {
      if (SameText(s, STR("True"))) return true;
      if (SameText(s, STR("False"))) return false;
      int64_t out = 0;
      if (ParseInt64(s, out)) return out != 0;
      throw EConvertError(STR("'") + s + STR("' is not a valid boolean value"));
    }
    bool operator()(const TBytes& b) const { return (*this)(BytesToStr(b)); }
  };
  return std::visit(Visitor{}, v);
}
