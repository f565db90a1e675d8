#pragma once
// The four statements of an update object as the command line prints them: modify, insert,
// delete, refresh record, separated by an empty line.
#include <array>

#include "classes/StringList.h"

void PrintStatements(const std::array<const TStringList*, 4>& statements);
