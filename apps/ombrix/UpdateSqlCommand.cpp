// ombrix update-sql: the update SQL editor run on an update object of form files, with the
// scripted driver acting as the user.
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "Commands.h"
#include "DialogState.h"
#include "FormRun.h"
#include "Json.h"
#include "NameLists.h"
#include "StatementCheck.h"
#include "Statements.h"
#include "forms/ScriptedDriver.h"
#include "library/MySQLDataSet.h"
#include "library/MySQLUpdateSQL.h"
#include "updsql/UpdateSQLEditForm.h"

namespace {

struct TUpdateSqlOptions {
  std::vector<std::string> files;
  std::string object;
  TConnectionFlags connection;
  std::optional<std::string> table;
  bool primaryKeys = false;
  std::string keys;
  std::string fields;
  bool quoteFields = false;
  bool noGenerate = false;
  bool check = false;
  bool write = false;
  bool json = false;
};

TMySQLUpdateSQLEditForm& Editor(TCustomForm& form) {
  return *As<TMySQLUpdateSQLEditForm>(&form);
}

struct TRun {
  std::string initial;
  std::string final;
  // Message boxes shown before the first step; errors after it are failures of a step.
  size_t openingMessages = 0;
};

// The user's steps, in the order the command promises them.
TScript BuildScript(const TUpdateSqlOptions& options, TScriptedDriver& driver, TRun& run) {
  TScript script(STR("TMySQLUpdateSQLEditForm"));
  script.Run([&run, &driver](TCustomForm& f) {
    run.initial = DialogStateJson(Editor(f));
    run.openingMessages = driver.Messages().size();
  });
  if (options.table) {
    const String table = FromUtf8(*options.table);
    script.Replace(STR("UpdateTableName"), table);
    // Chosen as from the drop-down list; a name the list lacks gets the same notification.
    script.Run([table](TCustomForm& f) {
      TComboBox& combo = *Editor(f).UpdateTableName;
      const int index = combo.Items()->IndexOf(table);
      if (index >= 0) {
        combo.ChooseItem(index);
      } else {
        combo.Click();
      }
    });
  }
  if (options.primaryKeys) script.Click(STR("PrimaryKeyButton"));
  auto select = [&script](const char* list, const TStringList& names) {
    if (names.Count() == 0) return;
    std::vector<String> items;
    for (int i = 0; i < names.Count(); ++i) items.push_back(names.Strings(i));
    script.Select(FromUtf8(list), items);
  };
  select("KeyFieldList", SplitNames(options.keys, "--keys"));
  select("UpdateFieldList", SplitNames(options.fields, "--fields"));
  if (options.quoteFields) script.Tick(STR("QuoteFields"), true);
  if (!options.noGenerate) script.Click(STR("GenerateButton"));
  script.Run([&run, &driver](TCustomForm& f) {
    run.final = DialogStateJson(Editor(f));
    driver.Answer(mrYes);  // "not generated, exit anyway?"
  });
  script.Click(STR("OkButton"));
  return script;
}

std::string MessagesJson(const TScriptedDriver& driver) {
  std::vector<std::string> messages;
  for (const TMessageRecord& message : driver.Messages()) {
    messages.push_back(JsonObject(
        {{"type", JsonString(MsgDlgTypeName(message.Type))}, {"text", JsonString(message.Text)}}));
  }
  return JsonArray(messages);
}

const char* const kKinds[] = {"modify", "insert", "delete", "refresh"};

std::vector<const TStringList*> Statements(const TmySQLUpdateSQL& update) {
  return {update.ModifySQL(), update.InsertSQL(), update.DeleteSQL(), update.RefreshSQL()};
}

using TChecks = std::vector<std::optional<String>>;

std::string ChecksJson(const TChecks& checks) {
  std::vector<std::pair<std::string, std::string>> members;
  for (size_t kind = 0; kind < checks.size(); ++kind)
    members.emplace_back(kKinds[kind], checks[kind] ? JsonString(*checks[kind]) : "null");
  return JsonObject(members);
}

void PrintChecks(const TChecks& checks, const std::vector<const TStringList*>& statements) {
  std::cout << '\n';
  for (size_t kind = 0; kind < checks.size(); ++kind) {
    std::cout << kKinds[kind] << ": ";
    if (checks[kind]) {
      std::cout << ToUtf8(*checks[kind]) << '\n';
    } else {
      std::cout << (statements[kind]->Count() == 0 ? "empty" : "ok") << '\n';
    }
  }
}

std::string StatementsJson(const TmySQLUpdateSQL& update) {
  std::vector<std::pair<std::string, std::string>> members;
  for (int kind = 0; kind < kUpdateKindCount; ++kind) {
    std::vector<std::string> lines;
    const TStringList& sql = *update.GetSQLIndex(kind);
    for (int i = 0; i < sql.Count(); ++i) lines.push_back(JsonString(sql.Strings(i)));
    members.emplace_back(kKinds[kind], JsonArray(lines));
  }
  return JsonObject(members);
}

// Closes the connection the command opened, however the run ends.
struct TOpenedConnection {
  TmySQLDatabase* Database = nullptr;
  ~TOpenedConnection() {
    if (Database != nullptr) Database->Close();
  }
};

int Run(const TUpdateSqlOptions& options) {
  TFormRun forms(options.connection);
  if (!forms.Open(options.files)) return kExitFailure;
  auto& update = forms.Find<TmySQLUpdateSQL>(options.object, "an update object");
  TOpenedConnection opened;
  if (TmySQLDataSet* dataSet = update.DataSet(); dataSet && dataSet->Database()) {
    dataSet->Database()->Open();
    opened.Database = dataSet->Database();
  } else if (options.check) {
    throw ERunFailed("--check needs a server: " + options.object +
                     " has no dataset on a connection");
  }

  TScriptedDriver driver;
  TRun run;
  driver.Expect(BuildScript(options, driver, run));
  const bool written = EditMySQLUpdateSQL(update);
  const String caption = driver.Shown().empty() ? String() : driver.Shown().back().Caption;
  bool stepFailed = false;
  for (size_t i = run.openingMessages; i < driver.Messages().size(); ++i)
    stepFailed = stepFailed || driver.Messages()[i].Type == TMsgDlgType::mtError;
  const bool edited = written && !stepFailed;
  TChecks checks;
  if (options.check && edited) checks = CheckStatements(*opened.Database, Statements(update));
  if (opened.Database) opened.Database->Close();

  if (options.json) {
    std::vector<std::pair<std::string, std::string>> members = {
        {"caption", JsonString(caption)},
        {"initial", run.initial},
        {"final", run.final},
        {"statements", StatementsJson(update)},
        {"messages", MessagesJson(driver)}};
    if (!checks.empty()) members.emplace_back("checks", ChecksJson(checks));
    std::cout << JsonObject(members) << '\n';
  } else {
    for (const TMessageRecord& message : driver.Messages())
      std::cerr << ToUtf8(MsgDlgTypeName(message.Type)) << ": " << ToUtf8(message.Text) << '\n';
    if (edited) {
      PrintStatements(
          {update.ModifySQL(), update.InsertSQL(), update.DeleteSQL(), update.RefreshSQL()});
    }
    if (!checks.empty()) PrintChecks(checks, Statements(update));
  }
  if (!written) throw ERunFailed("the editor was not closed with OK");
  // The dialog goes on after an error box, with whatever the failed step left behind.
  if (stepFailed) throw ERunFailed("a step of the editor failed; nothing written");
  for (const std::optional<String>& failure : checks) {
    if (failure) throw ERunFailed("a statement did not prepare on the server; nothing written");
  }
  if (options.write) forms.Save();
  return 0;
}

}  // namespace

void AddUpdateSqlCommands(CLI::App& app, CommandResult& result) {
  auto options = std::make_shared<TUpdateSqlOptions>();
  CLI::App* command = app.add_subcommand(
      "update-sql",
      "run the update SQL editor on an update object of form files and print its statements "
      "(password from the environment variable OMBRIX_PASSWORD)");
  command->add_option("files", options->files, "form files, opened together")->required();
  command->add_option("--object", options->object, "name of the update object")->required();
  AddConnectionFlags(*command, options->connection);
  command->add_option("--table", options->table, "type and choose this table name");
  command->add_flag("--primary-keys", options->primaryKeys, "press Select Primary Keys");
  command->add_option("--keys", options->keys, "select exactly these key fields (A,B)");
  command->add_option("--fields", options->fields, "select exactly these update fields (C,D)");
  command->add_flag("--quote-fields", options->quoteFields, "tick Quote Field Names");
  command->add_flag("--no-generate", options->noGenerate, "do not press Generate SQL");
  command->add_flag("--check", options->check,
                    "prepare each statement on the server (nothing run): ok or its message");
  command->add_flag("--write", options->write, "save the changed form files");
  command->add_flag("--json", options->json, "print the dialog's states and messages as JSON");
  command->callback(
      [options, &result] { result.exitCode = RunVerb([&] { return Run(*options); }); });
}
