// Form files at 1, 4, 16 and 64 MB: a generated data module whose datasets carry SQL,
// persistent fields (some of them lookups), parameter collections and binary data, with a data
// source per dataset and detail tables on them. Each size measures reading the text, writing
// it, building the components, freeing them, and the heap's high-water mark of a whole round
// trip (a counting allocator). `bench_formfiles --generate MB FILE` writes such a form.
#include <benchmark/benchmark.h>
#include <dlfcn.h>
#include <malloc.h>
#include <unistd.h>

#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <new>
#include <string>

#include "classes/Component.h"
#include "classes/FormSet.h"
#include "classes/FormText.h"
#include "db/DBClasses.h"
#include "foreign/ForeignClasses.h"

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

constexpr size_t kMB = size_t{1} << 20;

// A 16x16 bitmap of 16 colours as a picture stores it: class name, size, then the BMP file.
const char* const kPictureLines[] = {
    "07544269746D6170F6000000424DF60000000000000076000000280000001000",
    "0000100000000100040000000000800000000000000000000000100000000000",
    "000000000000000080000080000000808000800000008000800080800000C0C0",
    "C000808080000000FF0000FF000000FFFF00FF000000FF00FF00FFFF0000FFFF",
    "FF0001122334455667781223344556677889233445566778899A344556677889",
    "9AAB45566778899AABBC566778899AABBCCD6778899AABBCCDDE78899AABBCCD",
    "DEEF899AABBCCDDEEFF09AABBCCDDEEFF001ABBCCDDEEFF00112BCCDDEEFF001",
    "1223CDDEEFF001122334DEEFF00112233445EFF0011223344556F00112233445",
    "5667",
};

std::string Group(int i) {
  const std::string n = std::to_string(i);
  const std::string left = std::to_string(i % 600);
  std::string s;
  s += "  object Query" + n + ": TQuery\r\n";
  s += "    BeforeOpen = Query" + n + "BeforeOpen\r\n";
  s += "    DatabaseName = 'Demo'\r\n";
  s += "    SQL.Strings = (\r\n";
  s += "      'select c.CustNo, c.Company, c.City, c.Country'\r\n";
  s += "      \r\n";
  s += "        'from CUSTOMER c join ORDERS o on o.CustNo = c.CustNo where c.Countr' +\r\n";
  s += "        'y = ''Deutschland'' and o.Amount > 1000.5'\r\n";
  s += "      'order by ' + #13#10 + 'c.Company')\r\n";
  s += "    Params = <\r\n";
  s += "      item\r\n        DataType = ftInteger\r\n        Name = 'CustNo'\r\n"
       "        ParamType = ptInput\r\n      end\r\n";
  s += "      item\r\n        DataType = ftFloat\r\n        Name = 'Amount'\r\n"
       "        ParamType = ptInput\r\n        Value = 1000.500000000000000000\r\n      end>\r\n";
  s += "    Left = " + left + "\r\n    Top = 16\r\n";
  s += "    object Query" + n +
       "Company: TStringField\r\n      DisplayLabel = "
       "#1050#1086#1084#1087#1072#1085#1080#1103\r\n      FieldName = 'Company'\r\n"
       "      Size = 30\r\n    end\r\n";
  s += "    object Query" + n +
       "Amount: TFloatField\r\n      FieldName = 'Amount'\r\n"
       "      MaxValue = 100000.000000000000000000\r\n    end\r\n";
  s += "  end\r\n";
  s += "  object Source" + n + ": TDataSource\r\n    DataSet = Query" + n +
       "\r\n    Left = " + left + "\r\n    Top = 72\r\n  end\r\n";
  if (i % 2 == 0) {
    s += "  object Orders" + n + ": TTable\r\n    DatabaseName = 'Demo'\r\n";
    s += "    MasterFields = 'CustNo'\r\n    MasterSource = Source" + n + "\r\n";
    s += "    TableName = 'ORDERS'\r\n    IndexFieldNames = 'CustNo;OrderDate'\r\n    Left = " +
         left + "\r\n    Top = 128\r\n";
    s += "    object Orders" + n + "Company: TStringField\r\n      FieldKind = fkLookup\r\n";
    s += "      FieldName = 'Company'\r\n      LookupDataSet = Query" + n + "\r\n";
    s += "      LookupKeyFields = 'CustNo'\r\n      LookupResultField = 'Company'\r\n";
    s += "      KeyFields = 'CustNo'\r\n      Size = 30\r\n      Lookup = True\r\n    end\r\n";
    s += "  end\r\n";
  }
  if (i % 10 == 0) {
    s += "  object Image" + n + ": TImage\r\n    Picture.Data = {";
    for (const char* line : kPictureLines) s += std::string("\r\n      ") + line;
    s += "}\r\n";
    s += "  end\r\n";
  }
  return s;
}

std::string GenerateForm(size_t size) {
  std::string s = "object DataModule1: TDataModule1\r\n  Height = 480\r\n  Width = 640\r\n";
  s.reserve(size + 4096);
  for (int i = 0; s.size() < size; ++i) s += Group(i);
  return s + "end\r\n";
}

const std::string& Form(int64_t megabytes) {
  static std::map<int64_t, std::string> forms;
  auto& text = forms[megabytes];
  if (text.empty()) text = GenerateForm(static_cast<size_t>(megabytes) * kMB);
  return text;
}

void RegisterClasses() {
  RegisterClassesUnit();
  RegisterDBClasses();
  RegisterForeignClasses();
}

void Report(benchmark::State& state, size_t bytes) {
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(bytes));
  // Seconds per gigabyte read as milliseconds per megabyte: the figure to compare across sizes.
  state.counters["per_GB"] = benchmark::Counter(
      static_cast<double>(bytes) / kMB / 1024,
      benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

// Text to document.
void BM_ReadFormText(benchmark::State& state) {
  const std::string& text = Form(state.range(0));
  size_t held = 0;
  for (auto _ : state) {
    const size_t before = gLive.load();
    auto document = ReadFormText(text, STR("Large.dfm"));
    benchmark::DoNotOptimize(document.get());
    state.PauseTiming();
    held = gLive.load() - before;
    document.reset();
    state.ResumeTiming();
  }
  Report(state, text.size());
  // What the document holds, over the file's size.
  state.counters["held_x"] = static_cast<double>(held) / static_cast<double>(text.size());
}

// Writing an unchanged document: every node from its source text.
void BM_WriteFormText(benchmark::State& state) {
  const std::string& text = Form(state.range(0));
  const auto document = ReadFormText(text, STR("Large.dfm"));
  for (auto _ : state) {
    std::string out = WriteFormText(*document);
    benchmark::DoNotOptimize(out.data());
  }
  Report(state, text.size());
}

// Writing a document whose every property changed: all values rendered in the host's style.
void BM_RenderFormText(benchmark::State& state) {
  auto document = ReadFormText(Form(state.range(0)), STR("Large.dfm"));
  auto touch = [](auto& self, TFormObject& object) -> void {
    for (TFormProperty& p : object.Properties) p.Modified = true;
    for (int i = 0; i < object.ChildCount(); ++i) self(self, *object.Child(i));
  };
  touch(touch, *document->Root);
  const size_t size = WriteFormText(*document).size();
  for (auto _ : state) {
    std::string out = WriteFormText(*document);
    benchmark::DoNotOptimize(out.data());
  }
  Report(state, size);
}

// Text to document and components, references resolved.
void BM_LoadForm(benchmark::State& state) {
  RegisterClasses();
  const std::string& text = Form(state.range(0));
  for (auto _ : state) {
    auto forms = std::make_unique<TFormSet>();
    forms->OpenText(text, "Large.dfm");
    state.PauseTiming();
    state.counters["components"] = forms->Modules(0).Root()->ComponentCount();
    forms.reset();
    state.ResumeTiming();
  }
  Report(state, text.size());
}

// Writing the loaded form back from its components.
void BM_SaveForm(benchmark::State& state) {
  RegisterClasses();
  const std::string& text = Form(state.range(0));
  TFormSet forms;
  TFormModule& module = forms.OpenText(text, "Large.dfm");
  for (auto _ : state) {
    std::string out = module.Render();
    benchmark::DoNotOptimize(out.data());
  }
  Report(state, text.size());
}

void BM_FreeForm(benchmark::State& state) {
  RegisterClasses();
  const std::string& text = Form(state.range(0));
  for (auto _ : state) {
    state.PauseTiming();
    auto forms = std::make_unique<TFormSet>();
    forms->OpenText(text, "Large.dfm");
    state.ResumeTiming();
    forms.reset();
  }
  Report(state, text.size());
}

// What `ombrix form roundtrip` does: open the file, write it back in pieces, free. peak_x is the
// heap's high-water mark over the file's size; the file's bytes, read once and kept by the
// document, are part of it.
void BM_RoundTrip(benchmark::State& state) {
  RegisterClasses();
  const std::string& text = Form(state.range(0));
  const std::filesystem::path file =
      std::filesystem::temp_directory_path() /
      ("ombrix-bench-" + std::to_string(getpid()) + "-" + std::to_string(state.range(0)) + ".dfm");
  std::ofstream(file, std::ios::binary)
      .write(text.data(), static_cast<std::streamsize>(text.size()));
  size_t peak = 0;
  size_t loaded = 0;
  for (auto _ : state) {
    const size_t before = gLive.load();
    gPeak = before;
    {
      auto forms = std::make_unique<TFormSet>();
      TFormModule& module = forms->Open(file);
      loaded = gLive.load() - before;
      size_t written = 0;
      module.RenderTo([&](std::string_view piece) { written += piece.size(); });
      benchmark::DoNotOptimize(written);
    }
    peak = std::max(peak, gPeak.load() - before);
  }
  std::filesystem::remove(file);
  Report(state, text.size());
  // What the open form holds (file, document, components, what a save compares with).
  state.counters["loaded_x"] = static_cast<double>(loaded) / static_cast<double>(text.size());
  state.counters["peak_MB"] = static_cast<double>(peak) / kMB;
  state.counters["peak_x"] = static_cast<double>(peak) / static_cast<double>(text.size());
}

void Sizes(benchmark::internal::Benchmark* b) {
  for (int64_t mb : {1, 4, 16, 64}) b->Arg(mb);
  // A warm-up run first: on a virtual machine the first touch of hundreds of fresh megabytes
  // costs more than the work measured, and the large sizes run only once.
  b->Unit(benchmark::kMillisecond)->ArgName("MB")->MinWarmUpTime(0.5);
}

BENCHMARK(BM_ReadFormText)->Apply(Sizes);
BENCHMARK(BM_WriteFormText)->Apply(Sizes);
BENCHMARK(BM_RenderFormText)->Apply(Sizes);
BENCHMARK(BM_LoadForm)->Apply(Sizes);
BENCHMARK(BM_SaveForm)->Apply(Sizes);
BENCHMARK(BM_FreeForm)->Apply(Sizes);
BENCHMARK(BM_RoundTrip)->Apply(Sizes);

}  // namespace

int main(int argc, char** argv) {
  if (argc == 4 && std::string(argv[1]) == "--generate") {
    std::ofstream out(argv[3], std::ios::binary);
    const std::string text = GenerateForm(std::stoul(argv[2]) * kMB);
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    return out ? 0 : 1;
  }
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  // The heap figures depend on it: each allocator rounds blocks up its own way.
  benchmark::AddCustomContext("allocator",
                              dlsym(RTLD_DEFAULT, "mi_version") != nullptr ? "mimalloc" : "glibc");
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
