#pragma once
// A forward-only scanner over one SQL statement. It knows no grammar: it cuts the text into tokens
// and walks the tokens of a SELECT (its table names) and of an UPDATE as the update statement
// generator writes it (table name, SET names, WHERE names).
#include <cstdint>

#include "classes/StringList.h"
#include "rtl/SysLocale.h"

enum class TSQLToken : uint8_t {
  stSymbol,  // a name: an unquoted word or the inside of a quoted name
  stAlias,   // a name ending with a full stop: a qualifier
  stNumber,  // a number, or anything starting with a minus sign
  stComma,
  stEQ,
  stOther,  // any other single character
  stLParen,
  stRParen,
  stEnd,
};
static_assert(static_cast<int>(TSQLToken::stEnd) == 8);

// The object slot of a table name that was quoted; only its being non-null carries meaning.
TObject* QuotedNameMark();

class TSQLParser {
 public:
  // Scans the first token at once. The locale decides how names are taken (see
  // docs/sql-scanner.md).
  explicit TSQLParser(StringView text, const TSysLocale& locale = SysLocale());

  // Table names after the first FROM of a SELECT; a quoted name gets QuotedNameMark().
  void GetSelectTableNames(TStringList& list);
  // The name after UPDATE, or the empty string.
  void GetUpdateTableName(String& tableName);
  // The names left of "=" in the SET list of an UPDATE.
  void GetUpdateFields(TStringList& list);
  // The names left of "=" in the WHERE list of an UPDATE.
  void GetWhereFields(TStringList& list);

  // Makes the next token current. Past the end it raises the silent abort, which is how the
  // readers leave their loops; they catch it themselves.
  TSQLToken NextToken();
  // Back to the start of the text, with its first token current.
  void Reset();
  // The current token is a name equal to s, folding ASCII letters only.
  bool TokenSymbolIs(StringView s) const;

  TSQLToken Token() const { return FToken; }
  const String& TokenString() const { return FTokenString; }
  bool SymbolQuoted() const { return FSymbolQuoted; }

 private:
  uint32_t Unit(size_t pos) const;
  size_t ScanQuoted(size_t pos);
  size_t ScanName(size_t pos) const;
  size_t ScanNumber(size_t pos) const;
  bool InNameSet(uint32_t unit) const;

  String FText;
  size_t FSourcePtr = 0;
  size_t FTokenPtr = 0;
  String FTokenString;
  TSQLToken FToken = TSQLToken::stOther;
  bool FSymbolQuoted = false;
  TSysLocale FLocale;
};

// Each creates a scanner over the text for the one call.
void ListSelectTables(StringView text, TStringList& list);
// The field lists may be null when the caller does not want them.
void ParseUpdateSQL(StringView text, String& tableName, TStringList* updateFields,
                    TStringList* whereFields);
