#include "updsql/SQLParser.h"

#include "rtl/Exceptions.h"
#include "rtl/SysUtils.h"

namespace {

// Holds a list's change notifications for the length of a reader, whatever way it ends.
class TListUpdate {
 public:
  explicit TListUpdate(TStringList& list) : FList(list) { FList.BeginUpdate(); }
  ~TListUpdate() { FList.EndUpdate(); }
  TListUpdate(const TListUpdate&) = delete;
  TListUpdate& operator=(const TListUpdate&) = delete;

 private:
  TStringList& FList;
};

bool IsAsciiLetter(uint32_t u) {
  return (u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z');
}
bool IsDigit(uint32_t u) {
  return u >= '0' && u <= '9';
}
bool StartsName(uint32_t u) {
  return u == '$' || u == '_' || IsAsciiLetter(u) || (u >= 127 && u <= 1103);
}
bool InNumber(uint32_t u) {
  return IsDigit(u) || u == '.' || u == 'e' || u == 'E' || u == '+' || u == '-';
}

}  // namespace

TObject* QuotedNameMark() {
  static TObject mark;
  return &mark;
}

TSQLParser::TSQLParser(StringView text, const TSysLocale& locale) : FText(text), FLocale(locale) {
  NextToken();
}

void TSQLParser::Reset() {
  FSourcePtr = 0;
  FToken = TSQLToken::stOther;
  NextToken();
}

uint32_t TSQLParser::Unit(size_t pos) const {
  return pos < FText.size() ? static_cast<std::make_unsigned_t<Char>>(FText[pos]) : 0;
}

bool TSQLParser::TokenSymbolIs(StringView s) const {
  return FToken == TSQLToken::stSymbol && SameText(FTokenString, s);
}

bool TSQLParser::InNameSet(uint32_t u) const {
  if (u == '"' || u == '$' || u == '.' || u == '_' || IsDigit(u) || IsAsciiLetter(u)) return true;
  if (u >= 127 && u <= 255) return !FLocale.FarEast;
  // Code units above 255 exist only in the 16-bit build: all of them continue a name, so that
  // names in any script scan whole (docs/sql-scanner.md).
  return u > 255;
}

size_t TSQLParser::ScanName(size_t pos) const {
  // The dispatch admitted the first unit; a double-byte character is taken whole there too, or
  // its trail byte would be tested on its own.
  for (bool first = true;; first = false) {
    const uint32_t u = Unit(pos);
    if (u == 0) return pos;
    if (FLocale.FarEast && IsLeadChar(FText[pos], FLocale)) {
      pos += Unit(pos + 1) != 0 ? 2 : 1;
    } else if (first || InNameSet(u) ||
               (FLocale.FarEast && FLocale.PriLangID == LANG_JAPANESE && u >= 161 && u <= 223)) {
      ++pos;
    } else {
      return pos;
    }
  }
}

size_t TSQLParser::ScanNumber(size_t pos) const {
  ++pos;
  while (InNumber(Unit(pos))) ++pos;
  return pos;
}

size_t TSQLParser::ScanQuoted(size_t pos) {
  const uint32_t quote = Unit(pos++);
  if (Unit(pos) == ':') ++pos;
  const size_t start = pos;
  while (Unit(pos) != 0 && Unit(pos) != quote) ++pos;
  FTokenString = Trim(StringView(FText).substr(start, pos - start));
  FSymbolQuoted = true;
  return Unit(pos) == quote ? pos + 1 : pos;
}

TSQLToken TSQLParser::NextToken() {
  if (FToken == TSQLToken::stEnd) Abort();
  FTokenString.clear();
  FSymbolQuoted = false;
  size_t pos = FSourcePtr;
  while (Unit(pos) >= 1 && Unit(pos) <= 32) ++pos;
  FTokenPtr = pos;

  const uint32_t u = Unit(pos);
  if (u == 0) {
    FToken = TSQLToken::stEnd;
  } else if (u == '\'' || u == '"') {
    pos = ScanQuoted(pos);
    FToken = TSQLToken::stSymbol;
  } else if (StartsName(u)) {
    pos = ScanName(pos);
    FTokenString.assign(FText, FTokenPtr, pos - FTokenPtr);
    FToken = TSQLToken::stSymbol;
  } else if (u == '-' || IsDigit(u)) {
    pos = ScanNumber(pos);
    FTokenString.assign(FText, FTokenPtr, pos - FTokenPtr);
    FToken = TSQLToken::stNumber;
  } else {
    ++pos;
    FToken = u == '('   ? TSQLToken::stLParen
             : u == ')' ? TSQLToken::stRParen
             : u == ',' ? TSQLToken::stComma
             : u == '=' ? TSQLToken::stEQ
                        : TSQLToken::stOther;
  }
  FSourcePtr = pos;
  if (FToken == TSQLToken::stSymbol && !FTokenString.empty() && FTokenString.back() == '.') {
    FToken = TSQLToken::stAlias;
  }
  return FToken;
}

void TSQLParser::GetSelectTableNames(TStringList& list) {
  TListUpdate update(list);
  list.Clear();
  if (!TokenSymbolIs(STR("SELECT"))) return;
  try {
    while (!TokenSymbolIs(STR("FROM"))) NextToken();
    NextToken();
    while (FToken == TSQLToken::stSymbol) {
      list.AddObject(FTokenString, FSymbolQuoted ? QuotedNameMark() : nullptr);
      if (NextToken() == TSQLToken::stSymbol) NextToken();  // a correlation name, or any word
      if (FToken != TSQLToken::stComma) break;
      NextToken();
    }
  } catch (const Exception&) {
    // The end of the text or a list that refuses an entry: what was read stays.
  }
}

void TSQLParser::GetUpdateTableName(String& tableName) {
  tableName.clear();
  if (TokenSymbolIs(STR("UPDATE")) && NextToken() == TSQLToken::stSymbol) {
    tableName = FTokenString;
  }
}

void TSQLParser::GetUpdateFields(TStringList& list) {
  TListUpdate update(list);
  list.Clear();
  if (!TokenSymbolIs(STR("UPDATE"))) return;
  try {
    while (!TokenSymbolIs(STR("SET"))) NextToken();
    NextToken();
    for (;;) {
      if (FToken == TSQLToken::stAlias) NextToken();
      if (FToken != TSQLToken::stSymbol) return;
      list.Add(FTokenString);
      if (NextToken() != TSQLToken::stEQ) return;
      // The value runs to the next comma; WHERE ends the list.
      while (NextToken() != TSQLToken::stComma) {
        if (TokenSymbolIs(STR("WHERE"))) return;
      }
      NextToken();
    }
  } catch (const Exception&) {
  }
}

void TSQLParser::GetWhereFields(TStringList& list) {
  TListUpdate update(list);
  list.Clear();
  if (!TokenSymbolIs(STR("UPDATE"))) return;
  try {
    while (!TokenSymbolIs(STR("WHERE"))) NextToken();
    NextToken();
    for (;;) {
      while (FToken == TSQLToken::stAlias || FToken == TSQLToken::stLParen) NextToken();
      if (FToken != TSQLToken::stSymbol) return;
      list.Add(FTokenString);
      if (NextToken() != TSQLToken::stEQ) return;
      do {
        NextToken();
      } while (FToken != TSQLToken::stEnd && !TokenSymbolIs(STR("AND")));
      if (FToken == TSQLToken::stEnd) return;
      NextToken();
    }
  } catch (const Exception&) {
  }
}

void ListSelectTables(StringView text, TStringList& list) {
  TSQLParser(text).GetSelectTableNames(list);
}

void ParseUpdateSQL(StringView text, String& tableName, TStringList* updateFields,
                    TStringList* whereFields) {
  TSQLParser parser(text);
  parser.GetUpdateTableName(tableName);
  if (updateFields != nullptr) {
    parser.Reset();
    parser.GetUpdateFields(*updateFields);
  }
  if (whereFields != nullptr) {
    parser.Reset();
    parser.GetWhereFields(*whereFields);
  }
}
