#pragma once
// What a user can do to a shown form, expressed through the controls' events. UI drivers (the
// scripted one of the tests, a desktop one) act only through these functions, so every handler
// is reached exactly as a user reaches it.
#include "forms/Forms.h"

// A user could not do that (the control is hidden, disabled or not on the form). Drivers treat
// it as a fault of the script, not as an error of the dialog.
class EUserInput : public Exception {
  using Exception::Exception;
};

namespace UserInput {

// Raises EUserInput unless the control is showing and enabled, together with its parents.
void CheckReachable(const TControl& control);
// A click: windowed controls that take the focus on a click get it first (OnExit, OnEnter),
// then the control's click (OnClick; buttons set the form's modal result first).
void Click(TControl& control);
// A double click: the click, then OnDblClick.
void DblClick(TControl& control);
// Moves the focus to the control as Tab or a click would.
void Focus(TWinControl& control);
// A key on the focused control of the form (the form itself when none has the focus):
// Enter and Escape first go to the default and cancel buttons unless the control keeps them,
// Tab moves the focus; otherwise the form sees the key first when KeyPreview is set, then the
// control's OnKeyPress, then the control's own handling (typing).
void PressKey(TCustomForm& form, Char key);
// F1: help for the help context of the focused control, else of the nearest parent that has
// one; nothing when none has.
void PressHelp(TCustomForm& form);
// Alt with a letter: the first showing, enabled control whose caption has that access key
// (letter case ignored), in tab order: a label moves the focus to its FocusControl, a tab
// switches to its page, a check box or a button is clicked, another control takes the focus.
// Raises EUserInput when no control has the key.
void PressAccelerator(TCustomForm& form, Char key);
// Each character of the text as a key press on the focused control.
void TypeText(TCustomForm& form, StringView text);
// A click on an item of a list box; with ctrl, a multi-select list toggles the item and keeps
// the others. Then OnClick.
void ClickListItem(TListBox& list, int index, bool ctrl);
void DblClickListItem(TListBox& list, int index);
// Opens the drop-down list and chooses an entry.
void ChooseComboItem(TComboBox& combo, int index);
void ClickRadioItem(TRadioGroup& group, int index);
void ClickCheckBox(TCheckBox& box);
// A click on the tab of a page; false when the page control refused the switch.
bool SelectTab(TPageControl& pages, TTabSheet& page);
bool DragSplitter(TSplitter& splitter, int newSize);
// Opens the control's popup menu (PopupComponent, OnPopup) and clicks the entry.
void PopupMenuClick(TControl& control, TMenuItem& item);
// The two halves of it for a driver that shows the menu in between: the opened menu, and a
// click on one of its entries (raises EUserInput for an entry hidden or disabled on the way).
TPopupMenu& OpenPopupMenu(TControl& control);
void ClickMenuItem(TPopupMenu& menu, TMenuItem& item);
// The close box of the window.
void CloseWindow(TCustomForm& form);

}  // namespace UserInput
