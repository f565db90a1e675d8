#pragma once
// Message boxes. They are shown by the current UI driver.
#include <cstdint>

#include "forms/FormTypes.h"

enum class TMsgDlgType { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom };
enum TMsgDlgBtn {
  mbYes,
  mbNo,
  mbOK,
  mbCancel,
  mbAbort,
  mbRetry,
  mbIgnore,
  mbAll,
  mbNoToAll,
  mbYesToAll,
  mbHelp,
  mbClose
};
// A set of buttons, bit n for ordinal n.
using TMsgDlgButtons = uint32_t;
constexpr TMsgDlgButtons Buttons(std::initializer_list<TMsgDlgBtn> buttons) {
  TMsgDlgButtons set = 0;
  for (TMsgDlgBtn b : buttons) set |= 1u << b;
  return set;
}
inline constexpr TMsgDlgButtons mbYesNoCancel = (1u << mbYes) | (1u << mbNo) | (1u << mbCancel);
inline constexpr TMsgDlgButtons mbYesNo = (1u << mbYes) | (1u << mbNo);
inline constexpr TMsgDlgButtons mbOKCancel = (1u << mbOK) | (1u << mbCancel);
inline constexpr TMsgDlgButtons mbAbortRetryIgnore =
    (1u << mbAbort) | (1u << mbRetry) | (1u << mbIgnore);

// The modal result that pressing the button gives (mbHelp gives none: it asks for help).
TModalResult ModalResultOf(TMsgDlgBtn button);
// The button that gives that modal result, if one is in the set.
bool ButtonOf(TModalResult result, TMsgDlgButtons buttons, TMsgDlgBtn& button);
String MsgDlgTypeName(TMsgDlgType type);
String MsgDlgButtonName(TMsgDlgBtn button);
// "OK", "Cancel", "Yes", ... as the buttons are labelled; "None" for mrNone.
String ModalResultName(TModalResult result);

// Shows a message box and returns the modal result of the button pressed.
TModalResult MessageDlg(const String& message, TMsgDlgType type, TMsgDlgButtons buttons,
                        int helpContext);
// A plain message with an OK button.
void ShowMessage(const String& message);
