#include "library/MySQLDataSet.h"

#include <algorithm>
#include <iterator>

#include "library/DatabaseSession.h"
#include "library/MySQLUpdateSQL.h"
#include "library/OmbrixAbout.h"
#include "library/ServerValues.h"

const TClassInfo& TmySQLDataSet::StaticClass() {
  static const TClassInfo info = [] {
    using T = TmySQLDataSet;
    TClassBuilder<T, TDataSet> builder(STR("TmySQLDataSet"));
    builder.Prop(STR("CachedUpdates"), &T::CachedUpdates, &T::SetCachedUpdates, nullptr, 0)
        .Prop(STR("Database"), &T::Database, &T::SetDatabase)
        .Prop(STR("MaxRows"), &T::MaxRows, &T::SetMaxRows, nullptr, 100000)
        .Prop(STR("UpdateObject"), &T::UpdateObject, &T::SetUpdateObject)
        .Prop(STR("Filter"), &T::Filter, &T::SetFilter)
        .Prop(STR("Filtered"), &T::Filtered, &T::SetFiltered, nullptr, 0)
        .Prop(STR("FilterOptions"), &T::FilterOptions, &T::SetFilterOptions,
              &TypeInfoFilterOptions(), 0)
        .Prop(STR("Active"), &T::Active, &T::SetPublishedActive, nullptr, 0)
        .WrittenAs(&T::StoredActive);
    return WithAbout(builder).Build();
  }();
  return info;
}

TmySQLDataSet::TmySQLDataSet(TComponent* owner) : TDataSet(owner) {}

void TmySQLDataSet::SetPublishedActive(bool value) {
  if ((ComponentState() & csLoading) != 0) {
    FStoredActive = value;
  } else {
    SetActive(value);
  }
}

TmySQLDataSet::~TmySQLDataSet() {
  if (FDatabase != nullptr) FDatabase->RemoveDataSet(this);
  if (FUpdateObject != nullptr && FUpdateObject->DataSet() == this) {
    FUpdateObject->SetDataSet(nullptr);
  }
}

void TmySQLDataSet::SetDatabase(TmySQLDatabase* value) {
  if (value == FDatabase) return;
  CheckInactive();
  if (FDatabase != nullptr) FDatabase->RemoveDataSet(this);
  FDatabase = value;
  if (value != nullptr) {
    value->AddDataSet(this);
    FreeNotification(value);
  }
  // What the old connection described says nothing about the new one.
  FieldDefs()->SetUpdated(false);
  IndexDefs()->SetUpdated(false);
}

void TmySQLDataSet::SetUpdateObject(TmySQLSQLUpdateObject* value) {
  if (value == FUpdateObject) return;
  if (FUpdateObject != nullptr && FUpdateObject->DataSet() == this) {
    FUpdateObject->SetDataSet(nullptr);
  }
  FUpdateObject = value;
  if (value != nullptr) {
    FreeNotification(value);
    value->SetDataSet(this);
  }
}

void TmySQLDataSet::SetMaxRows(int value) {
  if (value < 1) DatabaseError(STR("MaxRows must be at least 1"), this);
  FMaxRows = value;
}

void TmySQLDataSet::Notification(TComponent* component, TOperation operation) {
  TDataSet::Notification(component, operation);
  if (operation != TOperation::opRemove) return;
  if (component == FDatabase) FDatabase = nullptr;
  if (component == FUpdateObject) FUpdateObject = nullptr;
}

int TmySQLDataSet::GetIndexFieldCount() {
  return 0;
}

TField* TmySQLDataSet::GetIndexField(int index) {
  const int count = GetIndexFieldCount();
  if (index < 0 || index >= count) {
    DatabaseError(
        STR("Index field ") + IntToStr(index) + STR(" out of range 0 to ") + IntToStr(count - 1),
        this);
  }
  return nullptr;
}

TServerSession& TmySQLDataSet::Session() {
  if (FDatabase == nullptr) DatabaseError(STR("Database not assigned"), this);
  return ConnectedSession(*FDatabase);
}

void TmySQLDataSet::DefineFields(const std::vector<TColumnDescription>& columns) {
  TFieldDefs* defs = FieldDefs();
  defs->BeginUpdate();
  defs->Clear();
  for (const TColumnDescription& column : columns) {
    // A join may name two columns alike; the second becomes NAME_1, as the host does.
    String name = column.Name.empty() ? STR("COLUMN") + IntToStr(defs->Count() + 1) : column.Name;
    for (int n = 1; defs->IndexOf(name) >= 0; ++n) name = column.Name + STR("_") + IntToStr(n);
    // A column of no known type (a bare NULL) reads as text.
    const TFieldType type =
        column.DataType == TFieldType::ftUnknown ? TFieldType::ftString : column.DataType;
    TFieldDef* def = defs->Add(name, type, static_cast<int>(column.Size),
                               column.Required && !column.AutoIncrement);
    if (type == TFieldType::ftBCD || type == TFieldType::ftFMTBcd) {
      def->SetSize(static_cast<int>(column.Scale));
      def->SetPrecision(static_cast<int>(column.Precision));
    }
  }
  defs->EndUpdate();
}

void TmySQLDataSet::ReadRows(const std::function<TResultSet()>& read) {
  FMasterValues = MasterValues();
  const TResultSet result = read();
  const TFieldDefs* defs = FieldDefs();
  if (result.Columns.size() != static_cast<size_t>(defs->Count())) {
    DatabaseError(STR("The server returned ") +
                      IntToStr(static_cast<int64_t>(result.Columns.size())) +
                      STR(" columns where ") + IntToStr(defs->Count()) + STR(" were described"),
                  this);
  }
  ClearRecords();
  for (const TRow& row : result.Rows) {
    std::vector<Variant> values;
    values.reserve(row.size());
    for (size_t i = 0; i < row.size(); ++i) {
      values.push_back(VariantFromServer(row[i], defs->Items(static_cast<int>(i))->DataType()));
    }
    AppendRecord(std::move(values));
  }
  FTruncated = result.Truncated;
}

void TmySQLDataSet::MasterChanged() {
  if (Active() && MasterValues() != FMasterValues) Refresh();
}
