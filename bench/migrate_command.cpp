// `ombrix migrate` over many generated form files with their units, run as a user runs it: the
// time per file must stay flat as the number of files grows. Each form holds ten queries of the
// oldest family with two persistent fields each and five data sources; the first form holds the
// target connection. --dry-run, so that every iteration starts from the same files.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "Program.h"

namespace {

namespace fs = std::filesystem;

constexpr int kQueriesPerForm = 10;
constexpr int kSourcesPerForm = 5;

void WriteForm(const fs::path& folder, int index) {
  const std::string name = "Mod" + std::to_string(index);
  std::ofstream form(folder / (name + ".dfm"));
  std::ofstream unit(folder / (name + ".pas"));
  form << "object " << name << ": T" << name << "\n";
  unit << "unit " << name << ";\ninterface\nuses DB, DBTables;\ntype\n  T" << name
       << " = class(TDataModule)\n";
  for (int q = 0; q < kQueriesPerForm; ++q) {
    const std::string query = "Query" + std::to_string(q);
    form << "  object " << query << ": TQuery\n    SQL.Strings = (\n      'select a, b from t" << q
         << "')\n";
    for (const char* field : {"a", "b"}) {
      form << "    object " << query << field << ": TIntegerField\n      FieldName = '" << field
           << "'\n    end\n";
    }
    form << "  end\n";
    unit << "    " << query << ": TQuery;\n    " << query << "a, " << query
         << "b: TIntegerField;\n";
  }
  for (int s = 0; s < kSourcesPerForm; ++s) {
    form << "  object Source" << s << ": TDataSource\n    DataSet = Query" << s * 2 << "\n  end\n";
    unit << "    Source" << s << ": TDataSource;\n";
  }
  if (index == 0) form << "  object Db: TmySQLDatabase\n  end\n";
  form << "end\n";
  unit << "  end;\nimplementation\nend.\n";
}

void BM_MigrateCommand(benchmark::State& state) {
  const int files = static_cast<int>(state.range(0));
  const fs::path folder =
      fs::temp_directory_path() / ("ombrix-bench-migrate-" + std::to_string(getpid()));
  fs::create_directories(folder);
  std::vector<std::string> args = {"migrate"};
  for (int i = 0; i < files; ++i) {
    WriteForm(folder, i);
    args.push_back((folder / ("Mod" + std::to_string(i) + ".dfm")).string());
  }
  for (const char* arg : {"--connection", "Mod0.Db", "--dry-run"}) args.emplace_back(arg);
  const double cpuBefore = program::ChildCpuSeconds();
  for (auto _ : state) {
    if (!program::RunQuietly(args)) {
      state.SkipWithError("ombrix migrate failed");
      break;
    }
  }
  fs::remove_all(folder);
  const double cpu = program::ChildCpuSeconds() - cpuBefore;
  // The command's own processor time per file, apart from what else the machine does.
  state.counters["cpu_ms_per_file"] =
      1000.0 * cpu / static_cast<double>(state.iterations()) / static_cast<double>(files);
  state.SetComplexityN(files);
}
BENCHMARK(BM_MigrateCommand)
    ->Arg(250)
    ->Arg(500)
    ->Arg(1000)
    ->Arg(2000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Complexity(benchmark::oN);

}  // namespace

BENCHMARK_MAIN();
