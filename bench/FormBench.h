#pragma once
// What the form benchmarks share: a generated data module whose datasets carry SQL, persistent
// fields (some of them lookups), parameter collections and binary data, with a data source per
// dataset and detail tables on them; the sizes measured; and the per-GB figure.
#include <benchmark/benchmark.h>
#include <dlfcn.h>
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>

#include "classes/Component.h"
#include "db/DBClasses.h"
#include "foreign/ForeignClasses.h"

namespace formbench {

inline constexpr size_t kMB = size_t{1} << 20;

// A 16x16 bitmap of 16 colours as a picture stores it: class name, size, then the BMP file.
inline const char* const kPictureLines[] = {
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

inline std::string Group(int i) {
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

inline std::string GenerateForm(size_t size) {
  std::string s = "object DataModule1: TDataModule1\r\n  Height = 480\r\n  Width = 640\r\n";
  s.reserve(size + 4096);
  for (int i = 0; s.size() < size; ++i) s += Group(i);
  return s + "end\r\n";
}

inline const std::string& Form(int64_t megabytes) {
  static std::map<int64_t, std::string> forms;
  auto& text = forms[megabytes];
  if (text.empty()) text = GenerateForm(static_cast<size_t>(megabytes) * kMB);
  return text;
}

inline void RegisterClasses() {
  RegisterClassesUnit();
  RegisterDBClasses();
  RegisterForeignClasses();
}

inline void Report(benchmark::State& state, size_t bytes) {
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(bytes));
  // Seconds per gigabyte read as milliseconds per megabyte: the figure to compare across sizes.
  state.counters["per_GB"] = benchmark::Counter(
      static_cast<double>(bytes) / kMB / 1024,
      benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

inline void Sizes(benchmark::internal::Benchmark* b) {
  for (int64_t mb : {1, 4, 16, 64}) b->Arg(mb);
  // A warm-up run first: on a virtual machine the first touch of hundreds of fresh megabytes
  // costs more than the work measured, and the large sizes run only once.
  b->Unit(benchmark::kMillisecond)->ArgName("MB")->MinWarmUpTime(0.5);
}

// The generated form of a size as a file, removed with this object.
class TFormFile {
 public:
  explicit TFormFile(int64_t megabytes)
      : FPath(std::filesystem::temp_directory_path() / ("ombrix-bench-" + std::to_string(getpid()) +
                                                        "-" + std::to_string(megabytes) + ".dfm")),
        FSize(Form(megabytes).size()) {
    const std::string& text = Form(megabytes);
    std::ofstream(FPath, std::ios::binary)
        .write(text.data(), static_cast<std::streamsize>(text.size()));
  }
  ~TFormFile() { std::filesystem::remove(FPath); }
  TFormFile(const TFormFile&) = delete;
  TFormFile& operator=(const TFormFile&) = delete;

  const std::filesystem::path& Path() const { return FPath; }
  size_t Size() const { return FSize; }

 private:
  std::filesystem::path FPath;
  size_t FSize;
};

// Times and heap figures depend on the allocator the program runs on.
inline void AddAllocatorContext() {
  benchmark::AddCustomContext("allocator",
                              dlsym(RTLD_DEFAULT, "mi_version") != nullptr ? "mimalloc" : "glibc");
}

// main of a form benchmark program, after what it does on its own.
inline int RunBenchmarks(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  AddAllocatorContext();
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}

}  // namespace formbench
