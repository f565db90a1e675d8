#include "FormSetServices.h"

namespace {

// The unit beside the form file.
class TSourceEditor : public IOTAEditor {
 public:
  explicit TSourceEditor(const TFormModule& module) : FModule(module) {}
  String FileName() const override {
    return FromUtf8(std::filesystem::path(FModule.FileName()).replace_extension(".pas").string());
  }

 private:
  const TFormModule& FModule;
};

class TFormEditor : public IOTAFormEditor {
 public:
  explicit TFormEditor(const TFormModule& module) : FModule(module) {}
  String FileName() const override { return FromUtf8(FModule.FileName().string()); }
  void Show() override { ++Shows; }
  TComponent* GetRootComponent() const override { return FModule.Root(); }
  int Shows = 0;

 private:
  const TFormModule& FModule;
};

}  // namespace

class TFormSetServices::TModule : public IOTAModule {
 public:
  explicit TModule(const TFormModule& module) : FSource(module), FForm(module) {}
  String FileName() const override { return FSource.FileName(); }
  int GetModuleFileCount() const override { return 2; }
  IOTAEditor* GetModuleFileEditor(int index) const override {
    if (index == 0) return &FSource;
    if (index == 1) return &FForm;
    throw EListError(STR("List index out of bounds (") + IntToStr(index) + STR(")"));
  }
  int Shows() const { return FForm.Shows; }

 private:
  mutable TSourceEditor FSource;
  mutable TFormEditor FForm;
};

TFormSetServices::TFormSetServices(TFormSet& forms) : FForms(forms) {}

TFormSetServices::~TFormSetServices() = default;

IOTAModule* TFormSetServices::Modules(int index) const {
  if (index < 0 || index >= ModuleCount()) {
    throw EListError(STR("List index out of bounds (") + IntToStr(index) + STR(")"));
  }
  // Wrappers of modules that were closed meanwhile go.
  std::erase_if(FModules, [&](const auto& entry) {
    for (int i = 0; i < FForms.ModuleCount(); ++i) {
      if (&FForms.Modules(i) == entry.first) return false;
    }
    return true;
  });
  const TFormModule& module = FForms.Modules(index);
  auto& wrapper = FModules[&module];
  if (!wrapper) wrapper = std::make_unique<TModule>(module);
  return wrapper.get();
}

int TFormSetServices::ShowCount(const TComponent* root) const {
  for (const auto& [module, wrapper] : FModules) {
    if (module->Root() == root) return wrapper->Shows();
  }
  return 0;
}
