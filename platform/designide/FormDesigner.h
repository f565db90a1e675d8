#pragma once
// The host's designer of one form: lookups among the root's components and, through the module
// services, among those of the other open forms; counts the change notices.
#include "designide/Designer.h"

class TFormDesigner : public IDesigner {
 public:
  explicit TFormDesigner(TComponent* root) : FRoot(root) {}

  TComponent* GetRoot() const override { return FRoot; }
  TComponent* GetComponent(StringView name) const override;
  String GetComponentName(const TComponent* component) const override;
  void GetComponentNames(const TClassInfo& cls, const TGetStrProc& proc) const override;
  void Modified() override { ++FModifiedCount; }
  int ModifiedCount() const { return FModifiedCount; }

 private:
  // The roots of the other open forms.
  std::vector<TComponent*> OtherRoots() const;

  TComponent* FRoot;
  int FModifiedCount = 0;
};

// A component of the class dropped from the palette onto root: owned by it (and so designing
// when root is), named after its class without the T ("mySQLQuery1" for TmySQLQuery) with the
// first free number, at the design position designInfo. Raises EComponentError for a class that
// makes no component.
TComponent& DropComponent(TComponent& root, const TClassInfo& cls, int32_t designInfo);
