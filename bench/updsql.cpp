// The SQL scanner over long statements and the update statement generators over many fields;
// both must grow linearly with their input.
#include <benchmark/benchmark.h>

#include "updsql/SQLParser.h"
#include "updsql/UpdateSQLEditForm.h"

namespace {

constexpr int64_t kMegabyte = 1 << 20;

// A SELECT of about `size` code units whose FROM comes last, so the scanner reads all of it.
String LongSelect(int64_t size) {
  String text = STR("select ");
  for (int i = 0; static_cast<int64_t>(text.size()) < size; ++i) {
    text += STR("t.column_") + FromUtf8(std::to_string(i)) + STR(" = 'x y', -1.5e+3, \"q\" ");
  }
  return text + STR("from orders o, customers c");
}

TStringList FieldNames(int64_t count, StringView prefix) {
  TStringList names;
  for (int64_t i = 0; i < count; ++i) names.Add(String(prefix) + FromUtf8(std::to_string(i)));
  return names;
}

void BM_ScanSelect(benchmark::State& state) {
  const String text = LongSelect(state.range(0));
  TStringList tables;
  for (auto _ : state) {
    ListSelectTables(text, tables);
    benchmark::DoNotOptimize(tables.Count());
  }
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(text.size() * sizeof(Char)));
  state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_ScanSelect)
    ->RangeMultiplier(2)
    ->Range(kMegabyte * 5 / 8, 10 * kMegabyte)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

// Reads back a generated modify statement of n update fields and n keys.
void BM_ParseUpdate(benchmark::State& state) {
  TStringList sql;
  TMySQLUpdateSQLEditForm::GenModifySQL(STR("orders"), STR(""),
                                        FieldNames(state.range(0), STR("k")),
                                        FieldNames(state.range(0), STR("f")), sql);
  const String text = sql.Text();
  String table;
  TStringList fields;
  TStringList keys;
  for (auto _ : state) {
    ParseUpdateSQL(text, table, &fields, &keys);
    benchmark::DoNotOptimize(keys.Count());
  }
  state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_ParseUpdate)
    ->RangeMultiplier(2)
    ->Range(10000, 160000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

// All four statements, as the editor's Generate SQL button makes them, for n keys and n fields.
void BM_GenerateAll(benchmark::State& state) {
  const TStringList keys = FieldNames(state.range(0), STR("key_field_"));
  const TStringList fields = FieldNames(state.range(0), STR("update_field_"));
  TStringList sql;
  for (auto _ : state) {
    using Form = TMySQLUpdateSQLEditForm;
    Form::GenModifySQL(STR("orders"), STR("\""), keys, fields, sql);
    Form::GenInsertSQL(STR("orders"), STR("\""), fields, sql);
    Form::GenDeleteSQL(STR("orders"), STR("\""), keys, sql);
    Form::GenRefreshRecordSQL(STR("orders"), STR("\""), keys, fields, sql);
    benchmark::DoNotOptimize(sql.Count());
  }
  state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_GenerateAll)
    ->RangeMultiplier(2)
    ->Range(625, 10000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

}  // namespace

BENCHMARK_MAIN();
