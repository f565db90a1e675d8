#pragma once
// What a migration run has changed so far, so that a run that fails can put every form back as
// it was before the run.
#include <vector>

#include "db/DataSource.h"

class TMigrationJournal {
 public:
  void Created(TComponent* component);
  void Renamed(TComponent* component, const String& oldName);
  void Closed(TDataSet* dataSet, bool wasActive);
  // The field was at index in from before it moved.
  void FieldMoved(TField* field, TDataSet* from, int index);
  void Retargeted(TDataSource* source, TDataSet* old);
  void LookupRetargeted(TField* field, TDataSet* old);

  // Undoes every change, last first. Changes are undone as far as they can be; a step that
  // fails does not keep the others from being undone.
  void Rollback() noexcept;
  // The run succeeded: forget the changes.
  void Clear();

 private:
  enum class TKind : uint8_t { Created, Renamed, Closed, FieldMoved, Retargeted, LookupRetargeted };
  // Small and plain: a run over many forms writes several steps per dataset.
  struct TStep {
    TKind Kind;
    int Index;  // FieldMoved: the field's index; Renamed: the old name in FNames
    TComponent* Subject;
    TComponent* Other;
  };
  void Undo(const TStep& step);
  std::vector<TStep> FSteps;
  std::vector<String> FNames;
};
