#pragma once
// Connects data-aware controls and detail datasets to a dataset.
//
// Event signatures: OnStateChange, OnUpdateData void(TObject* sender);
// OnDataChange void(TObject* sender, TField* field) (field null when the record changed).
#include "db/DataSet.h"

class TDataSource : public TComponent {
  OMBRIX_CLASS(TDataSource)
  explicit TDataSource(TComponent* owner);
  ~TDataSource() override;

  TDataSet* DataSet() const { return FDataSet; }
  // Raises "Circular datalinks are not allowed" when value takes its master from this source.
  void SetDataSet(TDataSet* value);
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool value);
  bool AutoEdit() const { return FAutoEdit; }
  void SetAutoEdit(bool value) { FAutoEdit = value; }
  // The dataset's state; dsInactive without a dataset or while disabled.
  TDataSetState State() const;

  TMethod OnStateChange;
  TMethod OnDataChange;
  TMethod OnUpdateData;

  void Notification(TComponent* component, TOperation operation) override;

 private:
  friend class TDataSet;
  void StateChanged();
  void DataChanged(TField* field);
  // Tells the datasets that take their master from here that its state or record changed.
  void NotifyDetails();
  // Whether dataSet takes its master, directly or through a chain, from this source.
  bool LeadsHere(const TDataSet* dataSet) const;

  TDataSet* FDataSet = nullptr;
  std::vector<TDataSet*> FDetails;  // datasets whose DataSource is this
  bool FEnabled = true;
  bool FAutoEdit = true;
};
