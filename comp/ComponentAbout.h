#pragma once
#include "rtl/String.h"

// The About box with the component's class name; the About pseudo-property opens it.
void ShowComponentAbout(const String& className);
