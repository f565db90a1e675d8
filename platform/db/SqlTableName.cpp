#include "db/SqlTableName.h"

#include <type_traits>
#include <vector>

#include "rtl/SysUtils.h"

namespace {

struct Token {
  enum class Kind { Word, QuotedName, Text, Symbol };
  Kind kind;
  String text;  // without quotes for quoted names
};

bool IsWordChar(Char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_' ||
         c == '$' || static_cast<std::make_unsigned_t<Char>>(c) > 127;
}

// Reads a quoted run starting at i (the opening quote); a doubled closing quote stands for
// itself. Returns false when the run does not end.
bool ReadQuoted(StringView sql, size_t& i, Char close, String& out) {
  for (size_t j = i + 1; j < sql.size(); ++j) {
    if (sql[j] == '\\' && close == '\'') {
      if (++j < sql.size()) out.push_back(sql[j]);
    } else if (sql[j] != close) {
      out.push_back(sql[j]);
    } else if (j + 1 < sql.size() && sql[j + 1] == close && close != ']') {
      out.push_back(close);
      ++j;
    } else {
      i = j + 1;
      return true;
    }
  }
  return false;
}

// False for text the scanner cannot read to its end (an open quote).
bool Tokenize(StringView sql, std::vector<Token>& tokens) {
  size_t i = 0;
  while (i < sql.size()) {
    const Char c = sql[i];
    const Char next = i + 1 < sql.size() ? sql[i + 1] : Char(0);
    if (c <= ' ') {
      ++i;
    } else if ((c == '-' && next == '-') || c == '#') {
      const size_t end = sql.find('\n', i);
      i = end == StringView::npos ? sql.size() : end;
    } else if (c == '/' && next == '*') {
      const size_t end = sql.find(STR("*/"), i + 2);
      i = end == StringView::npos ? sql.size() : end + 2;
    } else if (c == '`' || c == '"' || c == '[' || c == '\'') {
      Token t{c == '\'' ? Token::Kind::Text : Token::Kind::QuotedName, String()};
      if (!ReadQuoted(sql, i, c == '[' ? Char(']') : c, t.text)) return false;
      tokens.push_back(std::move(t));
    } else if (IsWordChar(c)) {
      const size_t start = i;
      while (i < sql.size() && IsWordChar(sql[i])) ++i;
      tokens.push_back({Token::Kind::Word, String(sql.substr(start, i - start))});
    } else {
      tokens.push_back({Token::Kind::Symbol, String(1, c)});
      ++i;
    }
  }
  return true;
}

bool IsWord(const Token& t, StringView word) {
  return t.kind == Token::Kind::Word && SameText(t.text, word);
}

bool IsSymbol(const Token& t, Char c) {
  return t.kind == Token::Kind::Symbol && t.text.size() == 1 && t.text[0] == c;
}

// Words that end the table reference of a single-table FROM.
bool EndsFromClause(const Token& t) {
  static const Char* const kWords[] = {STR("where"),  STR("group"),     STR("order"), STR("having"),
                                       STR("limit"),  STR("procedure"), STR("into"),  STR("for"),
                                       STR("lock"),   STR("window"),    STR("use"),   STR("force"),
                                       STR("ignore"), STR("partition")};
  for (const Char* w : kWords) {
    if (IsWord(t, w)) return true;
  }
  return false;
}

// Words that bring in another table or statement.
bool AddsTable(const Token& t) {
  static const Char* const kWords[] = {
      STR("join"),  STR("inner"), STR("left"),  STR("right"),         STR("cross"),
      STR("outer"), STR("full"),  STR("union"), STR("straight_join"), STR("natural")};
  for (const Char* w : kWords) {
    if (IsWord(t, w)) return true;
  }
  return IsSymbol(t, ',');
}

bool IsName(const Token& t) {
  return t.kind == Token::Kind::Word || t.kind == Token::Kind::QuotedName;
}

}  // namespace

String GetTableNameFromSQL(StringView sql) {
  std::vector<Token> tokens;
  if (!Tokenize(sql, tokens)) return String();
  while (!tokens.empty() && IsSymbol(tokens.back(), ';')) tokens.pop_back();
  if (tokens.empty() || !IsWord(tokens[0], STR("select"))) return String();

  size_t i = 1;
  int depth = 0;
  for (; i < tokens.size(); ++i) {
    if (IsSymbol(tokens[i], '(')) ++depth;
    if (IsSymbol(tokens[i], ')')) --depth;
    if (depth == 0 && IsWord(tokens[i], STR("from"))) break;
  }
  if (++i >= tokens.size() || !IsName(tokens[i])) return String();

  String name = tokens[i++].text;
  while (i + 1 < tokens.size() && IsSymbol(tokens[i], '.') && IsName(tokens[i + 1])) {
    name += STR(".") + tokens[i + 1].text;
    i += 2;
  }
  // An alias, with or without AS.
  if (i < tokens.size() && IsWord(tokens[i], STR("as"))) {
    if (++i >= tokens.size() || !IsName(tokens[i])) return String();
    ++i;
  } else if (i < tokens.size() && IsName(tokens[i]) && !EndsFromClause(tokens[i]) &&
             !AddsTable(tokens[i])) {
    ++i;
  }
  if (i < tokens.size() && !EndsFromClause(tokens[i])) return String();
  // Nothing later at the top level may bring in another table.
  depth = 0;
  for (; i < tokens.size(); ++i) {
    if (IsSymbol(tokens[i], '(')) ++depth;
    if (IsSymbol(tokens[i], ')')) --depth;
    if (depth == 0 && IsWord(tokens[i], STR("union"))) return String();
  }
  return name;
}
