#include "FormDesigner.h"

#include "designide/IDEServices.h"

std::vector<TComponent*> TFormDesigner::OtherRoots() const {
  std::vector<TComponent*> roots;
  IBorlandIDEServices* ide = BorlandIDEServices();
  IOTAModuleServices* modules = ide != nullptr ? ide->ModuleServices() : nullptr;
  if (modules == nullptr) return roots;
  for (int m = 0; m < modules->ModuleCount(); ++m) {
    IOTAModule* module = modules->Modules(m);
    for (int e = 0; e < module->GetModuleFileCount(); ++e) {
      IOTAFormEditor* form = module->GetModuleFileEditor(e)->AsFormEditor();
      TComponent* root = form != nullptr ? form->GetRootComponent() : nullptr;
      if (root != nullptr && root != FRoot && !root->Name().empty()) roots.push_back(root);
    }
  }
  return roots;
}

TComponent* TFormDesigner::GetComponent(StringView name) const {
  const size_t dot = name.find('.');
  if (dot == StringView::npos) {
    if (SameText(name, FRoot->Name())) return FRoot;
    return FRoot->FindComponent(name);
  }
  for (TComponent* root : OtherRoots()) {
    if (SameText(root->Name(), name.substr(0, dot)))
      return root->FindComponent(name.substr(dot + 1));
  }
  return nullptr;
}

String TFormDesigner::GetComponentName(const TComponent* component) const {
  if (component == nullptr) return String();
  if (component == FRoot || component->Owner() == FRoot) return component->Name();
  for (TComponent* root : OtherRoots()) {
    if (component->Owner() == root) return root->Name() + STR(".") + component->Name();
  }
  return String();
}

void TFormDesigner::GetComponentNames(const TClassInfo& cls, const TGetStrProc& proc) const {
  auto list = [&](TComponent* root, const String& prefix) {
    for (int i = 0; i < root->ComponentCount(); ++i) {
      TComponent* c = root->Components(i);
      if (!c->Name().empty() && c->InheritsFrom(cls)) proc(prefix + c->Name());
    }
  };
  list(FRoot, String());
  for (TComponent* root : OtherRoots()) list(root, root->Name() + STR("."));
}

TComponent& DropComponent(TComponent& root, const TClassInfo& cls, int32_t designInfo) {
  if (!cls.Create) throw EComponentError(STR("Cannot create a ") + cls.Name);
  const String base = cls.Name.size() > 1 && (cls.Name[0] == 'T' || cls.Name[0] == 't')
                          ? cls.Name.substr(1)
                          : cls.Name;
  int number = 1;
  while (root.FindComponent(base + IntToStr(number)) != nullptr) ++number;
  auto* component = dynamic_cast<TComponent*>(cls.Create(&root));
  if (component == nullptr) throw EComponentError(cls.Name + STR(" is not a component"));
  component->SetName(base + IntToStr(number));
  component->SetDesignInfo(designInfo);
  return *component;
}
