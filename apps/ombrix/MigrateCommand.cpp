// ombrix migrate: the foreign datasets of form files converted as a user of the designer converts
// them: the migrator dropped on the form of the target connection, its Database chosen in the
// object inspector, its Execute button pressed and the migrator taken away again; then every
// changed form and unit saved, all or none.
#include <unistd.h>

#include <iostream>
#include <memory>
#include <optional>
#include <sstream>

#include "Commands.h"
#include "DesignRun.h"
#include "Json.h"
#include "designide/Registry.h"
#include "forms/ScriptedDriver.h"
#include "library/MySQLDatabase.h"
#include "migrator/BDE2Ombrix.h"

namespace {

struct TMigrateOptions : TDesignOptions {
  std::string Target;         // --connection: NAME or FORM.NAME
  std::string AddConnection;  // a new connection on the first form
  std::vector<std::string> Settings;
  std::optional<std::string> Families;
  bool KeepSources = false;
  bool DryRun = false;
};

// One line on a terminal's standard error, rewritten as the run goes; nothing elsewhere.
class TProgress {
 public:
  TProgress() : FShown(isatty(STDERR_FILENO) != 0) {}
  ~TProgress() { Done(); }
  void Show(const std::string& text) {
    if (!FShown) return;
    std::cerr << "\r\033[K" << text << std::flush;
    FOpen = true;
  }
  // Ends the line, so that other output starts on a line of its own.
  void Done() {
    if (FOpen) std::cerr << '\n';
    FOpen = false;
  }

 private:
  bool FShown;
  bool FOpen = false;
};

std::vector<std::string> Split(const std::string& text, char separator) {
  std::vector<std::string> parts;
  std::stringstream in(text);
  for (std::string part; std::getline(in, part, separator);) parts.push_back(part);
  return parts;
}

TConvertComponents ParseFamilies(const std::string& list) {
  static const std::pair<const char*, TConvertComponent> kFamilies[] = {
      {"bde", TConvertComponent::convBDE},
      {"ado", TConvertComponent::convADO},
      {"dbx", TConvertComponent::convDBX},
      {"zeos", TConvertComponent::convZeos}};
  TConvertComponents set = 0;
  for (const std::string& name : Split(list, ',')) {
    bool known = false;
    for (const auto& [family, member] : kFamilies) {
      if (SameText(FromUtf8(name), FromUtf8(family))) {
        set |= SetBit(member);
        known = true;
      }
    }
    if (!known) {
      throw CLI::ValidationError("--families",
                                 "unknown family '" + name + "' (known: bde, ado, dbx, zeos)");
    }
  }
  if (set == 0) throw CLI::ValidationError("--families", "name at least one family");
  return set;
}

// NAME or FORM.NAME, each a valid identifier.
void CheckComponentName(const char* option, const std::string& name) {
  const std::vector<std::string> parts = Split(name, '.');
  bool valid = !name.empty() && name.back() != '.' && parts.size() <= 2;
  for (const std::string& part : parts) valid = valid && IsValidIdent(FromUtf8(part));
  if (!valid) throw CLI::ValidationError(option, "'" + name + "' is not NAME or FORM.NAME");
}

void CheckArguments(const TMigrateOptions& options) {
  if (options.Target.empty() == options.AddConnection.empty())
    throw CLI::ValidationError("give either --connection or --add-connection");
  if (!options.Target.empty()) CheckComponentName("--connection", options.Target);
  if (!options.AddConnection.empty() && !IsValidIdent(FromUtf8(options.AddConnection))) {
    throw CLI::ValidationError("--add-connection",
                               "'" + options.AddConnection + "' is not a component name");
  }
  if (options.Families) ParseFamilies(*options.Families);
}

// A property of the new connection typed into the object inspector.
void SetConnectionProperty(TDesignRun& run, TComponent& connection, const std::string& setting) {
  const size_t equals = setting.find('=');
  if (equals == std::string::npos || equals == 0)
    throw CLI::ValidationError("--set", "'" + setting + "' is not PROP=VALUE");
  const String property = FromUtf8(setting.substr(0, equals));
  // The new connection is written as it is set: a password would stand in the file (and on the
  // command line), and a connection set connected would connect now and on every load.
  if (SameText(property, STR("UserPassword"))) {
    throw CLI::ValidationError("--set",
                               "a password is not taken from the command line; a run's "
                               "password comes from OMBRIX_PASSWORD and is never written");
  }
  if (SameText(property, STR("Connected")))
    throw CLI::ValidationError("--set",
                               "the new connection stays closed; a migration connects "
                               "nobody");
  try {
    auto editor = GetPropertyEditor(run.Designer(), {&connection}, property);
    if (editor->ClassNameIs(STR("TPropertyEditor")) ||
        HasAttribute(editor->GetAttributes(), paReadOnly)) {
      throw EPropertyError(STR("the object inspector takes no text for it"));
    }
    editor->SetValue(FromUtf8(setting.substr(equals + 1)));
  } catch (const Exception& e) {
    throw CLI::ValidationError("--set", setting + ": " + ToUtf8(e.Message()));
  }
}

TmySQLDatabase& TargetConnection(TDesignRun& run, const TMigrateOptions& options) {
  if (!options.AddConnection.empty()) {
    TComponent& root = *run.FormRun().Forms().Modules(0).Root();
    DropComponent(root, TmySQLDatabase::StaticClass(), 0).SetName(FromUtf8(options.AddConnection));
  }
  const std::string& name = options.AddConnection.empty() ? options.Target : options.AddConnection;
  // The designer now works on the connection's form.
  TComponent* found = run.Select(name).front();
  auto* connection = dynamic_cast<TmySQLDatabase*>(found);
  if (connection == nullptr)
    throw ERunFailed(name + " is a " + ToUtf8(found->ClassName()) + ", not a connection");
  for (const std::string& setting : options.Settings)
    SetConnectionProperty(run, *connection, setting);
  return *connection;
}

void SetInInspector(TDesignRun& run, TComponent& component, const Char* property,
                    const String& value) {
  GetPropertyEditor(run.Designer(), {&component}, property)->SetValue(value);
}

// Drops the migrator beside the connection, sets it up and presses its Execute button; the
// migrator is gone again afterwards.
TMigrationReport RunMigrator(TDesignRun& run, TmySQLDatabase& connection,
                             const TMigrateOptions& options) {
  const TClass cls = GetClass(STR("TBDE2Ombrix"));
  if (cls == nullptr) throw ERunFailed("the package registers no TBDE2Ombrix");
  std::unique_ptr<TComponent> migrator(&DropComponent(*connection.Owner(), *cls, 0));
  SetInInspector(run, *migrator, STR("Database"), run.Designer()->GetComponentName(&connection));
  if (options.Families)
    SetOrdProp(migrator.get(), STR("ConvertComponents"), ParseFamilies(*options.Families));
  if (options.KeepSources)
    SetInInspector(run, *migrator, STR("DeleteSourceComponents"), STR("False"));
  auto execute = GetPropertyEditor(run.Designer(), {migrator.get()}, STR("Execute"));
  if (!HasAttribute(execute->GetAttributes(), paDialog))
    throw ERunFailed("the package registers no editor that runs TBDE2Ombrix.Execute");
  TScriptedDriver user;  // answers the message box at the end of the run
  execute->Edit();
  return dynamic_cast<const TBDE2Ombrix&>(*migrator).LastRun();
}

std::string JsonNames(const std::vector<TMigrationReport::TName>& names, const TComponent* owner) {
  std::vector<std::string> items;
  for (const auto& n : names) {
    if (n.Owner == owner) items.push_back(JsonString(n.Name));
  }
  return JsonArray(items);
}

std::string JsonReport(TFormRun& forms, const TMigrationReport& report,
                       const std::vector<TUnitStep>& units,
                       const std::vector<std::string>& written) {
  std::vector<std::string> entries;
  for (int m = 0; m < forms.Forms().ModuleCount(); ++m) {
    const TFormModule& module = forms.Forms().Modules(m);
    const TComponent* root = module.Root();
    std::vector<std::string> pairs;
    for (const auto& p : report.Pairs) {
      if (p.Owner != root) continue;
      pairs.push_back(JsonObject({{"old", JsonString(p.OldName)},
                                  {"oldClass", JsonString(p.OldClass)},
                                  {"new", JsonString(p.NewName)},
                                  {"newClass", JsonString(p.NewClass)}}));
    }
    entries.push_back(JsonObject(
        {{"file", JsonString(FromUtf8(module.FileName().string()))},
         {"pairs", JsonArray(pairs)},
         {"dataSources", JsonNames(report.DataSources, root)},
         {"lookupFields", JsonNames(report.LookupFields, root)},
         {"removed", JsonNames(report.Removed, root)},
         {"unit", JsonString(FromUtf8(UnitStateName(units[static_cast<size_t>(m)].State)))}}));
  }
  std::vector<std::string> files;
  for (const std::string& file : written) files.push_back(JsonString(FromUtf8(file)));
  return JsonObject({{"message", JsonString(report.Message)},
                     {"forms", JsonArray(entries)},
                     {"written", JsonArray(files)}});
}

int Migrate(TMigrateOptions& options) {
  CheckArguments(options);
  TProgress progress;
  const std::string total = std::to_string(options.Files.size());
  options.Read = [&](size_t read) {
    progress.Show("read " + std::to_string(read) + " of " + total + " files");
  };
  TDesignRun run(options);
  TmySQLDatabase& connection = TargetConnection(run, options);
  progress.Show("converting the datasets of " + total + " files");
  const TMigrationReport report = RunMigrator(run, connection, options);
  const std::string converted = std::to_string(report.Pairs.size()) + " datasets converted";
  progress.Show(converted + ", bringing the units in step");
  const std::vector<TUnitStep> units = run.FormRun().UnitSteps();
  std::vector<std::string> written;
  if (!options.DryRun) {
    progress.Show(converted + ", writing the files");
    written = run.FormRun().Save(units);
    progress.Show(converted + ", " + std::to_string(written.size()) + " files written");
  }
  progress.Done();
  for (const TUnitStep& unit : units) {
    if (!unit.Problem.empty()) std::cerr << "ombrix: left alone: " << unit.Problem << '\n';
  }
  if (options.Json) {
    std::cout << JsonReport(run.FormRun(), report, units, written) << '\n';
    return 0;
  }
  std::cout << ToUtf8(report.Message) << '\n';
  for (const std::string& file : written) std::cerr << "written: " << file << '\n';
  return 0;
}

}  // namespace

void AddMigrateCommands(CLI::App& app, CommandResult& result) {
  auto options = std::make_shared<TMigrateOptions>();
  CLI::App* command = app.add_subcommand(
      "migrate",
      "convert the datasets of other data-access families on the forms into the library's, "
      "through the migrator the package registers");
  command->add_option("files", options->Files, "form files, opened together")->required();
  command->add_option("--connection", options->Target,
                      "the connection the new datasets use (NAME or FORM.NAME)");
  CLI::Option* add = command->add_option("--add-connection", options->AddConnection,
                                         "create a connection of this name on the first form");
  command->add_option("--set", options->Settings, "a property of the new connection (PROP=VALUE)")
      ->needs(add);
  command->add_option("--families", options->Families,
                      "the families converted (bde,ado,dbx,zeos; default: all)");
  command->add_flag("--keep-sources", options->KeepSources,
                    "keep the old datasets under their Die_ names");
  command->add_flag("--dry-run", options->DryRun, "do everything in memory, write nothing");
  command->add_option("--package", options->Package, "design-time package (default: the newest)");
  AddConnectionFlags(*command, options->Connection);
  command->add_flag("--json", options->Json, "print a JSON report");
  command->callback(
      [options, &result] { result.exitCode = RunVerb([&] { return Migrate(*options); }); });
}
