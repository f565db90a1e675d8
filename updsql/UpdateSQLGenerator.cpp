#include "rtl/Format.h"
#include "updsql/UpdateSQLEditForm.h"

namespace {

// Lines of a field list longer than this are wrapped when more fields follow.
constexpr size_t kWrapLength = 70;

}  // namespace

String TMySQLUpdateSQLEditForm::GetTableRef(StringView tableName, StringView quoteChar) {
  return quoteChar.empty() ? String() : String(tableName) + STR(".");
}

void TMySQLUpdateSQLEditForm::GenWhereClause(StringView tableRef, StringView quoteChar,
                                             const TStringList& keyFields, TStringList& sql,
                                             bool useOld) {
  sql.Add(STR("where"));
  const StringView pattern =
      useOld ? STR("  %s%s%s%1:s = :%1:sOLD_%2:s%1:s") : STR("  %s%s%s%1:s = :%1:s%2:s%1:s");
  for (int i = 0; i < keyFields.Count(); ++i) {
    String line = Format(pattern, {tableRef, quoteChar, keyFields.Strings(i)});
    if (i < keyFields.Count() - 1) line = Format(STR("%s and"), {line});
    sql.Add(line);
  }
}

void TMySQLUpdateSQLEditForm::GenModifySQL(StringView tableName, StringView quoteChar,
                                           const TStringList& keyFields,
                                           const TStringList& updateFields, TStringList& sql) {
  sql.Clear();
  sql.Add(Format(STR("update %s"), {tableName}));
  sql.Add(STR("set"));
  const String tableRef = GetTableRef(tableName, quoteChar);
  for (int i = 0; i < updateFields.Count(); ++i) {
    const StringView separator = i < updateFields.Count() - 1 ? STR(",") : STR("");
    sql.Add(Format(STR("  %s%s%s%1:s = :%1:s%2:s%1:s%3:s"),
                   {tableRef, quoteChar, updateFields.Strings(i), separator}));
  }
  GenWhereClause(tableRef, quoteChar, keyFields, sql, true);
}

void TMySQLUpdateSQLEditForm::GenInsertSQL(StringView tableName, StringView quoteChar,
                                           const TStringList& updateFields, TStringList& sql) {
  // One parenthesised list of the update fields, each written as tabName paramChar quoted-name.
  const auto GenFieldList = [&](StringView tabName, StringView paramChar) {
    String line = STR("  (");
    for (int i = 0; i < updateFields.Count(); ++i) {
      const bool last = i == updateFields.Count() - 1;
      const StringView separator = last ? STR("") : STR(", ");
      line = Format(STR("%s%s%s%s%s%3:s%5:s"),
                    {line, tabName, paramChar, quoteChar, updateFields.Strings(i), separator});
      if (line.size() > kWrapLength && !last) {
        sql.Add(line);
        line = STR("   ");
      }
    }
    sql.Add(line + STR(")"));
  };
  sql.Clear();
  sql.Add(Format(STR("insert into %s"), {tableName}));
  GenFieldList(GetTableRef(tableName, quoteChar), STR(""));
  sql.Add(STR("values"));
  GenFieldList(STR(""), STR(":"));
}

void TMySQLUpdateSQLEditForm::GenDeleteSQL(StringView tableName, StringView quoteChar,
                                           const TStringList& keyFields, TStringList& sql) {
  sql.Clear();
  sql.Add(Format(STR("delete from %s"), {tableName}));
  GenWhereClause(GetTableRef(tableName, quoteChar), quoteChar, keyFields, sql, false);
}

void TMySQLUpdateSQLEditForm::GenRefreshRecordSQL(StringView tableName, StringView quoteChar,
                                                  const TStringList& keyFields,
                                                  const TStringList& /*updateFields*/,
                                                  TStringList& sql) {
  sql.Clear();
  sql.Add(Format(STR("select * from %s"), {tableName}));
  GenWhereClause(GetTableRef(tableName, quoteChar), quoteChar, keyFields, sql, false);
}
