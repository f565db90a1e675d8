#pragma once
// The designer's open modules: form files opened together (references resolve across them),
// one designer per form that remembers the form changed, new components from the palette, and
// saving. The module services that editors ask for are this session's.
#include <filesystem>
#include <functional>
#include <map>
#include <memory>

#include "FormRun.h"
#include "classes/FormSet.h"
#include "designide/FormDesigner.h"
#include "designide/FormSetServices.h"
#include "designide/Package.h"

class TDesignSession;

class TModuleDesigner : public TFormDesigner {
 public:
  TModuleDesigner(TDesignSession& session, TFormModule& module);
  void Modified() override;
  TFormModule& Module() const { return FModule; }
  bool IsModified() const { return FModified; }
  void SetModified(bool value) { FModified = value; }

 private:
  TDesignSession& FSession;
  TFormModule& FModule;
  bool FModified = false;
};

// The design position of a component: DesignInfo holds left in its low and top in its high
// 16 bits.
struct TDesignPos {
  int X = 0;
  int Y = 0;
};
TDesignPos DesignPos(const TComponent& component);
int32_t DesignInfoOf(TDesignPos pos);

class TDesignSession {
 public:
  // Every class a form may hold is registered; the flags and OMBRIX_PASSWORD are the settings
  // of every connection made in the session, never written to a form.
  explicit TDesignSession(const TConnectionFlags& flags = {});
  ~TDesignSession();
  TDesignSession(const TDesignSession&) = delete;
  TDesignSession& operator=(const TDesignSession&) = delete;

  // Raises EFormError (with file, line and column) when the file does not load.
  TFormModule& Open(const std::filesystem::path& file);
  int ModuleCount() const { return FRun.Forms().ModuleCount(); }
  TFormModule& Module(int index) const { return FRun.Forms().Modules(index); }
  TModuleDesigner& DesignerOf(const TFormModule& module) const;
  // The module whose root owns the component (or is it), or null.
  TFormModule* ModuleOf(const TComponent* component) const;
  // A new component of the class, owned by the module's root, named after its class
  // ("mySQLQuery1" for TmySQLQuery), at the position.
  TComponent& AddComponent(TFormModule& module, const TClassInfo& cls, TDesignPos pos);
  // Frees a component of the module; references to it are cleared.
  void DeleteComponent(TComponent& component);
  // Writes the form file and its unit (FORM.pas beside FORM.dfm, when there is one) together,
  // all or none; the unit's component fields follow what was added, deleted and renamed since
  // it was opened or last saved. The module is then no longer modified. A unit that cannot be
  // understood is left as it was and the form saved all the same: the returned note says so
  // (empty when all went well). Raises Exception naming the file; nothing is written then.
  String Save(TFormModule& module);

  // The resources of a loaded package, where the palette's pictures are looked up; the table
  // must outlive the session.
  void AddPackageResources(const TPackageResourceTable& resources) {
    FResources.push_back(&resources);
  }
  const std::vector<const TPackageResourceTable*>& PackageResources() const { return FResources; }

  // Called after any change of a module (through its designer).
  std::function<void(TFormModule&)> OnModified;

 private:
  friend class TModuleDesigner;
  mutable TFormRun FRun;
  TFormSetServices FServices{FRun.Forms()};
  std::map<const TFormModule*, std::unique_ptr<TModuleDesigner>> FDesigners;
  std::vector<const TPackageResourceTable*> FResources;
};
