#pragma once
#include "classes/Component.h"

// The application object: owner of dialogs, entry to help, and where exceptions that escape an
// event handler are shown.
class TApplication : public TComponent {
  OMBRIX_CLASS(TApplication)
  explicit TApplication(TComponent* owner);

  const String& Title() const { return FTitle; }
  void SetTitle(const String& value) { FTitle = value; }
  // Asks the UI driver to show help for the context.
  void HelpContext(int context);
  // Shows the message of an exception in an error box; EAbort is never shown.
  void ShowException(const Exception& error);

 private:
  String FTitle = STR("Ombrix");
};

TApplication* Application();
