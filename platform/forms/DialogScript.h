#pragma once
// Dialog scripts: a user's actions on the dialogs of one run, written one per line, for the
// scripted driver's ExpectAll.
//
//   # comment                  lines starting with '#' and blank lines are skipped
//   click NAME                 dblclick NAME
//   type NAME TEXT             replaces the text; "\n" is a line break, "\\" a backslash
//   choose NAME ITEM           an entry of a combo box, list box or radio group, by exact text
//   select NAME ITEM           unselect NAME ITEM (a Ctrl+click on a multi-select list)
//   tick NAME on|off           page NAME SHEET
//   key NAME KEY               Enter, Escape, Tab, F1, Ctrl+A or one character
//   answer Yes|No|OK|Cancel    the next message box
#include "forms/ScriptedDriver.h"

// Raises EScriptError naming the first line that is not an action ("line 3: ...").
TScript ParseDialogScript(StringView text);
