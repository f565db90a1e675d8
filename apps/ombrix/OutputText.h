#pragma once
// Texts on their way out of the program, always UTF-8. The 8-bit builds hold UTF-8 inside, but
// a text of the host's code page (the palette page's trade mark sign) is converted from
// Windows-1252 here.
#include <string>

#include "rtl/String.h"

std::string OutputUtf8(StringView text);
