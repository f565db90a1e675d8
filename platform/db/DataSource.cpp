#include "db/DataSource.h"

#include <algorithm>

const TClassInfo& TDataSource::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TDataSource, TComponent>(STR("TDataSource"))
          .Creatable()
          .Prop(STR("AutoEdit"), &TDataSource::AutoEdit, &TDataSource::SetAutoEdit, nullptr, 1)
          .Prop(STR("DataSet"), &TDataSource::DataSet, &TDataSource::SetDataSet)
          .Prop(STR("Enabled"), &TDataSource::Enabled, &TDataSource::SetEnabled, nullptr, 1)
          .Prop(
              STR("OnStateChange"), [](const TDataSource* d) { return d->OnStateChange; },
              [](TDataSource* d, const TMethod& m) { d->OnStateChange = m; },
              &TypeInfoMethod(STR("TNotifyEvent")))
          .Prop(
              STR("OnDataChange"), [](const TDataSource* d) { return d->OnDataChange; },
              [](TDataSource* d, const TMethod& m) { d->OnDataChange = m; },
              &TypeInfoMethod(STR("TDataChangeEvent")))
          .Prop(
              STR("OnUpdateData"), [](const TDataSource* d) { return d->OnUpdateData; },
              [](TDataSource* d, const TMethod& m) { d->OnUpdateData = m; },
              &TypeInfoMethod(STR("TNotifyEvent")))
          .Build();
  return info;
}

TDataSource::TDataSource(TComponent* owner) : TComponent(owner) {
  HearWatchedRemovalsOnly();
}

TDataSource::~TDataSource() {
  // No events while dying: their handlers' objects may be gone already.
  SetComponentStateFlag(csDestroying, true);
  SetDataSet(nullptr);
}

void TDataSource::SetDataSet(TDataSet* value) {
  if (value == FDataSet) return;
  if (value != nullptr && LeadsHere(value)) {
    DatabaseError(STR("Circular datalinks are not allowed"), this);
  }
  if (FDataSet != nullptr) {
    auto& list = FDataSet->FDataSources;
    list.erase(std::remove(list.begin(), list.end(), this), list.end());
    RemoveFreeNotification(FDataSet);
  }
  FDataSet = value;
  if (value != nullptr) {
    value->FDataSources.push_back(this);
    FreeNotification(value);
  }
  StateChanged();
}

bool TDataSource::LeadsHere(const TDataSet* dataSet) const {
  while (dataSet != nullptr) {
    const TDataSource* master = dataSet->DataSource();
    if (master == this) return true;
    dataSet = master != nullptr ? master->DataSet() : nullptr;
  }
  return false;
}

void TDataSource::SetEnabled(bool value) {
  if (value == FEnabled) return;
  FEnabled = value;
  StateChanged();
}

TDataSetState TDataSource::State() const {
  return FDataSet != nullptr && FEnabled ? FDataSet->State() : TDataSetState::dsInactive;
}

void TDataSource::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation == TOperation::opRemove && component == FDataSet) SetDataSet(nullptr);
}

void TDataSource::StateChanged() {
  if ((ComponentState() & csDestroying) != 0) return;
  CallMethod<void, TObject*>(OnStateChange, this);
  NotifyDetails();
}

void TDataSource::DataChanged(TField* field) {
  if (!FEnabled || FDataSet == nullptr || !FDataSet->Active()) return;
  CallMethod<void, TObject*, TField*>(OnDataChange, this, field);
  NotifyDetails();
}

void TDataSource::NotifyDetails() {
  // A detail may relink while it reacts; work on a copy.
  const std::vector<TDataSet*> details = FDetails;
  for (TDataSet* detail : details) detail->MasterChanged();
}
