#pragma once
// Statements checked on the server: each is prepared, never run.
#include <optional>
#include <vector>

#include "classes/StringList.h"
#include "library/MySQLDatabase.h"

// Prepares each statement on the connection's server (connecting it when closed), in a session
// that takes double-quoted names as identifiers; ":name" and ":"name"" are placeholders. For
// each: nothing when it prepared or is empty, else the server's message. The session's SQL mode
// is put back afterwards.
std::vector<std::optional<String>> CheckStatements(TmySQLDatabase& database,
                                                   const std::vector<const TStringList*>& sql);
