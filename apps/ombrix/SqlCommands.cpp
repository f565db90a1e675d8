// ombrix sql: the SQL scanner and the update statement generator on the command line.
#include <iostream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "Commands.h"
#include "NameLists.h"
#include "Statements.h"
#include "rtl/Format.h"
#include "updsql/SQLParser.h"
#include "updsql/UpdateSQLEditForm.h"

namespace {

constexpr const char* kSelectMessage = "Must select at least one key field and one update field";

struct TSqlOptions {
  std::string sql;
  bool hasSql = false;
  std::string table;
  bool quotedTable = false;
  std::string keys;
  std::string fields;
  bool quoteFields = false;
};

// The statement of --sql, or else all of standard input.
String ReadStatement(const TSqlOptions& options) {
  if (options.hasSql) return FromUtf8(options.sql);
  return FromUtf8(std::string(std::istreambuf_iterator<char>(std::cin), {}));
}

void AddStatementOption(CLI::App* command, TSqlOptions& options) {
  command->add_option("--sql", options.sql, "the statement (default: read standard input)")
      ->each([&options](const std::string&) { options.hasSql = true; });
}

void RunTables(const TSqlOptions& options) {
  TStringList tables;
  ListSelectTables(ReadStatement(options), tables);
  for (int i = 0; i < tables.Count(); ++i) {
    std::cout << ToUtf8(tables.Strings(i)) << (tables.Objects(i) != nullptr ? "\tquoted" : "")
              << '\n';
  }
}

std::string Joined(const TStringList& names) {
  std::string out;
  for (int i = 0; i < names.Count(); ++i) out += (i > 0 ? "," : "") + ToUtf8(names.Strings(i));
  return out;
}

void RunParseUpdate(const TSqlOptions& options) {
  String table;
  TStringList updateFields;
  TStringList whereFields;
  ParseUpdateSQL(ReadStatement(options), table, &updateFields, &whereFields);
  std::cout << "table: " << ToUtf8(table) << "\nset: " << Joined(updateFields)
            << "\nwhere: " << Joined(whereFields) << '\n';
}

int RunGenerate(const TSqlOptions& options) {
  const TStringList keys = SplitNames(options.keys, "--keys");
  const TStringList fields = SplitNames(options.fields, "--fields");
  if (keys.Count() == 0 || fields.Count() == 0) {
    std::cerr << kSelectMessage << '\n';
    return kExitFailure;
  }
  const String name = FromUtf8(options.table);
  // As the editor writes a table name that was quoted in the dataset's SELECT.
  const String table = options.quotedTable ? Format(STR("\"%s\""), {name}) : name;
  const StringView quoteChar = options.quoteFields ? STR("\"") : STR("");
  using Form = TMySQLUpdateSQLEditForm;
  std::array<TStringList, 4> statements;
  Form::GenModifySQL(table, quoteChar, keys, fields, statements[0]);
  Form::GenInsertSQL(table, quoteChar, fields, statements[1]);
  Form::GenDeleteSQL(table, quoteChar, keys, statements[2]);
  Form::GenRefreshRecordSQL(table, quoteChar, keys, fields, statements[3]);
  PrintStatements({&statements[0], &statements[1], &statements[2], &statements[3]});
  return 0;
}

}  // namespace

void AddSqlCommands(CLI::App& app, CommandResult& result) {
  auto options = std::make_shared<TSqlOptions>();
  CLI::App* sql = app.add_subcommand("sql", "scan SQL statements, generate update statements");
  sql->require_subcommand(1);

  CLI::App* tables = sql->add_subcommand("tables",
                                         "the table names of a SELECT, one per line; quoted ones "
                                         "followed by a TAB and 'quoted'");
  AddStatementOption(tables, *options);
  tables->callback([options] { RunTables(*options); });

  CLI::App* parseUpdate = sql->add_subcommand(
      "parse-update", "the table, SET names and WHERE names of an UPDATE, as three lines");
  AddStatementOption(parseUpdate, *options);
  parseUpdate->callback([options] { RunParseUpdate(*options); });

  CLI::App* generate = sql->add_subcommand(
      "generate", "the modify, insert, delete and refresh-record statements of a table");
  generate->add_option("--table", options->table, "the table name")->required();
  generate->add_flag("--quoted-table", options->quotedTable,
                     "write the table name in double quotes, as for a name quoted in the SELECT");
  generate->add_option("--keys", options->keys, "key fields, separated by commas");
  generate->add_option("--fields", options->fields, "update fields, separated by commas");
  generate->add_flag("--quote-fields", options->quoteFields,
                     "quote column names and qualify them with the table name");
  generate->callback([options, &result] { result.exitCode = RunGenerate(*options); });
}
