#include "db/VariantCompare.h"

#include <optional>

#include "rtl/Exceptions.h"
#include "rtl/SysUtils.h"

namespace {

std::optional<double> AsNumber(const Variant& v) {
  if (const auto* i = std::get_if<int64_t>(&v)) return static_cast<double>(*i);
  if (const auto* d = std::get_if<double>(&v)) return *d;
  if (const auto* b = std::get_if<bool>(&v)) return *b ? 1.0 : 0.0;
  return std::nullopt;
}

std::optional<double> TextAsNumber(const Variant& v) {
  if (!std::holds_alternative<String>(v)) return std::nullopt;
  try {
    return StrToFloat(std::get<String>(v));
  } catch (const EConvertError&) {
    return std::nullopt;
  }
}

template <class T>
int Sign(const T& a, const T& b) {
  return a < b ? -1 : (b < a ? 1 : 0);
}

}  // namespace

int VarCompare(const Variant& a, const Variant& b, bool caseInsensitive) {
  if (VarIsNull(a) || VarIsNull(b)) return static_cast<int>(!VarIsNull(a)) - !VarIsNull(b);
  const auto* ia = std::get_if<int64_t>(&a);
  const auto* ib = std::get_if<int64_t>(&b);
  if (ia != nullptr && ib != nullptr) return Sign(*ia, *ib);
  std::optional<double> na = AsNumber(a);
  std::optional<double> nb = AsNumber(b);
  if (na && !nb) nb = TextAsNumber(b);
  if (nb && !na) na = TextAsNumber(a);
  if (na && nb) return Sign(*na, *nb);
  const String sa = VarToStr(a);
  const String sb = VarToStr(b);
  if (caseInsensitive) return CompareText(sa, sb);
  return Sign(sa, sb);
}
