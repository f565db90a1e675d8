// Reader and writer throughput of form text on a generated form of about 16 MB: a data module
// whose datasets carry SQL, persistent fields, parameter collections and binary data.
#include <benchmark/benchmark.h>

#include <string>

#include "classes/FormText.h"

namespace {

constexpr size_t kFormSize = size_t{16} << 20;

std::string Dataset(int i) {
  const std::string n = std::to_string(i);
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
       "        ParamType = ptInput\r\n      end>\r\n";
  s += "    Left = " + std::to_string(i % 600) + "\r\n    Top = 16\r\n";
  s += "    object Query" + n +
       "Company: TStringField\r\n      DisplayLabel = "
       "#1050#1086#1084#1087#1072#1085#1080#1103\r\n      FieldName = 'Company'\r\n"
       "      Size = 30\r\n    end\r\n";
  s += "    object Query" + n +
       "Amount: TFloatField\r\n      FieldName = 'Amount'\r\n"
       "      MaxValue = 100000.000000000000000000\r\n      Options = [foRequired, foReadOnly]\r\n"
       "    end\r\n";
  s += "  end\r\n";
  if (i % 10 == 0) {
    s += "  object Image" + n + ": TImage\r\n    Picture.Data = {\r\n";
    for (int line = 0; line < 8; ++line) {
      s += "      0A544269746D6170F6000000424DF6000000000000007600000028000000100000\r\n";
    }
    s.insert(s.size() - 2, "}");
    s += "  end\r\n";
  }
  return s;
}

const std::string& LargeForm() {
  static const std::string text = [] {
    std::string s = "object DataModule1: TDataModule1\r\n  Height = 480\r\n  Width = 640\r\n";
    for (int i = 0; s.size() < kFormSize; ++i) s += Dataset(i);
    return s + "end\r\n";
  }();
  return text;
}

void SetThroughput(benchmark::State& state, size_t bytes) {
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(bytes));
}

void BM_ReadFormText(benchmark::State& state) {
  const std::string& text = LargeForm();
  for (auto _ : state) {
    auto document = ReadFormText(text, STR("Large.dfm"));
    benchmark::DoNotOptimize(document.get());
  }
  SetThroughput(state, text.size());
}
BENCHMARK(BM_ReadFormText)->Unit(benchmark::kMillisecond);

// Writing an unchanged document: every node from its source text.
void BM_WriteFormText(benchmark::State& state) {
  const std::string& text = LargeForm();
  const auto document = ReadFormText(text, STR("Large.dfm"));
  for (auto _ : state) {
    std::string out = WriteFormText(*document);
    benchmark::DoNotOptimize(out.data());
  }
  SetThroughput(state, text.size());
}
BENCHMARK(BM_WriteFormText)->Unit(benchmark::kMillisecond);

// Writing a document whose every property changed: all values rendered in the host's style.
void BM_RenderFormText(benchmark::State& state) {
  auto document = ReadFormText(LargeForm(), STR("Large.dfm"));
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
  SetThroughput(state, size);
}
BENCHMARK(BM_RenderFormText)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
