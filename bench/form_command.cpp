// `ombrix form roundtrip` of the generated forms of 1, 4, 16 and 64 MB (FormBench.h), run as a
// user runs it: a fresh process reads the file, builds the components, writes the form to
// standard output and frees everything. Unlike the in-process figures of formfiles.cpp, no
// iteration finds the caches warm from the one before, which flatters the smaller forms there.
#include <string>

#include "FormBench.h"
#include "Program.h"

namespace {

using namespace formbench;

void BM_FormRoundTripCommand(benchmark::State& state) {
  const TFormFile file(state.range(0));
  const double cpuBefore = program::ChildCpuSeconds();
  for (auto _ : state) {
    if (!program::RunQuietly({"form", "roundtrip", file.Path().string()})) {
      state.SkipWithError("ombrix form roundtrip failed");
      break;
    }
  }
  const double cpu = program::ChildCpuSeconds() - cpuBefore;
  // The command's processor time (user and system) per gigabyte, apart from what else the
  // machine does: the figure to compare across sizes.
  state.counters["cpu_per_GB"] = cpu / static_cast<double>(state.iterations()) /
                                 (static_cast<double>(file.Size()) / kMB / 1024);
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                          static_cast<int64_t>(file.Size()));
}
BENCHMARK(BM_FormRoundTripCommand)
    ->ArgName("MB")
    ->Arg(1)
    ->Arg(4)
    ->Arg(16)
    ->Arg(64)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
