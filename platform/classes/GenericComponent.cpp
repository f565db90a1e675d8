#include "classes/GenericComponent.h"

#include <map>
#include <memory>
#include <mutex>

const TClassInfo& StandInClass(StringView name, const TClassInfo& base) {
  static std::map<std::pair<String, const TClassInfo*>, std::unique_ptr<TClassInfo>> classes;
  static std::mutex lock;
  std::lock_guard guard(lock);
  auto& slot = classes[{UpperCase(name), &base}];
  if (!slot) {
    slot = std::make_unique<TClassInfo>();
    slot->Name = String(name);
    slot->Parent = &base;
  }
  return *slot;
}

const TClassInfo& TGenericComponent::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TGenericComponent, TComponent>(STR("TGenericComponent")).Build();
  return info;
}

TGenericComponent::TGenericComponent(TComponent* owner, StringView className)
    : TComponent(owner), FClass(&StandInClass(className, StaticClass())) {
  HearWatchedRemovalsOnly();
}

TGenericComponent::~TGenericComponent() {
  SetParentComponent(nullptr);
}

void TGenericComponent::SetParentComponent(TComponent* parent) {
  if (parent == FParent) return;
  if (FParent != nullptr) RemoveFreeNotification(FParent);
  FParent = parent;
  if (FParent != nullptr) FreeNotification(FParent);
}

void TGenericComponent::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation == TOperation::opRemove && component == FParent) FParent = nullptr;
}
