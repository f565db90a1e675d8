#pragma once
// Statements name their parameters ":name" (or ":"any name""); servers only know "?". Quoted
// strings, quoted names, comments and the assignment ":=" are left alone; "::" is a colon.
#include <vector>

#include "rtl/String.h"

// The statement cut at its parameters: Texts[0] Names[0] Texts[1] ... Names[n-1] Texts[n].
struct TParsedStatement {
  std::vector<String> Texts;
  std::vector<String> Names;
  String WithPlaceholders() const;
};

// Raises the database error for an unterminated ":"name".
TParsedStatement ParseNamedParams(StringView sql);
