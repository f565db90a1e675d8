#include "forms/UIDriver.h"

#include "forms/Form.h"
#include "forms/Shell.h"

namespace {

// Without a user nobody can answer: showing something modal is an error, not a silent result.
class TNoUserDriver : public TUIDriver {
 public:
  TModalResult ShowModal(TCustomForm& form) override {
    throw EInvalidOperation(STR("No user interface to show ") + form.ClassName());
  }
  TModalResult MessageDlg(const String& message, TMsgDlgType, TMsgDlgButtons, int) override {
    throw EInvalidOperation(STR("No user interface to show the message: ") + message);
  }
  void CursorChanged(TCursor) override {}
  void HelpContext(int) override {}
  int ShellExecute(const String& operation, const String& file, const String&, const String&,
                   int) override {
    if (!SameText(operation, STR("open")) && !operation.empty()) return 31;
    return PlatformShellOpen(file);
  }
};

TNoUserDriver& NoUserDriver() {
  static TNoUserDriver driver;
  return driver;
}

TUIDriver*& CurrentDriver() {
  static TUIDriver* driver = nullptr;
  return driver;
}

}  // namespace

TUIDriver& UIDriver() {
  TUIDriver* driver = CurrentDriver();
  return driver != nullptr ? *driver : NoUserDriver();
}

TUIDriver* SetUIDriver(TUIDriver* driver) {
  TUIDriver* previous = CurrentDriver();
  CurrentDriver() = driver;
  return previous;
}
