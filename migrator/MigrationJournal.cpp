#include "migrator/MigrationJournal.h"

void TMigrationJournal::Created(TComponent* component) {
  FSteps.push_back({TKind::Created, 0, component, nullptr});
}

void TMigrationJournal::Renamed(TComponent* component, const String& oldName) {
  FSteps.push_back({TKind::Renamed, static_cast<int>(FNames.size()), component, nullptr});
  FNames.push_back(oldName);
}

void TMigrationJournal::Closed(TDataSet* dataSet, bool wasActive) {
  if (wasActive) FSteps.push_back({TKind::Closed, 0, dataSet, nullptr});
}

void TMigrationJournal::FieldMoved(TField* field, TDataSet* from, int index) {
  FSteps.push_back({TKind::FieldMoved, index, field, from});
}

void TMigrationJournal::Retargeted(TDataSource* source, TDataSet* old) {
  FSteps.push_back({TKind::Retargeted, 0, source, old});
}

void TMigrationJournal::LookupRetargeted(TField* field, TDataSet* old) {
  FSteps.push_back({TKind::LookupRetargeted, 0, field, old});
}

void TMigrationJournal::Rollback() noexcept {
  for (auto it = FSteps.rbegin(); it != FSteps.rend(); ++it) {
    try {
      Undo(*it);
    } catch (const Exception&) {
      // Keep undoing: every other change still goes back.
    }
  }
  Clear();
}

void TMigrationJournal::Clear() {
  FSteps.clear();
  FNames.clear();
}

void TMigrationJournal::Undo(const TStep& step) {
  switch (step.Kind) {
    case TKind::Created:
      delete step.Subject;
      return;
    case TKind::Renamed:
      step.Subject->SetName(FNames[static_cast<size_t>(step.Index)]);
      return;
    case TKind::Closed:
      static_cast<TDataSet*>(step.Subject)->Open();
      return;
    case TKind::FieldMoved: {
      auto* field = static_cast<TField*>(step.Subject);
      field->SetDataSet(static_cast<TDataSet*>(step.Other));
      field->SetIndex(step.Index);
      return;
    }
    case TKind::Retargeted:
      static_cast<TDataSource*>(step.Subject)->SetDataSet(static_cast<TDataSet*>(step.Other));
      return;
    case TKind::LookupRetargeted:
      static_cast<TField*>(step.Subject)->SetLookupDataSet(static_cast<TDataSet*>(step.Other));
      return;
  }
}
