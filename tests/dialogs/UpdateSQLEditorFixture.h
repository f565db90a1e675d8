#pragma once
// The update SQL editor over an in-memory "shop": customers (key id), orders (key id) and
// order_lines (key order_id, line_no, listed in the other order), a query Q1 and an update object
// U1 serving it, on a form F1.
#include <gtest/gtest.h>

#include <vector>

#include "ScriptedDriver.h"
#include "library/LibraryClasses.h"
#include "library/MySQLQuery.h"
#include "library/MySQLTable.h"
#include "library/MySQLUpdateSQL.h"
#include "library/SessionFactory.h"
#include "library/memory/MemorySession.h"
#include "updsql/UpdateSQLEditForm.h"

inline const String kOneTable = STR("SELECT id, name FROM customers");
inline const String kJoin =
    STR("SELECT c.id, c.name, o.amount FROM customers c, orders o WHERE o.customer = c.id");

class UpdateSQLEditorTest : public ::testing::Test {
 protected:
  UpdateSQLEditorTest();

  // Q1 over the statement, U1 as its update object.
  void UseQuery(const String& sql);
  // A script for the editor.
  static TScript Editor() { return TScript(STR("TMySQLUpdateSQLEditForm")); }
  // A step that looks at the editor.
  static std::function<void(TCustomForm&)> Look(
      std::function<void(TMySQLUpdateSQLEditForm&)> check);

  TMemoryCatalog FCatalog;
  TScopedSessionFactory FFactory{[this] { return std::make_unique<TMemorySession>(FCatalog); }};
  TComponent FForm{nullptr};
  TmySQLDatabase* FDatabase;
  TmySQLQuery* FQuery = nullptr;
  TmySQLUpdateSQL* FUpdate;
  TScriptedDriver FDriver;
};

std::vector<String> ItemsOf(const TListBox& list);
std::vector<String> SelectedOf(const TListBox& list);
std::vector<String> LinesOf(const TStringList& list);
