#pragma once
// What every verb on form files shares. A verb declares its connection flags with
// AddConnectionFlags, then, in its callback:
//
//   return RunVerb([&] {
//     TFormRun run(flags);                       // classes registered, run settings installed
//     if (!run.Open(files)) return kExitFailure;  // each failing file already reported
//     auto& update = run.Find<TmySQLUpdateSQL>(name, "an update object");
//     ... the verb's work; connections open only when the verb opens them ...
//     if (write) run.Save();                      // only after the work succeeded; the units
//                                                 // beside the forms follow their components
//     return 0;
//   });
#include <CLI/CLI.hpp>
#include <cstdint>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "FormUnits.h"
#include "classes/FormSet.h"
#include "library/ConnectionOverride.h"
#include "rtl/String.h"

// A failure of the run, printed as "ombrix: message" with exit status 1.
class ERunFailed : public std::runtime_error {
  using std::runtime_error::runtime_error;
};

// Runs a verb's body and returns its exit status; any error is printed as "ombrix: message"
// and gives 1. Usage errors of the command line pass through.
int RunVerb(const std::function<int()>& body);

// Settings for this run's connections; the password comes from OMBRIX_PASSWORD only, as command
// lines are visible to every user.
struct TConnectionFlags {
  std::optional<std::string> Host;
  std::optional<uint32_t> Port;
  std::optional<std::string> Socket;  // alone: this local socket, whatever host a form names
  std::optional<std::string> User;
  std::optional<std::string> Database;
};

// --host, --port, --socket, --user and --database.
void AddConnectionFlags(CLI::App& command, TConnectionFlags& flags);
// The flags and the password from the environment as the run's connection settings.
TConnectionOverride ConnectionSettings(const TConnectionFlags& flags);

// Form files opened as one set, for one run of a verb.
class TFormRun {
 public:
  // Registers every class a form may hold (the host's, the foreign stand-ins, the library's) and
  // installs the flags and the password as the settings of every connection made during the
  // run; a form's stored settings stay as read. Loading connects nobody.
  explicit TFormRun(const TConnectionFlags& flags = {});
  TFormRun(const TFormRun&) = delete;
  TFormRun& operator=(const TFormRun&) = delete;

  // Opens every file; one that does not load is reported (FILE:LINE:COL: message) and the rest
  // still open. False when any failed. read hears how many files were read so far.
  bool Open(const std::vector<std::string>& files,
            const std::function<void(size_t)>& read = nullptr);
  TFormSet& Forms() { return FForms; }
  // The units beside the forms; a form opened through Forms() is told to it with Opened.
  TFormUnits& Units() { return FUnits; }

  // NAME in the first form that has it, or FORM.NAME; raises ERunFailed when there is none.
  TComponent& Find(const std::string& name) const;
  // The same, also raising ERunFailed ("X is a TFoo, not KIND") when it is not a T.
  template <class T>
  T& Find(const std::string& name, const char* kind) const {
    TComponent& found = Find(name);
    if (auto* t = dynamic_cast<T*>(&found)) return *t;
    throw ERunFailed(name + " is a " + ToUtf8(found.ClassName()) + ", not " + kind);
  }

  // The unit beside each form (FORM.pas) in step with the form's components, in the forms'
  // order.
  std::vector<TUnitStep> UnitSteps() const;
  // Writes every form that changed and every unit that changed with it, all or none (see
  // TFormSet::SaveChanged). Returns the files written.
  std::vector<std::string> Save(const std::vector<TUnitStep>& units);
  // The same with UnitSteps(); a unit left alone is reported on standard error.
  std::vector<std::string> Save();

 private:
  TScopedConnectionOverride FOverride;  // outlives the forms and their connections
  TFormSet FForms;
  TFormUnits FUnits;
};
