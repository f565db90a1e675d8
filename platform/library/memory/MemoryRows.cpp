#include "library/memory/MemoryRows.h"

#include <algorithm>
#include <string>

#include "rtl/Exceptions.h"

namespace {

bool IsNumeric(TFieldType type) {
  switch (type) {
    case TFieldType::ftSmallint:
    case TFieldType::ftInteger:
    case TFieldType::ftWord:
    case TFieldType::ftFloat:
    case TFieldType::ftCurrency:
    case TFieldType::ftBCD:
    case TFieldType::ftAutoInc:
    case TFieldType::ftLargeint:
    case TFieldType::ftFMTBcd:
    case TFieldType::ftLongWord:
    case TFieldType::ftShortint:
    case TFieldType::ftByte:
    case TFieldType::ftExtended:
      return true;
    default:
      return false;
  }
}

bool IsBinary(TFieldType type) {
  return type == TFieldType::ftBytes || type == TFieldType::ftVarBytes ||
         type == TFieldType::ftBlob;
}

// Negative, zero or positive as a server orders the two non-null values of a column.
int CompareValues(const TMemoryColumn& column, const std::string& a, const std::string& b) {
  if (IsNumeric(column.DataType)) {
    const double x = std::stod(a);
    const double y = std::stod(b);
    return x < y ? -1 : (x > y ? 1 : 0);
  }
  if (IsBinary(column.DataType)) return a.compare(b);
  return CompareText(FromUtf8(a), FromUtf8(b));
}

size_t ColumnAt(const TMemoryTable& table, const String& name, StringView clause) {
  for (size_t i = 0; i < table.Columns.size(); ++i) {
    if (SameText(table.Columns[i].Name, name)) return i;
  }
  throw EDatabaseError(STR("Unknown column '") + name + STR("' in '") + String(clause) + STR("'"));
}

Char FoldAscii(Char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<Char>(c + 32) : c;
}

// Code units of the character at the start of text: "_" matches a character, not a unit.
size_t CharWidth(StringView text) {
  auto continues = [](Char c) {
    const auto unit = static_cast<uint32_t>(c);
    if constexpr (kWideStrings) return unit >= 0xDC00 && unit <= 0xDFFF;
    return (unit & 0xC0) == 0x80;
  };
  size_t width = 1;
  while (width < text.size() && continues(text[width])) ++width;
  return width;
}

}  // namespace

std::vector<TRow> SelectRows(const TMemoryTable& table, const TTableRequest& request) {
  std::vector<std::pair<size_t, const TParamValue*>> filters;
  for (const TParamValue& equal : request.Equal) {
    filters.emplace_back(ColumnAt(table, equal.Name, STR("where clause")), &equal);
  }
  std::vector<size_t> order;
  for (const String& name : request.OrderBy)
    order.push_back(ColumnAt(table, name, STR("order clause")));

  std::vector<TRow> rows;
  for (const TRow& row : table.Rows) {
    const bool matches = std::all_of(filters.begin(), filters.end(), [&](const auto& filter) {
      const TRowValue& value = row[filter.first];
      const TRowValue& wanted = filter.second->Value;
      return value && wanted && CompareValues(table.Columns[filter.first], *value, *wanted) == 0;
    });
    if (matches) rows.push_back(row);
  }
  std::stable_sort(rows.begin(), rows.end(), [&](const TRow& a, const TRow& b) {
    for (size_t column : order) {
      if (!a[column] || !b[column]) {
        if (a[column].has_value() != b[column].has_value()) return !a[column].has_value();
        continue;
      }
      const int c = CompareValues(table.Columns[column], *a[column], *b[column]);
      if (c != 0) return c < 0;
    }
    return false;
  });
  return rows;
}

bool MatchesLike(StringView text, StringView pattern) {
  if (pattern.empty()) return text.empty();
  const Char p = pattern.front();
  if (p == '%') {
    for (size_t skip = 0; skip <= text.size(); ++skip) {
      if (MatchesLike(text.substr(skip), pattern.substr(1))) return true;
    }
    return false;
  }
  if (text.empty()) return false;
  if (p == '_') return MatchesLike(text.substr(CharWidth(text)), pattern.substr(1));
  size_t width = 1;
  Char literal = p;
  if (p == '\\' && pattern.size() > 1) {
    literal = pattern[1];
    width = 2;
  }
  return FoldAscii(literal) == FoldAscii(text.front()) &&
         MatchesLike(text.substr(1), pattern.substr(width));
}
