#include "DesignSession.h"

#include "classes/AtomicFile.h"
#include "designide/IDEServices.h"

TModuleDesigner::TModuleDesigner(TDesignSession& session, TFormModule& module)
    : TFormDesigner(module.Root()), FSession(session), FModule(module) {}

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
  FRun.Units().Opened(module);
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

String TDesignSession::Save(TFormModule& module) {
  const std::string form = module.Render();
  const TUnitStep unit = FRun.Units().Step(module);
  std::vector<std::pair<std::filesystem::path, std::string_view>> files{{module.FileName(), form}};
  if (unit.State == TUnitState::usChanged) files.emplace_back(unit.File, unit.Bytes);
  WriteFilesAtomically(files);  // the message names the file that failed
  // A unit left alone still declares the old components: the next save tries again.
  if (unit.Problem.empty()) FRun.Units().Opened(module);
  DesignerOf(module).SetModified(false);
  if (unit.Problem.empty()) return String();
  return FromUtf8(unit.Problem) + STR("\nThe form was saved; its unit was left as it was.");
}
