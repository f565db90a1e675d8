// The heap of the form benchmarks' forms (FormBench.h) at 1, 4, 16 and 64 MB, over the file's
// size: what a document holds (held_x), what an open form holds (loaded_x: file, document,
// components, what a save compares with), and the high-water mark of what `ombrix form
// roundtrip` does (peak_x). Every allocation is counted at the size the allocator gives it, so
// the times here are not the program's (formfiles.cpp has those).
#include <malloc.h>

#include <atomic>
#include <cstdlib>
#include <new>

#include "FormBench.h"
#include "classes/FormSet.h"
#include "classes/FormText.h"

namespace {

std::atomic<size_t> gLive{0};
std::atomic<size_t> gPeak{0};

void* Allocate(size_t size) {
  void* p = std::malloc(size == 0 ? 1 : size);
  if (p == nullptr) throw std::bad_alloc();
  const size_t live = gLive += malloc_usable_size(p);
  size_t peak = gPeak.load();
  while (live > peak && !gPeak.compare_exchange_weak(peak, live)) {
  }
  return p;
}

void Release(void* p) noexcept {
  if (p == nullptr) return;
  gLive -= malloc_usable_size(p);
  std::free(p);
}

}  // namespace

void* operator new(size_t size) {
  return Allocate(size);
}
void* operator new[](size_t size) {
  return Allocate(size);
}
void operator delete(void* p) noexcept {
  Release(p);
}
void operator delete[](void* p) noexcept {
  Release(p);
}
void operator delete(void* p, size_t) noexcept {
  Release(p);
}
void operator delete[](void* p, size_t) noexcept {
  Release(p);
}

namespace {

using namespace formbench;

void Ratio(benchmark::State& state, const char* name, size_t bytes, size_t fileSize) {
  state.counters[name] = static_cast<double>(bytes) / static_cast<double>(fileSize);
}

void BM_DocumentHeap(benchmark::State& state) {
  const std::string& text = Form(state.range(0));
  size_t held = 0;
  for (auto _ : state) {
    const size_t before = gLive.load();
    auto document = ReadFormText(text, STR("Large.dfm"));
    held = gLive.load() - before;
  }
  Ratio(state, "held_x", held, text.size());
}

void BM_RoundTripHeap(benchmark::State& state) {
  RegisterClasses();
  const TFormFile file(state.range(0));
  size_t peak = 0;
  size_t loaded = 0;
  for (auto _ : state) {
    const size_t before = gLive.load();
    gPeak = before;
    {
      auto forms = std::make_unique<TFormSet>();
      TFormModule& module = forms->Open(file.Path());
      loaded = gLive.load() - before;
      size_t written = 0;
      module.RenderTo([&](std::string_view piece) { written += piece.size(); });
      benchmark::DoNotOptimize(written);
    }
    peak = std::max(peak, gPeak.load() - before);
  }
  Ratio(state, "loaded_x", loaded, file.Size());
  Ratio(state, "peak_x", peak, file.Size());
  state.counters["peak_MB"] = static_cast<double>(peak) / kMB;
}

BENCHMARK(BM_DocumentHeap)->Apply(Sizes);
BENCHMARK(BM_RoundTripHeap)->Apply(Sizes);

}  // namespace

int main(int argc, char** argv) {
  return formbench::RunBenchmarks(argc, argv);
}
