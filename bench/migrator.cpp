// A migration run over many open forms, each with foreign datasets, persistent fields, data
// sources and lookup fields: the passes and their pair lookups must grow linearly.
#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

#include "db/DataSource.h"
#include "db/NumericFields.h"
#include "designide/IDEServices.h"
#include "foreign/ForeignClasses.h"
#include "forms/ScriptedDriver.h"
#include "library/LibraryClasses.h"
#include "library/MySQLDatabase.h"
#include "migrator/BDE2Ombrix.h"

namespace {

constexpr int kDataSetsPerForm = 100;
constexpr int kSourcesPerForm = 50;
constexpr int kLookupsPerForm = 20;

// Forms built in memory, each a module with one form editor.
class TMemoryModules : public IBorlandIDEServices, public IOTAModuleServices {
 public:
  explicit TMemoryModules(int forms) {
    for (int i = 0; i < forms; ++i) FModules.push_back(std::make_unique<TModule>(i));
  }
  IOTAModuleServices* ModuleServices() override { return this; }
  int ModuleCount() const override { return static_cast<int>(FModules.size()); }
  IOTAModule* Modules(int index) const override { return FModules.at(index).get(); }
  TComponent* Root(int index) const { return FModules.at(index)->Root(); }

 private:
  class TModule : public IOTAModule, public IOTAFormEditor {
   public:
    explicit TModule(int index) : FRoot(std::make_unique<TComponent>(nullptr)) {
      FRoot->SetName(STR("Form") + IntToStr(index));
      FRoot->SetDesigning(true);
    }
    String FileName() const override { return FRoot->Name() + STR(".dfm"); }
    int GetModuleFileCount() const override { return 1; }
    IOTAEditor* GetModuleFileEditor(int) const override { return const_cast<TModule*>(this); }
    void Show() override {}
    TComponent* GetRootComponent() const override { return FRoot.get(); }
    TComponent* Root() const { return FRoot.get(); }

   private:
    std::unique_ptr<TComponent> FRoot;
  };
  std::vector<std::unique_ptr<TModule>> FModules;
};

const Char* const kClasses[] = {STR("TQuery"), STR("TTable"), STR("TADOQuery"), STR("TZQuery")};

// Per form: datasets with two persistent fields each, data sources on some of them, and lookup
// fields on the next form's datasets.
void Populate(TMemoryModules& modules, int forms) {
  std::vector<std::vector<TDataSet*>> dataSets(static_cast<size_t>(forms));
  for (int f = 0; f < forms; ++f) {
    TComponent* root = modules.Root(f);
    for (int d = 0; d < kDataSetsPerForm; ++d) {
      auto* dataSet = static_cast<TDataSet*>(GetClass(kClasses[d % 4])->Create(root));
      dataSet->SetName(STR("DataSet") + IntToStr(d));
      for (int k = 0; k < 2; ++k) {
        auto* field = new TIntegerField(root);
        field->SetFieldName(STR("F") + IntToStr(k));
        field->SetName(dataSet->Name() + STR("F") + IntToStr(k));
        field->SetDataSet(dataSet);
      }
      dataSets[static_cast<size_t>(f)].push_back(dataSet);
    }
    for (int s = 0; s < kSourcesPerForm; ++s) {
      auto* source = new TDataSource(root);
      source->SetName(STR("DataSource") + IntToStr(s));
      source->SetDataSet(dataSets[static_cast<size_t>(f)][static_cast<size_t>(s * 2)]);
    }
  }
  for (int f = 0; f < forms; ++f) {
    const auto& next = dataSets[static_cast<size_t>((f + 1) % forms)];
    for (int l = 0; l < kLookupsPerForm; ++l) {
      auto* lookup = new TIntegerField(modules.Root(f));
      lookup->SetName(STR("Lookup") + IntToStr(l));
      lookup->SetFieldKind(TFieldKind::fkLookup);
      lookup->SetLookupDataSet(next[static_cast<size_t>(l * 5)]);
      lookup->SetDataSet(dataSets[static_cast<size_t>(f)][static_cast<size_t>(l)]);
    }
  }
}

void BM_Migrate(benchmark::State& state) {
  RegisterForeignClasses();
  RegisterLibraryClasses();
  TScriptedDriver driver;
  const int forms = static_cast<int>(state.range(0));
  std::unique_ptr<TMemoryModules> modules;
  TBDE2Ombrix* migrator = nullptr;
  for (auto _ : state) {
    state.PauseTiming();
    modules = std::make_unique<TMemoryModules>(forms);  // the last run's forms go untimed
    Populate(*modules, forms);
    auto* connection = new TmySQLDatabase(modules->Root(0));
    migrator = new TBDE2Ombrix(modules->Root(0));
    migrator->SetDatabase(connection);
    SetBorlandIDEServices(modules.get());
    state.ResumeTiming();
    migrator->Migrate();
  }
  if (migrator == nullptr || migrator->DataSets().Count() != forms * kDataSetsPerForm) {
    state.SkipWithError("not every dataset was converted");
  }
  SetBorlandIDEServices(nullptr);
  modules.reset();
  state.SetItemsProcessed(state.iterations() * forms * kDataSetsPerForm);
  state.SetComplexityN(forms * kDataSetsPerForm);
}
BENCHMARK(BM_Migrate)
    ->Arg(10)
    ->Arg(100)
    ->Arg(1000)
    ->Unit(benchmark::kMillisecond)
    // A warm-up run first: on a virtual machine the first touch of the run's fresh pages costs
    // more than the conversion itself at 1,000 forms.
    ->MinWarmUpTime(1.0)
    ->Complexity(benchmark::oN);

}  // namespace

BENCHMARK_MAIN();
