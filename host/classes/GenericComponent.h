#pragma once
// Stand-ins for components whose class the registry does not know. A stand-in reports the
// class name it was read with (ClassName, ClassNameIs) and keeps the nesting it was read with;
// its properties stay raw in the form document.
#include "classes/Component.h"

// Class information named name that derives from base, made once per name and base, for
// objects that stand in for an unknown class (a generic field keeps TFooField this way). It is
// not registered: GetClass still does not know the name.
const TClassInfo& StandInClass(StringView name, const TClassInfo& base);

class TGenericComponent : public TComponent {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return *FClass; }

  TGenericComponent(TComponent* owner, StringView className);
  ~TGenericComponent() override;

  bool HasParent() const override { return FParent != nullptr && FParent != Owner(); }
  TComponent* GetParentComponent() const override { return FParent; }
  void SetParentComponent(TComponent* parent) override;
  void Notification(TComponent* component, TOperation operation) override;

 private:
  const TClassInfo* FClass;
  TComponent* FParent = nullptr;
};
