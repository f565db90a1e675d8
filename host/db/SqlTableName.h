#pragma once
#include "rtl/String.h"

// The table of a simple SELECT over one table ("select * from db.`orders` o where ..." gives
// "db.orders"), without quotes; empty for anything else (joins, several tables, sub-queries,
// other statements).
String GetTableNameFromSQL(StringView sql);
