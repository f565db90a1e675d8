#pragma once
// The update SQL editor. Its statement generators depend on their arguments alone: they write the
// modify, insert, delete and refresh-record statements of an update object from a table name, the
// key and update fields and the quote for column names (empty, or one double quote, which also
// qualifies every column with the table name).
#include "classes/StringList.h"

class TMySQLUpdateSQLEditForm {
 public:
  // "t." when column names are quoted, else empty.
  static String GetTableRef(StringView tableName, StringView quoteChar);
  // Appends "where" and one line per key, joined by a trailing " and"; with useOld the parameters
  // carry the prefix "OLD_".
  static void GenWhereClause(StringView tableRef, StringView quoteChar,
                             const TStringList& keyFields, TStringList& sql, bool useOld);
  static void GenModifySQL(StringView tableName, StringView quoteChar, const TStringList& keyFields,
                           const TStringList& updateFields, TStringList& sql);
  static void GenInsertSQL(StringView tableName, StringView quoteChar,
                           const TStringList& updateFields, TStringList& sql);
  static void GenDeleteSQL(StringView tableName, StringView quoteChar, const TStringList& keyFields,
                           TStringList& sql);
  // The update fields are accepted for symmetry with the other generators and not read.
  static void GenRefreshRecordSQL(StringView tableName, StringView quoteChar,
                                  const TStringList& keyFields, const TStringList& updateFields,
                                  TStringList& sql);
};
