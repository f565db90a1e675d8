#pragma once
// Everything of the form library that needs a user goes through the current UI driver: modal
// loops, message boxes, the cursor, help and opening documents. Tests install a scripted
// driver; a desktop designer installs an interactive one.
#include "forms/Dialogs.h"

class TCustomForm;

class TUIDriver {
 public:
  virtual ~TUIDriver() = default;
  // Runs the modal protocol of the form (TCustomForm::BeginModal ... EndModal) and returns the
  // modal result.
  virtual TModalResult ShowModal(TCustomForm& form) = 0;
  virtual TModalResult MessageDlg(const String& message, TMsgDlgType type, TMsgDlgButtons buttons,
                                  int helpContext) = 0;
  virtual void CursorChanged(TCursor cursor) = 0;
  virtual void HelpContext(int context) = 0;
  // The shell's open-a-document call; returns the shell's result (greater than 32 on success).
  virtual int ShellExecute(const String& operation, const String& file, const String& parameters,
                           const String& directory, int showCommand) = 0;
};

// The current driver. Without an installed one, a driver that has no user: modal loops and
// message boxes raise EInvalidOperation, cursor and help are ignored, documents are opened by
// the platform's shell.
TUIDriver& UIDriver();
// Installs a driver (null restores the default) and returns the previous one.
TUIDriver* SetUIDriver(TUIDriver* driver);
