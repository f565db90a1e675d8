// Keeping a unit in step after a migration of every dataset (sources kept under "Die_" names,
// replacements last in the owner): the time must grow linearly with the number of fields.
#include <benchmark/benchmark.h>

#include <string>

#include "units/FormUnit.h"

namespace {

struct TMigratedUnit {
  std::string Text;
  TFormUnitChange Change;
};

// A data module with `fields` component fields: groups of a query, two persistent fields and a
// data source, and a handler per query.
TMigratedUnit Unit(int64_t fields) {
  TMigratedUnit unit;
  TFormUnitChange& change = unit.Change;
  change.FormClass = STR("TBigData");
  change.Uses = {STR("Mysqldbtables")};
  std::string declarations;
  std::string handlers;
  std::vector<TUnitComponent> replacements;
  for (int64_t i = 0; i < fields / 4; ++i) {
    const std::string n = std::to_string(i);
    const String query = FromUtf8("Query" + n);
    declarations += "    Query" + n + ": TQuery;\r\n    Query" + n + "ID: TIntegerField;\r\n" +
                    "    Query" + n + "Name: TStringField;\r\n    Source" + n +
                    ": TDataSource;\r\n";
    handlers += "    procedure Query" + n + "BeforeOpen(DataSet: TDataSet);\r\n";
    change.Before.push_back({query, STR("TQuery")});
    change.After.push_back({STR("Die_") + query, STR("TQuery")});
    for (const char* suffix : {"ID", "Name"}) {
      const String field = query + FromUtf8(suffix);
      const String type = FromUtf8(suffix[0] == 'I' ? "TIntegerField" : "TStringField");
      change.Before.push_back({field, type});
      change.After.push_back({field, type});
    }
    const String source = FromUtf8("Source" + n);
    change.Before.push_back({source, STR("TDataSource")});
    change.After.push_back({source, STR("TDataSource")});
    replacements.push_back({query, STR("TmySQLQuery")});
  }
  change.After.insert(change.After.end(), replacements.rbegin(), replacements.rend());
  unit.Text =
      "unit BigData;\r\n\r\ninterface\r\n\r\nuses\r\n  SysUtils, Classes, DB, DBTables;\r\n"
      "\r\ntype\r\n  TBigData = class(TDataModule)\r\n" +
      declarations + handlers +
      "  private\r\n    { Private declarations }\r\n  end;\r\n\r\nvar\r\n"
      "  BigData: TBigData;\r\n\r\nimplementation\r\n\r\n{$R *.dfm}\r\n\r\nend.\r\n";
  return unit;
}

void BM_UpdateFormUnit(benchmark::State& state) {
  const TMigratedUnit unit = Unit(state.range(0));
  for (auto _ : state) {
    std::string out = UpdateFormUnit(unit.Text, STR("BigData.pas"), unit.Change);
    benchmark::DoNotOptimize(out.data());
  }
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(unit.Text.size()));
  state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_UpdateFormUnit)
    ->RangeMultiplier(10)
    ->Range(100, 10000)
    ->Unit(benchmark::kMicrosecond)
    ->Complexity(benchmark::oN);

}  // namespace

BENCHMARK_MAIN();
