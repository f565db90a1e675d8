#pragma once
// Library components over an in-memory server: a form that owns them, a "shop" database with
// customers, orders (a detail of customers), a view, routines and one canned statement.
#include <gtest/gtest.h>

#include "library/LibraryClasses.h"
#include "library/MySQLQuery.h"
#include "library/MySQLStoredProc.h"
#include "library/MySQLTable.h"
#include "library/MySQLUpdateSQL.h"
#include "library/SessionFactory.h"
#include "library/memory/MemorySession.h"

inline const String kCityQuery = STR("SELECT name, city FROM customers WHERE city = :city");

class LibraryTest : public ::testing::Test {
 protected:
  LibraryTest();

  TmySQLDatabase* NewDatabase(bool connected = true);
  TmySQLTable* NewTable(const String& tableName, TmySQLDatabase* database);

  TMemoryCatalog FCatalog;
  TScopedSessionFactory FFactory{[this] { return std::make_unique<TMemorySession>(FCatalog); }};
  TComponent FForm{nullptr};
};
