#include "library/ServerSession.h"

#include "rtl/Exceptions.h"

void RaiseNotConnected() {
  throw EDatabaseError(STR("Not connected to a server"));
}

void RaiseNoSuchRoutine(const String& name) {
  throw EDatabaseError(STR("Stored procedure '") + name + STR("' does not exist"));
}
