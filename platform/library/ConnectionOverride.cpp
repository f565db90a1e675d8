#include "library/ConnectionOverride.h"

#include <utility>

#include "library/ServerSession.h"

namespace {

TConnectionOverride& Current() {
  static TConnectionOverride value;
  return value;
}

}  // namespace

TConnectionOverride SetConnectionOverride(TConnectionOverride value) {
  return std::exchange(Current(), std::move(value));
}

const TConnectionOverride& ConnectionOverride() {
  return Current();
}

void ApplyConnectionOverride(TConnectParams& params) {
  const TConnectionOverride& run = Current();
  if (run.Host) {
    params.Host = *run.Host;
  } else if (run.Socket) {
    params.Host.clear();  // the client takes the socket only for the local server
  }
  if (run.Port) params.Port = *run.Port;
  if (run.Socket) params.Socket = *run.Socket;
  if (run.User) params.User = *run.User;
  if (run.Password) params.Password = *run.Password;
  if (run.Database) params.Database = *run.Database;
}
