#pragma once
// Table and field callbacks for the SQL editor over a fixed catalogue, recording their calls.
#include <map>
#include <vector>

#include "queryedit/SQLEditCallbacks.h"

struct TSQLEditCatalog {
  std::map<String, std::vector<String>> Tables;  // table -> fields
  std::vector<String> SystemTables;              // offered only when system tables are asked for
  std::vector<String> Calls;                     // "tables:0", "fields:orders:1", ...

  TGetTableNamesProc TableNames() {
    return [this](TStringList& list, bool system) {
      Calls.push_back(String(STR("tables:")) + (system ? STR("1") : STR("0")));
      list.Clear();
      for (const auto& entry : Tables) list.Add(entry.first);
      if (system) {
        for (const auto& name : SystemTables) list.Add(name);
      }
    };
  }
  TGetFieldNamesProc FieldNames() {
    return [this](const String& table, TStringList& list, bool system) {
      Calls.push_back(STR("fields:") + table + (system ? STR(":1") : STR(":0")));
      list.Clear();
      const auto found = Tables.find(table);
      if (found == Tables.end()) return;
      for (const auto& name : found->second) list.Add(name);
    };
  }
};
