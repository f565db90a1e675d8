#pragma once
// Connection settings given for one run (a command line's flags, a password from the
// environment). Every TmySQLDatabase applies them when it connects and nowhere else: its
// published properties, what a dialog shows and what a form file stores stay the stored values.
#include <cstdint>
#include <optional>

#include "rtl/String.h"

struct TConnectionOverride {
  std::optional<String> Host;
  std::optional<uint32_t> Port;
  // Given without Host: this local socket, whatever host the connection names.
  std::optional<String> Socket;
  std::optional<String> User;
  std::optional<String> Password;
  std::optional<String> Database;
};

// Installs the run's settings for the connections made from now on; returns the previous ones.
TConnectionOverride SetConnectionOverride(TConnectionOverride value);
const TConnectionOverride& ConnectionOverride();

// Installs settings for the lifetime of the object, then puts the previous ones back.
class TScopedConnectionOverride {
 public:
  explicit TScopedConnectionOverride(TConnectionOverride value)
      : FPrevious(SetConnectionOverride(std::move(value))) {}
  ~TScopedConnectionOverride() { SetConnectionOverride(std::move(FPrevious)); }
  TScopedConnectionOverride(const TScopedConnectionOverride&) = delete;
  TScopedConnectionOverride& operator=(const TScopedConnectionOverride&) = delete;

 private:
  TConnectionOverride FPrevious;
};
