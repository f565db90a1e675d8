#pragma once
// The default rule for identifiers that need quoting in MySQL statements.
#include "rtl/String.h"

// True when the identifier is empty or holds a character other than a decimal digit, "_" or a
// lower-case ASCII letter. Only the judgement: nothing is quoted here.
bool DefaultReqQuoteChar(StringView identifier);
