#include "FormUnits.h"

#include <unordered_set>

#include "classes/AtomicFile.h"

namespace {

String Key(const String& name, const String& className) {
  return name + STR(":") + className;
}

bool Same(const std::vector<TUnitComponent>& a, const std::vector<TUnitComponent>& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (a[i].Name != b[i].Name || a[i].ClassName != b[i].ClassName) return false;
  }
  return true;
}

// The units of the classes of components new to the unit (added or retyped), each once.
std::vector<String> UnitsToUse(const TComponent& root, const std::vector<TUnitComponent>& before) {
  std::unordered_set<String> had;
  for (const TUnitComponent& c : before) had.insert(Key(c.Name, c.ClassName));
  std::vector<String> units;
  std::unordered_set<String> listed;
  for (int i = 0; i < root.ComponentCount(); ++i) {
    const TComponent* c = root.Components(i);
    const String& unit = c->ClassType().UnitName;
    if (unit.empty() || had.contains(Key(c->Name(), c->ClassName()))) continue;
    if (listed.insert(UpperCase(unit)).second) units.push_back(unit);
  }
  return units;
}

}  // namespace

const char* UnitStateName(TUnitState state) {
  switch (state) {
    case TUnitState::usChanged:
      return "changed";
    case TUnitState::usUnchanged:
      return "unchanged";
    case TUnitState::usNone:
      break;
  }
  return "none";
}

void TFormUnits::Opened(const TFormModule& module) {
  FOpened[&module] = OwnedComponents(*module.Root());
}

TUnitStep TFormUnits::Step(const TFormModule& module) const {
  TUnitStep step;
  std::filesystem::path file = module.FileName();
  file.replace_extension(".pas");
  std::error_code error;
  if (!std::filesystem::is_regular_file(file, error)) return step;
  step.File = file;
  step.State = TUnitState::usUnchanged;
  // A form opened some other way has no remembered state to follow.
  const auto opened = FOpened.find(&module);
  if (opened == FOpened.end()) return step;
  const std::vector<TUnitComponent>& before = opened->second;
  std::vector<TUnitComponent> after = OwnedComponents(*module.Root());
  if (Same(before, after)) return step;
  const std::optional<std::string> bytes = ReadFileBytes(file);
  if (!bytes) {
    step.Problem = "cannot read unit " + file.string();
    return step;
  }
  TFormUnitChange change;
  change.FormClass = module.Document().Root->ClassName;
  change.Before = before;
  change.After = std::move(after);
  change.Uses = UnitsToUse(*module.Root(), before);
  try {
    std::string updated = UpdateFormUnit(*bytes, FromUtf8(file.string()), change);
    if (updated == *bytes) return step;
    step.Bytes = std::move(updated);
    step.State = TUnitState::usChanged;
  } catch (const EUnitError& e) {
    step.Problem = ToUtf8(e.Message());
  }
  return step;
}
