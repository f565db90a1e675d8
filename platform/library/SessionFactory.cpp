#include "library/SessionFactory.h"

#include "library/mariadb/MariaDbSession.h"

namespace {

TSessionFactory& Current() {
  static TSessionFactory factory;
  return factory;
}

}  // namespace

std::unique_ptr<TServerSession> NewServerSession() {
  if (Current()) return Current()();
  return std::make_unique<TMariaDbSession>();
}

TSessionFactory SetSessionFactory(TSessionFactory factory) {
  TSessionFactory previous = std::move(Current());
  Current() = std::move(factory);
  return previous;
}
