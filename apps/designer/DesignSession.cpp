#include "DesignSession.h"

#include <algorithm>

#include "classes/AtomicFile.h"
#include "designide/IDEServices.h"

TModuleDesigner::TModuleDesigner(TDesignSession& session, TFormModule& module)
    : TFormDesigner(module.Root()),
      FSession(session),
      FModule(module),
      FUnitComponents(OwnedComponents(*module.Root())) {}

void TModuleDesigner::Modified() {
  TFormDesigner::Modified();
  FModified = true;
  if (FSession.OnModified) FSession.OnModified(FModule);
}

TDesignPos DesignPos(const TComponent& component) {
  const auto info = static_cast<uint32_t>(component.DesignInfo());
  return {static_cast<int16_t>(info & 0xFFFF), static_cast<int16_t>(info >> 16)};
}

int32_t DesignInfoOf(TDesignPos pos) {
  const uint32_t x = static_cast<uint16_t>(pos.X);
  const uint32_t y = static_cast<uint16_t>(pos.Y);
  return static_cast<int32_t>(x | (y << 16));
}

TDesignSession::TDesignSession(const TConnectionFlags& flags) : FRun(flags) {
  SetBorlandIDEServices(&FServices);
}

TDesignSession::~TDesignSession() {
  SetBorlandIDEServices(nullptr);
}

TFormModule& TDesignSession::Open(const std::filesystem::path& file) {
  TFormModule& module = FRun.Forms().Open(file);
  FDesigners[&module] = std::make_unique<TModuleDesigner>(*this, module);
  return module;
}

TModuleDesigner& TDesignSession::DesignerOf(const TFormModule& module) const {
  return *FDesigners.at(&module);
}

TFormModule* TDesignSession::ModuleOf(const TComponent* component) const {
  for (const TComponent* c = component; c != nullptr; c = c->Owner()) {
    if (TFormModule* module = FRun.Forms().FindModule(c)) return module;
  }
  return nullptr;
}

TComponent& TDesignSession::AddComponent(TFormModule& module, const TClassInfo& cls,
                                         TDesignPos pos) {
  TComponent& component = DropComponent(*module.Root(), cls, DesignInfoOf(pos));
  DesignerOf(module).Modified();
  return component;
}

void TDesignSession::DeleteComponent(TComponent& component) {
  TFormModule* module = ModuleOf(&component);
  if (module == nullptr || module->Root() == &component) {
    throw EComponentError(STR("Cannot delete ") + component.Name());
  }
  delete &component;
  DesignerOf(*module).Modified();
}

namespace {

// The units that the classes of components new to the unit (added or retyped) come from.
std::vector<String> UnitsToUse(const TComponent& root, const std::vector<TUnitComponent>& before) {
  std::vector<String> units;
  for (int i = 0; i < root.ComponentCount(); ++i) {
    const TComponent* c = root.Components(i);
    const String& unit = c->ClassType().UnitName;
    const bool known = std::any_of(before.begin(), before.end(), [c](const TUnitComponent& u) {
      return SameText(u.Name, c->Name()) && SameText(u.ClassName, c->ClassName());
    });
    if (known || unit.empty()) continue;
    if (std::none_of(units.begin(), units.end(),
                     [&](const String& u) { return SameText(u, unit); })) {
      units.push_back(unit);
    }
  }
  return units;
}

}  // namespace

String TDesignSession::Save(TFormModule& module) {
  TModuleDesigner& designer = DesignerOf(module);
  const std::string form = module.Render();
  std::vector<TUnitComponent> components = OwnedComponents(*module.Root());
  const std::filesystem::path unitFile =
      std::filesystem::path(module.FileName()).replace_extension(".pas");
  std::vector<std::pair<std::filesystem::path, std::string_view>> files{{module.FileName(), form}};
  const std::optional<std::string> unit = ReadFileBytes(unitFile);
  std::string updated;
  String note;
  if (unit) {
    try {
      updated = UpdateFormUnit(*unit, FromUtf8(unitFile.filename().string()),
                               {module.Root()->ClassName(), designer.UnitComponents(), components,
                                UnitsToUse(*module.Root(), designer.UnitComponents())});
      if (updated != *unit) files.emplace_back(unitFile, updated);
    } catch (const EUnitError& error) {
      note = error.Message() + STR("\nThe form was saved; its unit was left as it was.");
    }
  }
  WriteFilesAtomically(files);  // the message names the file that failed
  // A unit left alone still declares the old components: the next save tries again.
  if (note.empty()) designer.SetUnitComponents(std::move(components));
  designer.SetModified(false);
  return note;
}
