#pragma once
#include <string>

#include "classes/StringList.h"

// "A,B" as a list of names. The empty text is the empty list; an empty name between commas is a
// usage error of the option.
TStringList SplitNames(const std::string& text, const char* option);
