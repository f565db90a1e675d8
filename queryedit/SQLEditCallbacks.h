#pragma once
// How the SQL editor learns table and field names: its caller supplies them. A callback replaces
// the contents of List; the editor inserts the names exactly as delivered. Either may be empty.
#include <functional>

#include "classes/StringList.h"

// (List, SystemTables): the tables to offer; SystemTables is the state of the dialog's
// "Sho&w system tables and fields" box.
using TGetTableNamesProc = std::function<void(TStringList& list, bool systemTables)>;
// (TableName, List, SystemTables): the fields of TableName.
using TGetFieldNamesProc =
    std::function<void(const String& tableName, TStringList& list, bool systemTables)>;
