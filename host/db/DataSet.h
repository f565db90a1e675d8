#pragma once
// A dataset: fields over an in-memory store of records that a descendant fills when it opens
// (InternalInitFieldDefs describes the columns, InternalOpen adds the records), with navigation,
// editing, filtering, a master link and the host's 24 event slots.
//
// Event signatures (handlers are invoked by name through CallMethod):
//   Before.../After..., OnCalcFields, OnNewRecord  void(TDataSet* dataSet)
//   OnFilterRecord                                 void(TDataSet* dataSet, bool& accept)
//   OnDeleteError, OnEditError, OnPostError        void(TDataSet*, EDatabaseError&, TDataAction&)
#include <memory>
#include <vector>

#include "classes/Component.h"
#include "classes/Sets.h"
#include "classes/SparseArray.h"
#include "classes/StringList.h"
#include "db/FieldDefs.h"
#include "db/Fields.h"
#include "db/IndexDefs.h"

class TDataSource;
class TFilterExpression;

enum class TDataSetState { dsInactive, dsBrowse, dsEdit, dsInsert, dsCalcFields, dsFilter };
enum class TDataAction { daFail, daAbort, daRetry };

enum class TFilterOption { foCaseInsensitive, foNoPartialCompare };
using TFilterOptions = uint8_t;  // a set of TFilterOption
const TTypeInfo& TypeInfoFilterOptions();

// The event slots, in the host's order; published under these names.
enum class TDataSetEvent {
  BeforeOpen,
  AfterOpen,
  BeforeClose,
  AfterClose,
  BeforeInsert,
  AfterInsert,
  BeforeEdit,
  AfterEdit,
  BeforePost,
  AfterPost,
  BeforeCancel,
  AfterCancel,
  BeforeDelete,
  AfterDelete,
  BeforeScroll,
  AfterScroll,
  BeforeRefresh,
  AfterRefresh,
  OnCalcFields,
  OnDeleteError,
  OnEditError,
  OnFilterRecord,
  OnNewRecord,
  OnPostError
};
inline constexpr int kDataSetEventCount = 24;
// The published name of an event slot ("BeforeOpen", ...).
String DataSetEventName(TDataSetEvent event);

class TDataSet : public TComponent {
  OMBRIX_CLASS(TDataSet)
  explicit TDataSet(TComponent* owner);
  ~TDataSet() override;

  // --- opening and closing ---
  bool Active() const { return FState != TDataSetState::dsInactive; }
  // While a form file loads, opening waits for Loaded.
  void SetActive(bool value);
  void Open() { SetActive(true); }
  // Discards a pending edit, as the host does.
  void Close() { SetActive(false); }
  TDataSetState State() const { return FState; }

  // --- fields ---
  TFields& Fields() { return FFields; }
  const TFields& Fields() const { return FFields; }
  int FieldCount() const { return FFields.Count(); }
  TField* FindField(StringView fieldName) const { return FFields.FindField(fieldName); }
  TField* FieldByName(StringView fieldName) const { return FFields.FieldByName(fieldName); }
  // The fields of a ";"-separated list, in its order; raises "Field 'X' not found".
  std::vector<TField*> GetFieldList(StringView fieldNames) const;
  // True while open with fields made from FieldDefs because it had no persistent fields.
  bool DefaultFields() const { return FDefaultFields; }
  // The names of the fields, or, without fields, of the (updated) field definitions.
  void GetFieldNames(TStringList& list);
  // Reading the definitions lets a descendant describe itself first (FieldDefsRead).
  TFieldDefs* FieldDefs() const;
  void SetFieldDefs(TFieldDefs* value) { FFieldDefs->Assign(value); }
  TIndexDefs* IndexDefs() const { return FIndexDefs.get(); }
  void SetIndexDefs(TIndexDefs* value) { FIndexDefs->Assign(value); }

  // --- master link ---
  // The data source this dataset takes its master from (a table's MasterSource, a query's
  // DataSource). Raises "Circular datalinks are not allowed" for a link back to itself.
  TDataSource* DataSource() const { return FDataSource; }
  void SetDataSource(TDataSource* value);
  // True when dataSource leads back to this dataset through the master links of the datasets
  // it serves.
  bool IsLinkedTo(const TDataSource* dataSource) const;

  // --- events ---
  const TMethod& Event(TDataSetEvent event) const;
  // Changing OnFilterRecord of an open, filtered dataset filters its records again.
  void SetEvent(TDataSetEvent event, const TMethod& handler);

  // --- filtering: Filter is an expression over field names (=, <>, <, >, <=, >=, IS [NOT]
  // NULL, AND, OR, NOT, parentheses; 'text*' matches a prefix); OnFilterRecord decides too ---
  const String& Filter() const { return FFilter; }
  // Raises the database error for a malformed expression (its position in the text).
  void SetFilter(const String& value);
  bool Filtered() const { return FFiltered; }
  void SetFiltered(bool value);
  TFilterOptions FilterOptions() const { return FFilterOptions; }
  void SetFilterOptions(TFilterOptions value);

  // --- navigation over the records that pass the filter ---
  void First();
  void Last();
  void Next() { MoveBy(1); }
  void Prior() { MoveBy(-1); }
  int MoveBy(int distance);
  bool Bof() const { return FBof; }
  bool Eof() const { return FEof; }
  bool IsEmpty() const { return FView.empty(); }
  int RecordCount() const { return static_cast<int>(FView.size()); }
  // 1-based; 0 when empty or inserting.
  int RecNo() const;
  void SetRecNo(int value);
  // Moves to the first record whose key fields equal the values; false leaves the cursor.
  bool Locate(StringView keyFields, const std::vector<Variant>& values);
  // The result fields' value (";"-separated names give the first) of the first record whose key
  // fields equal the values, without moving; null when none.
  Variant Lookup(StringView keyFields, const std::vector<Variant>& values,
                 StringView resultField) const;

  // --- editing ---
  void Append();
  void Insert();
  void Edit();
  void Post();
  void Cancel();
  void Delete();
  void Refresh();
  // Posts a pending edit.
  void CheckBrowseMode();
  virtual bool CanModify() const { return true; }

  // Values of the current record (null without one); see TField.
  Variant GetFieldValue(const TField& field) const;
  void SetFieldValue(TField& field, const Variant& value);

  void Loaded() override;
  void Notification(TComponent* component, TOperation operation) override;
  void GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) const override;

 protected:
  // Describes the columns in FieldDefs. The default keeps the definitions given.
  virtual void InternalInitFieldDefs() {}
  // Called on every read of FieldDefs, before it is returned. The default does nothing.
  virtual void FieldDefsRead() {}
  // Adds the records with AppendRecord, after the field definitions are up to date.
  virtual void InternalOpen() {}
  // A descendant that holds resources closes in its own destructor: by the time TDataSet's
  // destructor closes, the descendant's overrides no longer run.
  virtual void InternalClose() {}
  // Fetches the records again (ClearRecords, AppendRecord). The default keeps them.
  virtual void InternalRefresh() {}
  // Checks and write-backs around editing; an EDatabaseError raised here goes through
  // OnEditError, OnPostError or OnDeleteError. The default InternalPost checks required fields.
  virtual void InternalEdit() {}
  virtual void InternalPost();
  virtual void InternalDelete() {}
  // Describes the indexes in IndexDefs. The default keeps the definitions given.
  virtual void UpdateIndexDefs() {}
  // The master (DataSource) changed state or moved to another record, or a value of it
  // changed. The default does nothing.
  virtual void MasterChanged() {}

  // Adds a record, values in FieldDefs order.
  void AppendRecord(std::vector<Variant> values);
  void ClearRecords();
  void CheckActive() const;
  void CheckInactive() const;
  void DoEvent(TDataSetEvent event);
  void CheckRequiredFields();

 private:
  friend class TFieldDefs;
  friend class TIndexDefs;
  friend class TField;
  friend class TDataSource;

  using Row = std::vector<Variant>;
  void DoOpen();
  void DoClose();
  void BindFields();
  void CreateDefaultFields();
  void DestroyDefaultFields();
  void BuildView();
  void CalculateFields();
  bool RecordMatches(const Row& row, const std::vector<TField*>& keys,
                     const std::vector<Variant>& values) const;
  bool AcceptRecord(const Row& row);
  const Row* ActiveRow() const;
  void SetState(TDataSetState state);
  void MoveTo(int index);
  // Filters again and goes to the first record.
  void Refilter();
  void BeginInsertAppend(bool append);
  void CheckOperation(void (TDataSet::*operation)(), TDataSetEvent errorEvent);
  void DataChanged(TField* field);
  void CompileFilter();

  TFields FFields;
  std::unique_ptr<TFieldDefs> FFieldDefs;
  std::unique_ptr<TIndexDefs> FIndexDefs;
  TDataSource* FDataSource = nullptr;
  std::vector<TDataSource*> FDataSources;  // the data sources that serve this dataset
  TSparseArray<TMethod, kDataSetEventCount> FEvents;
  String FFilter;
  std::unique_ptr<TFilterExpression> FFilterExpression;
  bool FFiltered = false;
  TFilterOptions FFilterOptions = 0;
  TDataSetState FState = TDataSetState::dsInactive;
  bool FStreamedActive = false;
  bool FDefaultFields = false;

  std::vector<Row> FRecords;
  std::vector<size_t> FView;  // indexes into FRecords of the records that pass the filter
  int FCurrent = 0;           // position in FView
  bool FBof = true;
  bool FEof = true;
  Row FBuffer;                            // the record being edited or inserted
  size_t FInsertAt = 0;                   // where an inserted record goes in FRecords
  mutable const Row* FTempRow = nullptr;  // a record being filtered or looked at
  std::vector<Variant> FCalcValues;       // calculated and lookup values of the active record
};
