#include "FormSetServices.h"

#include <unordered_set>

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
  explicit TModule(const TFormModule& module)
      : FSource(module), FForm(module), FRoot(module.Root()) {}
  String FileName() const override { return FSource.FileName(); }
  int GetModuleFileCount() const override { return 2; }
  IOTAEditor* GetModuleFileEditor(int index) const override {
    if (index == 0) return &FSource;
    if (index == 1) return &FForm;
    throw EListError(STR("List index out of bounds (") + IntToStr(index) + STR(")"));
  }
  int Shows() const { return FForm.Shows; }
  // The root of the module it was made for.
  const TComponent* Root() const { return FRoot; }

 private:
  mutable TSourceEditor FSource;
  mutable TFormEditor FForm;
  const TComponent* FRoot;
};

TFormSetServices::TFormSetServices(TFormSet& forms) : FForms(forms) {}

TFormSetServices::~TFormSetServices() = default;

IOTAModule* TFormSetServices::Modules(int index) const {
  if (index < 0 || index >= ModuleCount()) {
    throw EListError(STR("List index out of bounds (") + IntToStr(index) + STR(")"));
  }
  const TFormModule& module = FForms.Modules(index);
  auto& wrapper = FModules[&module];
  // A module opened where a closed one stood gets a wrapper of its own.
  if (!wrapper || wrapper->Root() != module.Root()) wrapper = std::make_unique<TModule>(module);
  IOTAModule* found = wrapper.get();
  // Wrappers of closed modules go once they outnumber the open ones, so that walking the modules
  // stays linear; until then nothing reaches them.
  if (FModules.size() > static_cast<size_t>(ModuleCount())) {
    std::unordered_set<const TFormModule*> open;
    for (int i = 0; i < FForms.ModuleCount(); ++i) open.insert(&FForms.Modules(i));
    std::erase_if(FModules, [&](const auto& entry) { return !open.contains(entry.first); });
  }
  return found;
}

int TFormSetServices::ShowCount(const TComponent* root) const {
  for (int i = 0; i < FForms.ModuleCount(); ++i) {
    const TFormModule& module = FForms.Modules(i);
    if (module.Root() != root) continue;
    const auto it = FModules.find(&module);
    return it == FModules.end() ? 0 : it->second->Shows();
  }
  return 0;
}
