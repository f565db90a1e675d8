#pragma once
// Row filtering and ordering of the in-memory server, with a server's comparison rules:
// numbers by value, text without regard to ASCII case, NULL before everything.
#include "library/ServerSession.h"
#include "library/memory/MemoryCatalog.h"

// The table's rows that match request.Equal, ordered by request.OrderBy; raises for unknown
// columns as a server does.
std::vector<TRow> SelectRows(const TMemoryTable& table, const TTableRequest& request);

// SQL LIKE: "%" any run, "_" one character, "\" escapes; ASCII letters match either case.
bool MatchesLike(StringView text, StringView pattern);
