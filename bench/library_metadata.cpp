// The session's metadata calls against a database of 10,000 tables on the private server
// (OMBRIX_BENCH_SOCKET, started by scripts/bench.sh). Listing grows with the schema; the calls
// about one table or routine must not.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <iostream>
#include <string>

#include "library/mariadb/MariaDbSession.h"

namespace {

constexpr int kTables = 10000;
constexpr int kRoutines = 200;

String Number(int i) {
  return FromUtf8(std::to_string(i));
}

TConnectParams BenchParams(const String& database) {
  TConnectParams params;
  params.Socket = FromUtf8(std::getenv("OMBRIX_BENCH_SOCKET"));
  params.User = STR("root");
  params.Database = database;
  params.ReadTimeout = 600;
  return params;
}

String& DatabaseName() {
  static String name = STR("ombrix_bench_") + Number(getpid());
  return name;
}

// Tables with a composite key, a unique and a descending index, a view per hundred tables,
// and procedures and functions with parameters.
void CreateSchema() {
  TMariaDbSession admin;
  admin.Connect(BenchParams(String()));
  admin.Execute(STR("CREATE DATABASE ") + DatabaseName(), {}, 0);
  admin.Execute(STR("USE ") + DatabaseName(), {}, 0);
  for (int i = 0; i < kTables; ++i) {
    admin.Execute(STR("CREATE TABLE `table ") + Number(i) +
                      STR("` (id INT, line INT, name VARCHAR(40), amount DECIMAL(10,2), "
                          "created DATETIME, PRIMARY KEY (id, line), UNIQUE KEY u (name), "
                          "KEY d (amount DESC, created))"),
                  {}, 0);
    if (i % 100 == 0) {
      admin.Execute(STR("CREATE VIEW `view ") + Number(i) +
                        STR("` AS SELECT id, name FROM `table ") + Number(i) + STR("`"),
                    {}, 0);
    }
  }
  admin.Execute(STR("INSERT INTO `table 0` (id, line, name) SELECT seq, 1, CONCAT('n', seq) "
                    "FROM seq_1_to_1000"),
                {}, 0);
  for (int i = 0; i < kRoutines; ++i) {
    admin.Execute(STR("CREATE PROCEDURE `proc ") + Number(i) +
                      STR("` (IN a INT, OUT b VARCHAR(10), INOUT c DECIMAL(10,2)) SET b = 'x'"),
                  {}, 0);
    admin.Execute(
        STR("CREATE FUNCTION `func ") + Number(i) + STR("` (x INT) RETURNS INT RETURN x + 1"), {},
        0);
  }
}

void DropSchema() {
  TMariaDbSession admin;
  admin.Connect(BenchParams(String()));
  admin.Execute(STR("DROP DATABASE IF EXISTS ") + DatabaseName(), {}, 0);
}

TMariaDbSession& Session() {
  static TMariaDbSession session;
  if (!session.Connected()) session.Connect(BenchParams(DatabaseName()));
  return session;
}

template <class Call>
void Measure(benchmark::State& state, Call call) {
  TServerSession& session = Session();
  size_t items = 0;
  for (auto _ : state) {
    items = call(session).size();
    benchmark::DoNotOptimize(items);
  }
  state.counters["items"] = static_cast<double>(items);
}

void BM_TableNames(benchmark::State& state) {
  Measure(state, [](TServerSession& s) { return s.TableNames(String(), true); });
}
BENCHMARK(BM_TableNames)->Unit(benchmark::kMillisecond);

void BM_TableNamesPattern(benchmark::State& state) {
  Measure(state, [](TServerSession& s) { return s.TableNames(STR("table 99%"), true); });
}
BENCHMARK(BM_TableNamesPattern)->Unit(benchmark::kMillisecond);

void BM_FieldNames(benchmark::State& state) {
  Measure(state, [](TServerSession& s) { return s.FieldNames(STR("table 5000")); });
}
BENCHMARK(BM_FieldNames)->Unit(benchmark::kMillisecond);

void BM_Indexes(benchmark::State& state) {
  Measure(state, [](TServerSession& s) { return s.Indexes(STR("table 5000")); });
}
BENCHMARK(BM_Indexes)->Unit(benchmark::kMillisecond);

void BM_Routines(benchmark::State& state) {
  Measure(state, [](TServerSession& s) { return s.Routines(); });
}
BENCHMARK(BM_Routines)->Unit(benchmark::kMillisecond);

void BM_RoutineParams(benchmark::State& state) {
  Measure(state, [](TServerSession& s) { return s.RoutineParams(STR("proc 100")); });
}
BENCHMARK(BM_RoutineParams)->Unit(benchmark::kMillisecond);

void BM_CharacterSets(benchmark::State& state) {
  Measure(state, [](TServerSession& s) { return s.CharacterSets(); });
}
BENCHMARK(BM_CharacterSets)->Unit(benchmark::kMillisecond);

void BM_Collations(benchmark::State& state) {
  Measure(state, [](TServerSession& s) { return s.Collations(); });
}
BENCHMARK(BM_Collations)->Unit(benchmark::kMillisecond);

void BM_DescribeJoin(benchmark::State& state) {
  Measure(state, [](TServerSession& s) {
    return s.Describe(
        STR("SELECT a.id, a.name, b.amount FROM `table 1` a JOIN `table 2` b ON b.id = a.id "
            "WHERE a.line = :line"));
  });
}
BENCHMARK(BM_DescribeJoin)->Unit(benchmark::kMillisecond);

void BM_SelectTable1000Rows(benchmark::State& state) {
  const TTableRequest request{.Table = STR("table 0"), .OrderBy = {STR("id")}};
  Measure(state, [&](TServerSession& s) { return s.SelectTable(request, 5000).Rows; });
}
BENCHMARK(BM_SelectTable1000Rows)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (std::getenv("OMBRIX_BENCH_SOCKET") == nullptr) {
    std::cerr << "bench_library_metadata: OMBRIX_BENCH_SOCKET is not set; run scripts/bench.sh\n";
    return 1;
  }
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  try {
    const auto start = std::chrono::steady_clock::now();
    CreateSchema();
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    std::cerr << "schema of " << kTables << " tables created in " << took.count() << " s\n";
    benchmark::RunSpecifiedBenchmarks();
  } catch (const Exception& e) {
    std::cerr << "bench_library_metadata: " << e.what() << '\n';
    DropSchema();
    return 1;
  }
  DropSchema();
  benchmark::Shutdown();
  return 0;
}
