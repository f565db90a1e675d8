#include "FormRun.h"

#include <cstdlib>
#include <iostream>

#include "Commands.h"
#include "FormClasses.h"
#include "classes/FormErrors.h"
#include "library/LibraryClasses.h"

TConnectionOverride ConnectionSettings(const TConnectionFlags& flags) {
  TConnectionOverride run;
  auto text = [](const std::optional<std::string>& flag) -> std::optional<String> {
    if (!flag) return std::nullopt;
    return FromUtf8(*flag);
  };
  run.Host = text(flags.Host);
  run.Port = flags.Port;
  run.Socket = text(flags.Socket);
  run.User = text(flags.User);
  run.Database = text(flags.Database);
  if (const char* password = std::getenv("OMBRIX_PASSWORD")) run.Password = FromUtf8(password);
  return run;
}

namespace {

// Registration comes before the settings are installed, so that the member order holds.
TConnectionOverride RegisterAndSettle(const TConnectionFlags& flags) {
  RegisterFormClasses();
  return ConnectionSettings(flags);
}

void ReportFormError(const std::string& file, const std::exception& e) {
  if (const auto* form = dynamic_cast<const EFormError*>(&e)) {
    std::cerr << ToUtf8(form->Describe()) << '\n';
  } else {
    std::cerr << file << ": " << e.what() << '\n';
  }
}

}  // namespace

int RunVerb(const std::function<int()>& body) {
  try {
    return body();
  } catch (const CLI::Error&) {
    throw;
  } catch (const std::exception& e) {
    std::cerr << "ombrix: " << e.what() << '\n';
    return kExitFailure;
  }
}

void AddConnectionFlags(CLI::App& command, TConnectionFlags& flags) {
  command.add_option("--host", flags.Host, "server host name or address");
  command.add_option("--port", flags.Port, "server TCP port")->check(CLI::Range(0, 65535));
  command.add_option("--socket", flags.Socket,
                     "local socket of the server (alone: whatever host a form names)");
  command.add_option("--user", flags.User, "user name");
  command.add_option("--database", flags.Database, "database to use");
}

TFormRun::TFormRun(const TConnectionFlags& flags) : FOverride(RegisterAndSettle(flags)) {}

bool TFormRun::Open(const std::vector<std::string>& files,
                    const std::function<void(size_t)>& read) {
  bool all = true;
  for (size_t i = 0; i < files.size(); ++i) {
    try {
      FUnits.Opened(FForms.Open(files[i]));
    } catch (const std::exception& e) {
      ReportFormError(files[i], e);
      all = false;
    }
    if (read) read(i + 1);
  }
  return all;
}

TComponent& TFormRun::Find(const std::string& name) const {
  const String wanted = FromUtf8(name);
  const size_t dot = wanted.find(STR('.'));
  for (int i = 0; i < FForms.ModuleCount(); ++i) {
    TComponent* root = FForms.Modules(i).Root();
    TComponent* found = nullptr;
    if (dot == String::npos) {
      found = root->FindComponent(wanted);
    } else if (SameText(root->Name(), wanted.substr(0, dot))) {
      found = root->FindComponent(wanted.substr(dot + 1));
    }
    if (found != nullptr) return *found;
  }
  throw ERunFailed("no component named " + name + " in the given form files");
}

std::vector<TUnitStep> TFormRun::UnitSteps() const {
  std::vector<TUnitStep> steps;
  for (int i = 0; i < FForms.ModuleCount(); ++i) steps.push_back(FUnits.Step(FForms.Modules(i)));
  return steps;
}

std::vector<std::string> TFormRun::Save(const std::vector<TUnitStep>& units) {
  std::vector<TFormSet::TFileText> alongside;
  for (const TUnitStep& unit : units) {
    if (unit.State == TUnitState::usChanged) alongside.emplace_back(unit.File, unit.Bytes);
  }
  std::vector<std::string> written;
  for (const TFormModule* module : FForms.SaveChanged(alongside))
    written.push_back(module->FileName());
  for (const auto& unit : alongside) written.push_back(unit.first);
  return written;
}

std::vector<std::string> TFormRun::Save() {
  const std::vector<TUnitStep> units = UnitSteps();
  for (const TUnitStep& unit : units) {
    if (!unit.Problem.empty()) std::cerr << "ombrix: left alone: " << unit.Problem << '\n';
  }
  return Save(units);
}
