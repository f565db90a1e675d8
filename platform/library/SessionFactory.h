#pragma once
// Where TmySQLDatabase gets its server sessions: MariaDB Connector/C unless a test or program
// chose otherwise (an in-memory catalog, for instance).
#include <functional>
#include <memory>

#include "library/ServerSession.h"

using TSessionFactory = std::function<std::unique_ptr<TServerSession>()>;

// A new, unconnected session from the current factory.
std::unique_ptr<TServerSession> NewServerSession();
// Installs a factory (null restores the MariaDB one) and returns the previous.
TSessionFactory SetSessionFactory(TSessionFactory factory);

// Installs a factory for the lifetime of the object, then puts the previous one back.
class TScopedSessionFactory {
 public:
  explicit TScopedSessionFactory(TSessionFactory factory)
      : FPrevious(SetSessionFactory(std::move(factory))) {}
  ~TScopedSessionFactory() { SetSessionFactory(std::move(FPrevious)); }
  TScopedSessionFactory(const TScopedSessionFactory&) = delete;
  TScopedSessionFactory& operator=(const TScopedSessionFactory&) = delete;

 private:
  TSessionFactory FPrevious;
};
