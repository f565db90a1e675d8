#pragma once
// The datasets' way to the server behind a connection component.
#include "library/MySQLDatabase.h"
#include "library/ServerSession.h"

// The connection's session, connecting it first when it is closed.
TServerSession& ConnectedSession(TmySQLDatabase& database);
