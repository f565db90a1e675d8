#pragma once
// Datasets and handlers for the database tests.
#include <string>
#include <vector>

#include "db/DataSet.h"

// A dataset over fixed columns and rows, counting how often it is asked to describe itself.
class TMemDataSet : public TDataSet {
  OMBRIX_CLASS(TMemDataSet)
  explicit TMemDataSet(TComponent* owner) : TDataSet(owner) {}

  struct Column {
    String name;
    TFieldType type;
    int size = 0;
    bool required = false;
  };
  std::vector<Column> Columns;
  std::vector<std::vector<Variant>> Rows;
  std::vector<std::vector<String>> Indexes;  // name, fields, options bits as text
  int FieldDefUpdates = 0;
  int IndexDefUpdates = 0;

 protected:
  void InternalInitFieldDefs() override;
  void InternalOpen() override;
  void UpdateIndexDefs() override;
};

// A component whose methods record the events that call them, by the method's name.
class TRecorder : public TComponent {
  OMBRIX_CLASS(TRecorder)
  explicit TRecorder(TComponent* owner) : TComponent(owner) {}
  std::vector<std::string> Log;
  // What the error handlers answer.
  TDataAction ErrorAction = TDataAction::daFail;
  // Values of the field named "Id" that OnFilterRecord lets through; empty lets all through.
  std::vector<int64_t> Accept;
  TMethod Handler(const char* name);
};

// Hooks every event slot of the dataset to the recorder's method of the same name.
void HookAllEvents(TDataSet& dataSet, TRecorder& recorder);
String S(const char* utf8);
