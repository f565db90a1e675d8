#include "comp/TableFieldLinkProperty.h"

#include <memory>

#include "fldlinks/LinkFields.h"
#include "library/MySQLTable.h"

const TClassInfo& TmySQLTableFieldLinkProperty::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TmySQLTableFieldLinkProperty, TmySQLFieldLinkProperty>(
          STR("TmySQLTableFieldLinkProperty"))
          .Build();
  return info;
}

void TmySQLTableFieldLinkProperty::Edit() {
  TmySQLTable* table = As<TmySQLTable>(GetDataSet());
  const auto temporary = std::make_unique<TmySQLTable>(nullptr);
  struct TForget {
    TmySQLTable*& Table;
    ~TForget() { Table = nullptr; }
  } forget{FTable};
  FTable = temporary.get();
  // Only its fields and indexes are wanted, not the rows.
  FTable->SetMaxRows(1);
  FTable->SetDatabase(table->Database());
  FTable->SetTableName(table->TableName());
  if (!table->IndexFieldNames().empty()) {
    FTable->SetIndexFieldNames(table->IndexFieldNames());
  } else {
    FTable->SetIndexName(table->IndexName());
  }
  FTable->SetMasterFields(table->MasterFields());
  FTable->Open();

  TmySQLFieldLinkProperty::Edit();
  if (!Changed()) return;
  // An open table reads its rows again on each change. Without master fields in between, it
  // never pairs more master fields than its index has, whether the link grows or shrinks.
  table->SetMasterFields(String());
  if (!FTable->IndexFieldNames().empty()) {
    table->SetIndexFieldNames(FTable->IndexFieldNames());
  } else {
    table->SetIndexName(FTable->IndexName());
  }
  table->SetMasterFields(FTable->MasterFields());
}

void TmySQLTableFieldLinkProperty::GetFieldNamesForIndex(TStringList& list) {
  const int count = FTable->GetIndexFieldCount();
  for (int i = 0; i < count; ++i) list.Add(FTable->GetIndexField(i)->FieldName());
}

bool TmySQLTableFieldLinkProperty::GetIndexBased() {
  return true;
}

TIndexDefs* TmySQLTableFieldLinkProperty::GetIndexDefs() {
  return FTable->IndexDefs();
}

String TmySQLTableFieldLinkProperty::GetIndexFieldNames() {
  return FTable->IndexFieldNames();
}

String TmySQLTableFieldLinkProperty::GetIndexName() {
  return FTable->IndexName();
}

String TmySQLTableFieldLinkProperty::GetMasterFields() {
  return FTable->MasterFields();
}

void TmySQLTableFieldLinkProperty::SetIndexFieldNames(const String& value) {
  FTable->SetIndexFieldNames(value);
}

void TmySQLTableFieldLinkProperty::SetIndexName(const String& value) {
  FTable->SetIndexName(value == SPrimary ? String() : value);
}

void TmySQLTableFieldLinkProperty::SetMasterFields(const String& value) {
  FTable->SetMasterFields(value);
}
