#include "DesignRun.h"

#include <fstream>
#include <iostream>
#include <sstream>

#include "Commands.h"
#include "DialogReport.h"
#include "PackageHost.h"
#include "forms/DialogScript.h"
#include "library/MySQLDatabase.h"

namespace {

TScript ReadScript(const std::optional<std::string>& file) {
  if (!file) return TScript();
  std::ifstream in(*file, std::ios::binary);
  if (!in) throw ERunFailed("cannot read the script " + *file);
  std::ostringstream text;
  text << in.rdbuf();
  try {
    return ParseDialogScript(FromUtf8(text.str()));
  } catch (const EScriptError& e) {
    throw ERunFailed(*file + ": " + e.what());
  }
}

// Connections in the order of the files and their components.
std::vector<TmySQLDatabase*> Connections(const TFormSet& forms) {
  std::vector<TmySQLDatabase*> found;
  for (int m = 0; m < forms.ModuleCount(); ++m) {
    const TComponent* root = forms.Modules(m).Root();
    for (int i = 0; i < root->ComponentCount(); ++i) {
      if (auto* db = dynamic_cast<TmySQLDatabase*>(root->Components(i))) found.push_back(db);
    }
  }
  return found;
}

void PrintTranscript(const TScriptedDriver& driver) {
  for (const TShownForm& shown : driver.Shown()) {
    std::cout << ToUtf8(shown.ClassName) << " \"" << ToUtf8(shown.Caption)
              << "\": " << ToUtf8(ModalResultName(shown.Result)) << '\n';
  }
  for (const TMessageRecord& m : driver.Messages()) {
    std::cerr << ToUtf8(MsgDlgTypeName(m.Type)) << ": " << ToUtf8(m.Text) << " ["
              << ToUtf8(ModalResultName(m.Answer)) << "]\n";
  }
}

}  // namespace

void AddDesignOptions(CLI::App& command, TDesignOptions& options, bool dialogs) {
  command.add_option("files", options.Files, "form files, opened together")->required();
  command.add_option("--package", options.Package, "design-time package (default: the newest)");
  AddConnectionFlags(command, options.Connection);
  command.add_flag("--connect", options.Connect,
                   "open every connection of the files first, as a user would");
  command.add_flag("--json", options.Json, "print a JSON report");
  if (!dialogs) return;
  command.add_option("--script", options.Script, "dialog script playing the user")
      ->check(CLI::ExistingFile);
  command.add_flag("--write", options.Write, "save the changed form files");
}

TDesignRun::TDesignRun(const TDesignOptions& options)
    : FOptions(options),
      FPackage(LoadDesignPackage(options.Package)),
      FRun(options.Connection),
      FServices(FRun.Forms()) {
  if (!FRun.Open(options.Files, options.Read)) throw ERunFailed("the form files did not load");
  SetBorlandIDEServices(&FServices);
  if (!options.Connect) return;
  for (TmySQLDatabase* db : Connections(FRun.Forms())) {
    db->Open();
    FConnected.push_back(db);
  }
}

TDesignRun::~TDesignRun() {
  for (TmySQLDatabase* db : FConnected) db->Close();
  SetBorlandIDEServices(nullptr);
}

std::vector<TComponent*> TDesignRun::Select(const std::string& names) {
  std::vector<TComponent*> selected;
  std::stringstream list(names);
  for (std::string name; std::getline(list, name, ',');) {
    if (name.empty()) throw ERunFailed("--object: an empty name in '" + names + "'");
    selected.push_back(&FRun.Find(name));
  }
  if (selected.empty()) throw ERunFailed("--object names no component");
  TComponent* root = selected.front()->Owner();
  FDesigner = std::make_unique<TFormDesigner>(root != nullptr ? root : selected.front());
  return selected;
}

int TDesignRun::Act(const std::function<void()>& action) {
  TScriptedDriver driver;
  driver.ExpectAll(ReadScript(FOptions.Script));
  TDialogRecorder recorder(driver);
  const std::string script = FOptions.Script.value_or("the script");
  std::optional<std::string> error;
  try {
    action();
    if (const int line = driver.UnusedLine()) {
      error =
          script + ": line " + std::to_string(line) + ": no dialog or message box was left for it";
    }
  } catch (const EScriptError& e) {
    error = script + ": " + e.what();
  } catch (const std::exception& e) {
    error = e.what();
  }
  // A dialog goes on after an error box, with whatever the failed handler left behind.
  for (const TMessageRecord& m : driver.Messages()) {
    if (!error && m.Type == TMsgDlgType::mtError)
      error = "a dialog showed the error: " + ToUtf8(m.Text);
  }
  const bool modified = FDesigner != nullptr && FDesigner->ModifiedCount() > 0;
  if (FOptions.Json) {
    std::cout << recorder.Json(modified, error) << '\n';
  } else {
    PrintTranscript(driver);
  }
  if (error) {
    if (!FOptions.Json) std::cerr << "ombrix: " << *error << '\n';
    return kExitFailure;
  }
  if (FOptions.Write) {
    for (const std::string& file : FRun.Save()) std::cerr << "written: " << file << '\n';
  }
  return 0;
}
