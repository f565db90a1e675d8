#include "DesignSession.h"

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

TDesignSession::TDesignSession() {
  SetBorlandIDEServices(&FServices);
}

TDesignSession::~TDesignSession() {
  SetBorlandIDEServices(nullptr);
}

TFormModule& TDesignSession::Open(const std::filesystem::path& file) {
  TFormModule& module = FForms.Open(file);
  FDesigners[&module] = std::make_unique<TModuleDesigner>(*this, module);
  return module;
}

TModuleDesigner& TDesignSession::DesignerOf(const TFormModule& module) const {
  return *FDesigners.at(&module);
}

TFormModule* TDesignSession::ModuleOf(const TComponent* component) const {
  for (const TComponent* c = component; c != nullptr; c = c->Owner()) {
    if (TFormModule* module = FForms.FindModule(c)) return module;
  }
  return nullptr;
}

TComponent& TDesignSession::AddComponent(TFormModule& module, const TClassInfo& cls,
                                         TDesignPos pos) {
  TComponent& component = DropComponent(*module.Root(), cls, DesignInfoOf(pos));
  DesignerOf(module).Modified();
  return component;
}

void TDesignSession::Save(TFormModule& module) {
  module.Save();
  DesignerOf(module).SetModified(false);
}
