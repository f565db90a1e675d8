// Form files at 1, 4, 16 and 64 MB (FormBench.h): reading the text, writing it, building the
// components, writing them back, freeing them, and the whole round trip. The heap's figures are
// measured apart (formmemory.cpp): counting every allocation would slow what is timed here.
// `bench_formfiles --generate MB FILE` writes such a form.
#include <fstream>
#include <memory>
#include <string>

#include "FormBench.h"
#include "classes/FormSet.h"
#include "classes/FormText.h"

namespace {

using namespace formbench;

// Text to document.
void BM_ReadFormText(benchmark::State& state) {
  const std::string& text = Form(state.range(0));
  for (auto _ : state) {
    auto document = ReadFormText(text, STR("Large.dfm"));
    benchmark::DoNotOptimize(document.get());
    state.PauseTiming();
    document.reset();
    state.ResumeTiming();
  }
  Report(state, text.size());
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

// Writing the form back after the user freed every second data source: the gone blocks leave
// their parent's list.
void BM_SaveAfterFreeing(benchmark::State& state) {
  RegisterClasses();
  const std::string& text = Form(state.range(0));
  for (auto _ : state) {
    state.PauseTiming();
    auto forms = std::make_unique<TFormSet>();
    TFormModule& module = forms->OpenText(text, "Large.dfm");
    TComponent* root = module.Root();
    for (int i = root->ComponentCount() - 1; i >= 0; --i) {
      TComponent* c = root->Components(i);
      if (c->ClassNameIs(STR("TDataSource")) && i % 2 == 0) delete c;
    }
    state.ResumeTiming();
    std::string out = module.Render();
    benchmark::DoNotOptimize(out.data());
    state.PauseTiming();
    forms.reset();
    state.ResumeTiming();
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

// What `ombrix form roundtrip` does: open the file, write it back in pieces, free.
void BM_RoundTrip(benchmark::State& state) {
  RegisterClasses();
  const TFormFile file(state.range(0));
  for (auto _ : state) {
    auto forms = std::make_unique<TFormSet>();
    TFormModule& module = forms->Open(file.Path());
    size_t written = 0;
    module.RenderTo([&](std::string_view piece) { written += piece.size(); });
    benchmark::DoNotOptimize(written);
  }
  Report(state, file.Size());
}

BENCHMARK(BM_ReadFormText)->Apply(Sizes);
BENCHMARK(BM_WriteFormText)->Apply(Sizes);
BENCHMARK(BM_RenderFormText)->Apply(Sizes);
BENCHMARK(BM_LoadForm)->Apply(Sizes);
BENCHMARK(BM_SaveForm)->Apply(Sizes);
BENCHMARK(BM_SaveAfterFreeing)->Apply(Sizes);
BENCHMARK(BM_FreeForm)->Apply(Sizes);
BENCHMARK(BM_RoundTrip)->Apply(Sizes);

}  // namespace

int main(int argc, char** argv) {
  if (argc == 4 && std::string(argv[1]) == "--generate") {
    std::ofstream out(argv[3], std::ios::binary);
    const std::string text = formbench::GenerateForm(std::stoul(argv[2]) * formbench::kMB);
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    return out ? 0 : 1;
  }
  return formbench::RunBenchmarks(argc, argv);
}
