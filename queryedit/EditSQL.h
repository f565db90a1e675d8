#pragma once
// Opening the SQL editor on a statement. Both forms return true when the user closed the dialog
// with OK; the statement is then replaced by the edited text without trailing blanks and line
// breaks. Otherwise it is left as it was, also when a callback fails.
#include "classes/StringList.h"
#include "queryedit/SQLEditCallbacks.h"

bool EditSQL(String& sql, const TGetTableNamesProc& getTableNames,
             const TGetFieldNamesProc& getFieldNames, const String& startTable);
// The statement one line per entry.
bool EditSQL(TStringList& sql, const TGetTableNamesProc& getTableNames,
             const TGetFieldNamesProc& getFieldNames, const String& startTable);
