#include "db/NamedParams.h"

#include "rtl/Exceptions.h"
#include "rtl/SysUtils.h"

namespace {

bool IsNameChar(Char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' ||
         c == '$' || static_cast<uint32_t>(c) >= 0x80;
}

// Index just past a quoted run that starts at i (the quote itself); backslash escapes apply to
// strings, doubled quotes to both strings and names. An unclosed run ends with the text.
size_t SkipQuoted(StringView sql, size_t i) {
  const Char quote = sql[i++];
  while (i < sql.size()) {
    const Char c = sql[i++];
    if (c == '\\' && quote != '`') {
      ++i;
    } else if (c == quote) {
      if (i < sql.size() && sql[i] == quote) {
        ++i;
      } else {
        return i;
      }
    }
  }
  return sql.size();
}

size_t SkipToLineEnd(StringView sql, size_t i) {
  const size_t end = sql.find_first_of(STR("\r\n"), i);
  return end == StringView::npos ? sql.size() : end;
}

// "-- " starts a comment only when a blank or control character follows the dashes.
bool IsDashComment(StringView sql, size_t i) {
  return sql.substr(i, 2) == STR("--") && (i + 2 >= sql.size() || sql[i + 2] <= ' ');
}

}  // namespace

String TParsedStatement::WithPlaceholders() const {
  String out = Texts.front();
  for (size_t i = 0; i < Names.size(); ++i) {
    out += STR("?");
    out += Texts[i + 1];
  }
  return out;
}

TParsedStatement ParseNamedParams(StringView sql) {
  TParsedStatement result;
  String text;
  auto addParam = [&](String name) {
    result.Texts.push_back(std::move(text));
    text.clear();
    result.Names.push_back(std::move(name));
  };
  size_t i = 0;
  while (i < sql.size()) {
    const Char c = sql[i];
    const Char following = i + 1 < sql.size() ? sql[i + 1] : Char(0);
    size_t next = i + 1;
    if (c == '\'' || c == '"' || c == '`') {
      next = SkipQuoted(sql, i);
    } else if (c == '#' || IsDashComment(sql, i)) {
      next = SkipToLineEnd(sql, i);
    } else if (c == '/' && following == '*') {
      const size_t end = sql.find(STR("*/"), i + 2);
      next = end == StringView::npos ? sql.size() : end + 2;
    } else if (c == ':' && following == ':') {
      text += ':';
      i += 2;
      continue;
    } else if (c == ':' && following == '"') {
      const size_t close = sql.find('"', i + 2);
      if (close == StringView::npos) {
        DatabaseError(STR("Unterminated parameter name at position ") +
                      IntToStr(static_cast<int64_t>(i + 1)));
      }
      if (close > i + 2) {
        addParam(String(sql.substr(i + 2, close - i - 2)));
        i = close + 1;
        continue;
      }
    } else if (c == ':' && IsNameChar(following)) {
      size_t end = i + 1;
      while (end < sql.size() && IsNameChar(sql[end])) ++end;
      addParam(String(sql.substr(i + 1, end - i - 1)));
      i = end;
      continue;
    }
    text.append(sql.substr(i, next - i));
    i = next;
  }
  result.Texts.push_back(std::move(text));
  return result;
}
