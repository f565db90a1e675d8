#pragma once
// Module services over the forms opened together in a form set: each form file is a module
// with two file editors, the unit's source editor and the form editor.
#include <map>
#include <memory>

#include "classes/FormSet.h"
#include "designide/IDEServices.h"

class TFormSetServices : public IBorlandIDEServices, public IOTAModuleServices {
 public:
  explicit TFormSetServices(TFormSet& forms);
  ~TFormSetServices() override;
  TFormSetServices(const TFormSetServices&) = delete;
  TFormSetServices& operator=(const TFormSetServices&) = delete;

  IOTAModuleServices* ModuleServices() override { return this; }
  int ModuleCount() const override { return FForms.ModuleCount(); }
  IOTAModule* Modules(int index) const override;
  // How often the form editor of the module with that root was asked to show its form.
  int ShowCount(const TComponent* root) const;

 private:
  class TModule;
  TFormSet& FForms;
  mutable std::map<const TFormModule*, std::unique_ptr<TModule>> FModules;
};
