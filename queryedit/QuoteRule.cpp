#include "queryedit/QuoteRule.h"

#include <algorithm>

bool DefaultReqQuoteChar(StringView identifier) {
  if (identifier.empty()) return true;
  return std::any_of(identifier.begin(), identifier.end(), [](Char c) {
    return !((c >= '0' && c <= '9') || c == '_' || (c >= 'a' && c <= 'z'));
  });
}
