#include "forms/Application.h"

#include "forms/Dialogs.h"
#include "forms/UIDriver.h"

const TClassInfo& TApplication::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TApplication, TComponent>(STR("TApplication")).Build();
  return info;
}

TApplication::TApplication(TComponent* owner) : TComponent(owner) {}

void TApplication::HelpContext(int context) {
  UIDriver().HelpContext(context);
}

void TApplication::ShowException(const Exception& error) {
  if (dynamic_cast<const EAbort*>(&error) != nullptr) return;
  MessageDlg(error.Message(), TMsgDlgType::mtError, Buttons({mbOK}), 0);
}

TApplication* Application() {
  static TApplication application(nullptr);
  return &application;
}
