#pragma once
// What the editor verbs share: the package loaded as a designer loads it, the form files opened
// together as the designer's open modules, a designer on the form of the object, and the dialog
// script standing in for the user of every dialog an editor opens.
//
//   TDesignRun run(options);                      // package, forms, --connect
//   auto objects = run.Select(options.Object);    // the designer takes the first one's form
//   return run.Act([&] { editor->Edit(); });       // report, then save when asked and clean
#include <CLI/CLI.hpp>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "FormRun.h"
#include "designide/FormDesigner.h"
#include "designide/FormSetServices.h"
#include "designide/PackageLoader.h"

class TmySQLDatabase;

struct TDesignOptions {
  std::vector<std::string> Files;
  std::string Object;  // NAME or FORM.NAME; several separated by commas where a verb allows
  std::string Package;
  TConnectionFlags Connection;
  bool Connect = false;
  std::optional<std::string> Script;
  bool Write = false;
  bool Json = false;
  std::function<void(size_t)> Read;  // hears how many files were read so far
};

// FILE..., --object, --package, the connection flags, --connect and --json; with dialogs also
// --script and --write.
void AddDesignOptions(CLI::App& command, TDesignOptions& options, bool dialogs);

class TDesignRun {
 public:
  // Loads the package, opens the files (ERunFailed when one does not load) and, with --connect,
  // opens every connection of the files.
  explicit TDesignRun(const TDesignOptions& options);
  ~TDesignRun();
  TDesignRun(const TDesignRun&) = delete;
  TDesignRun& operator=(const TDesignRun&) = delete;

  // The components named in the list, in its order; the designer works on the form of the first.
  std::vector<TComponent*> Select(const std::string& names);
  IDesigner* Designer() { return FDesigner.get(); }
  TFormRun& FormRun() { return FRun; }

  // Runs the editor's action with the script playing the user, prints what the dialogs and
  // message boxes showed (or the JSON report), and saves the changed forms when asked and the
  // action succeeded. Returns the exit status.
  int Act(const std::function<void()>& action);

 private:
  const TDesignOptions& FOptions;
  std::unique_ptr<TPackage> FPackage;  // outlives the forms, which may hold its classes
  TFormRun FRun;
  TFormSetServices FServices;
  std::unique_ptr<TFormDesigner> FDesigner;
  std::vector<TmySQLDatabase*> FConnected;
};
