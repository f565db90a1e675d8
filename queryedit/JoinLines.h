#pragma once
#include "classes/StringList.h"

// The lines joined by line breaks, with none after the last (as a memo shows them; the list's
// Text ends every line with one).
String JoinLines(const TStringList& lines);
