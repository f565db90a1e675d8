// ombrix db: what a MySQL server holds, as the component library reads it.
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "Commands.h"
#include "FormRun.h"
#include "library/mariadb/MariaDbSession.h"

namespace {

struct TDbOptions {
  TConnectionFlags connection;
  std::string name;  // the table or routine of the verb
};

void PrintLines(const std::vector<String>& lines) {
  for (const String& line : lines) std::cout << ToUtf8(line) << '\n';
}

std::string Joined(const std::vector<std::string>& parts, const char* separator) {
  std::string out;
  for (size_t i = 0; i < parts.size(); ++i) out += (i > 0 ? separator : "") + parts[i];
  return out;
}

void PrintIndexes(TServerSession& session, const String& table) {
  for (const TIndexDescription& index : session.Indexes(table)) {
    std::vector<std::string> fields;
    for (const String& field : index.Fields) fields.push_back(ToUtf8(field));
    std::vector<std::string> options;
    if (index.Primary) options.push_back("primary");
    if (index.Unique) options.push_back("unique");
    if (index.Descending) options.push_back("descending");
    if (index.IsExpression) options.push_back("expression");
    std::cout << ToUtf8(index.Name) << '\t' << Joined(fields, ";") << '\t' << Joined(options, ",")
              << '\n';
  }
}

const char* DirectionName(TParamDirection direction) {
  switch (direction) {
    case TParamDirection::Out:
      return "out";
    case TParamDirection::InOut:
      return "inout";
    case TParamDirection::Result:
      return "result";
    default:
      return "in";
  }
}

void PrintRoutineNames(TServerSession& session) {
  String previous;
  for (const TRoutine& routine : session.Routines()) {
    // A procedure and a function of one name are one entry, as for the stored procedure.
    if (routine.Name != previous) std::cout << ToUtf8(routine.Name) << '\n';
    previous = routine.Name;
  }
}

// Connects, runs the verb, and reports a failure with the server's message.
template <class Verb>
void Run(const TDbOptions& options, CommandResult& result, Verb verb) {
  TMariaDbSession session;
  try {
    TConnectParams params;
    TScopedConnectionOverride settings(ConnectionSettings(options.connection));
    ApplyConnectionOverride(params);
    session.Connect(params);
    verb(session);
  } catch (const EDatabaseError& e) {
    std::cerr << "ombrix: " << e.what() << '\n';
    result.exitCode = kExitFailure;
  }
}

}  // namespace

void AddDbCommands(CLI::App& app, CommandResult& result) {
  auto options = std::make_shared<TDbOptions>();
  CLI::App* db = app.add_subcommand(
      "db", "list what a server holds (password from the environment variable OMBRIX_PASSWORD)");
  db->require_subcommand(1);
  AddConnectionFlags(*db, options->connection);

  auto verb = [&](const char* name, const char* help, auto action) {
    CLI::App* command = db->add_subcommand(name, help);
    command->callback([options, &result, action] {
      Run(*options, result, [&](TServerSession& session) { action(session, *options); });
    });
    return command;
  };
  auto withName = [&](CLI::App* command, const char* what) {
    command->add_option(what, options->name)->required();
  };

  verb("tables", "table and view names",
       [](TServerSession& s, const TDbOptions&) { PrintLines(s.TableNames(String(), true)); });
  withName(verb("fields", "column names of a table, in the table's order",
                [](TServerSession& s, const TDbOptions& o) {
                  PrintLines(s.FieldNames(FromUtf8(o.name)));
                }),
           "TABLE");
  withName(verb("indexes", "indexes of a table: name, TAB, fields, TAB, options",
                [](TServerSession& s, const TDbOptions& o) { PrintIndexes(s, FromUtf8(o.name)); }),
           "TABLE");
  verb("procs", "stored procedure and function names",
       [](TServerSession& s, const TDbOptions&) { PrintRoutineNames(s); });
  withName(verb("params", "parameters of a stored procedure: name, TAB, in/out/inout",
                [](TServerSession& s, const TDbOptions& o) {
                  for (const TRoutineParam& p : s.RoutineParams(FromUtf8(o.name))) {
                    std::cout << ToUtf8(p.Name) << '\t' << DirectionName(p.Direction) << '\n';
                  }
                }),
           "PROC");
  verb("charsets", "character sets of the server",
       [](TServerSession& s, const TDbOptions&) { PrintLines(s.CharacterSets()); });
  verb("collations", "collations of the server",
       [](TServerSession& s, const TDbOptions&) { PrintLines(s.Collations()); });
}
