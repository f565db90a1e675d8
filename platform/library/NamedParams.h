#pragma once
// Statements name their parameters ":name"; the server only knows "?". Quoted strings, quoted
// names, comments and the assignment ":=" are left alone.
#include <vector>

#include "rtl/String.h"

// The statement cut at its parameters: Texts[0] Names[0] Texts[1] ... Names[n-1] Texts[n].
struct TParsedStatement {
  std::vector<String> Texts;
  std::vector<String> Names;
  String WithPlaceholders() const;
};

TParsedStatement ParseNamedParams(StringView sql);
