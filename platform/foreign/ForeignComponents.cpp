#include "foreign/ForeignClasses.h"

const TClassInfo& TForeignDataSet::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TForeignDataSet, TDataSet>(STR("TForeignDataSet")).Build();
  return info;
}

TForeignDataSet::TForeignDataSet(TComponent* owner, const TClassInfo& cls)
    : TDataSet(owner), TForeignProperties(static_cast<TComponent&>(*this)), FClass(&cls) {}

void TForeignDataSet::Notification(TComponent* component, TOperation operation) {
  TDataSet::Notification(component, operation);
  if (operation == TOperation::opRemove) Forget(component);
}

const TClassInfo& TForeignComponent::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TForeignComponent, TComponent>(STR("TForeignComponent")).Build();
  return info;
}

TForeignComponent::TForeignComponent(TComponent* owner, const TClassInfo& cls)
    : TComponent(owner), TForeignProperties(static_cast<TComponent&>(*this)), FClass(&cls) {
  HearWatchedRemovalsOnly();
}

void TForeignComponent::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation == TOperation::opRemove) Forget(component);
}
