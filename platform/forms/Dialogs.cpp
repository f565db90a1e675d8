#include "forms/Dialogs.h"

#include "forms/UIDriver.h"

TModalResult ModalResultOf(TMsgDlgBtn button) {
  switch (button) {
    case mbYes:
      return mrYes;
    case mbNo:
      return mrNo;
    case mbOK:
      return mrOk;
    case mbCancel:
      return mrCancel;
    case mbAbort:
      return mrAbort;
    case mbRetry:
      return mrRetry;
    case mbIgnore:
      return mrIgnore;
    case mbAll:
      return mrAll;
    case mbNoToAll:
      return mrNoToAll;
    case mbYesToAll:
      return mrYesToAll;
    case mbClose:
      return mrClose;
    case mbHelp:
      break;
  }
  return mrNone;
}

bool ButtonOf(TModalResult result, TMsgDlgButtons buttons, TMsgDlgBtn& button) {
  for (int b = mbYes; b <= mbClose; ++b) {
    const auto candidate = static_cast<TMsgDlgBtn>(b);
    if ((buttons & (1u << b)) != 0 && ModalResultOf(candidate) == result && result != mrNone) {
      button = candidate;
      return true;
    }
  }
  return false;
}

String MsgDlgTypeName(TMsgDlgType type) {
  static const Char* const names[] = {STR("mtWarning"), STR("mtError"), STR("mtInformation"),
                                      STR("mtConfirmation"), STR("mtCustom")};
  return names[static_cast<int>(type)];
}

String MsgDlgButtonName(TMsgDlgBtn button) {
  static const Char* const names[] = {STR("mbYes"),      STR("mbNo"),    STR("mbOK"),
                                      STR("mbCancel"),   STR("mbAbort"), STR("mbRetry"),
                                      STR("mbIgnore"),   STR("mbAll"),   STR("mbNoToAll"),
                                      STR("mbYesToAll"), STR("mbHelp"),  STR("mbClose")};
  return names[static_cast<int>(button)];
}

String ModalResultName(TModalResult result) {
  if (result == mrNone) return STR("None");
  for (int b = mbYes; b <= mbClose; ++b) {
    const auto button = static_cast<TMsgDlgBtn>(b);
    if (ModalResultOf(button) == result) return MsgDlgButtonName(button).substr(2);
  }
  return IntToStr(result);
}

TModalResult MessageDlg(const String& message, TMsgDlgType type, TMsgDlgButtons buttons,
                        int helpContext) {
  return UIDriver().MessageDlg(message, type, buttons, helpContext);
}

void ShowMessage(const String& message) {
  MessageDlg(message, TMsgDlgType::mtCustom, Buttons({mbOK}), 0);
}
