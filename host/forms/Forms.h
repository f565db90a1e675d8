#pragma once
// The form library in one include, and the registration of its classes.
#include "forms/Application.h"
#include "forms/Bevel.h"
#include "forms/Button.h"
#include "forms/CheckBox.h"
#include "forms/ComboBox.h"
#include "forms/Dialogs.h"
#include "forms/Edit.h"
#include "forms/Form.h"
#include "forms/GroupBox.h"
#include "forms/Image.h"
#include "forms/Label.h"
#include "forms/ListBox.h"
#include "forms/Memo.h"
#include "forms/Menus.h"
#include "forms/PageControl.h"
#include "forms/Panel.h"
#include "forms/Screen.h"
#include "forms/Shell.h"
#include "forms/Splitter.h"
#include "forms/UIDriver.h"

// Registers the control classes and the identifiers of colours, cursors and character sets
// (idempotent).
void RegisterFormsClasses();
