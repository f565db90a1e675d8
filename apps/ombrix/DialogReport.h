#pragma once
// The --json report of a run that showed dialogs: every dialog with its controls as they were
// when it opened and when it closed, every message box, whether the designer was told of a
// change, and the error that ended the run. Built from the control models alone, so every
// dialog reports the same way.
#include <optional>
#include <string>
#include <vector>

#include "forms/ScriptedDriver.h"

class TDialogRecorder {
 public:
  // Records the dialogs that the driver shows from now on.
  explicit TDialogRecorder(TScriptedDriver& driver);
  ~TDialogRecorder();
  TDialogRecorder(const TDialogRecorder&) = delete;
  TDialogRecorder& operator=(const TDialogRecorder&) = delete;

  std::string Json(bool modified, const std::optional<std::string>& error) const;

 private:
  struct TDialog {
    String ClassName;
    String Caption;
    TModalResult Result = mrNone;
    std::string Opened;
    std::string Closed;
  };

  TScriptedDriver& FDriver;
  std::vector<TDialog> FDialogs;
  std::vector<size_t> FOpen;  // dialogs open now, the innermost last
};

// {NAME: {"visible", "enabled", ...}} for every named control of the form.
std::string ControlsJson(const TCustomForm& form);
