#include "library/MySQLTable.h"

#include "library/DatabaseSession.h"
#include "library/OmbrixAbout.h"
#include "library/ServerValues.h"

namespace {

std::vector<String> SplitNames(StringView names) {
  std::vector<String> result;
  size_t start = 0;
  while (start <= names.size()) {
    size_t end = names.find(';', start);
    if (end == StringView::npos) end = names.size();
    String name = Trim(names.substr(start, end - start));
    if (!name.empty()) result.push_back(std::move(name));
    start = end + 1;
  }
  return result;
}

String JoinNames(const std::vector<String>& names) {
  String joined;
  for (const String& name : names) joined += (joined.empty() ? STR("") : STR(";")) + name;
  return joined;
}

TIndexOptions IndexOptionsOf(const TIndexDescription& index) {
  TIndexOptions options = 0;
  if (index.Primary) options |= SetBit(TIndexOption::ixPrimary);
  if (index.Unique) options |= SetBit(TIndexOption::ixUnique);
  if (index.Descending) options |= SetBit(TIndexOption::ixDescending);
  if (index.IsExpression) options |= SetBit(TIndexOption::ixExpression);
  return options;
}

}  // namespace

const TClassInfo& TmySQLTable::StaticClass() {
  static const TClassInfo info = [] {
    using T = TmySQLTable;
    auto notStored = [](const T*) { return false; };
    TClassBuilder<T, TmySQLDataSet> builder(STR("TmySQLTable"));
    builder.Creatable()
        .Unit(STR("Mysqldbtables"))
        .Prop(STR("FieldDefs"), &T::FieldDefs, &T::SetFieldDefs)
        .StoredIf(notStored)
        .Prop(STR("IndexDefs"), &T::IndexDefs, &T::SetIndexDefs)
        .StoredIf(notStored)
        .Prop(STR("IndexFieldNames"), &T::IndexFieldNames, &T::SetIndexFieldNames)
        .Prop(STR("IndexName"), &T::IndexName, &T::SetIndexName)
        .Prop(STR("MasterFields"), &T::MasterFields, &T::SetMasterFields)
        .Prop(STR("MasterSource"), &T::MasterSource, &T::SetMasterSource)
        .Prop(STR("TableName"), &T::TableName, &T::SetTableName, &TypeInfoFileName());
    return builder.Build();
  }();
  return info;
}

TmySQLTable::TmySQLTable(TComponent* owner) : TmySQLDataSet(owner) {}

void TmySQLTable::SetTableName(const String& value) {
  if (value == FTableName) return;
  CheckInactive();
  FTableName = value;
  FieldDefs()->SetUpdated(false);
  IndexDefs()->SetUpdated(false);
}

void TmySQLTable::SetIndexName(const String& value) {
  FIndexName = value;
  FIndexFieldNames.clear();
  if (Active()) Refresh();
}

void TmySQLTable::SetIndexFieldNames(const String& value) {
  FIndexFieldNames = value;
  FIndexName.clear();
  if (Active()) Refresh();
}

void TmySQLTable::SetMasterFields(const String& value) {
  FMasterFields = value;
  if (Active()) Refresh();
}

void TmySQLTable::InternalInitFieldDefs() {
  if (FTableName.empty()) DatabaseError(STR("No table name specified"), this);
  DefineFields(Session().DescribeTable(FTableName));
}

void TmySQLTable::UpdateIndexDefs() {
  std::vector<TIndexDescription> indexes;
  if (!FTableName.empty()) indexes = Session().Indexes(FTableName);
  TIndexDefs* defs = IndexDefs();
  defs->BeginUpdate();
  defs->Clear();
  for (const TIndexDescription& index : indexes) {
    TIndexDef* def = defs->AddIndexDef();
    def->SetName(index.Name);
    def->SetFields(JoinNames(index.Fields));
    def->SetOptions(IndexOptionsOf(index));
    def->SetExpression(index.Expression);
    def->SetDescFields(JoinNames(index.DescendingFields));
  }
  defs->EndUpdate();
}

void TmySQLTable::GetIndexNames(TStringList& list) {
  list.BeginUpdate();
  list.Clear();
  // A table that names no table or connection has no indexes to offer.
  if (Database() != nullptr && !FTableName.empty()) {
    IndexDefs()->SetUpdated(false);
    IndexDefs()->Update();
    for (int i = 0; i < IndexDefs()->Count(); ++i) {
      const String& name = IndexDefs()->Items(i)->Name();
      if (!name.empty()) list.Add(name);
    }
  }
  list.EndUpdate();
}

std::vector<String> TmySQLTable::IndexFields() {
  if (!FIndexFieldNames.empty()) return SplitNames(FIndexFieldNames);
  TIndexDefs* defs = IndexDefs();
  defs->Update();
  if (!FIndexName.empty()) return SplitNames(defs->Find(FIndexName)->Fields());
  for (int i = 0; i < defs->Count(); ++i) {
    if (InSet(defs->Items(i)->Options(), TIndexOption::ixPrimary)) {
      return SplitNames(defs->Items(i)->Fields());
    }
  }
  return {};
}

int TmySQLTable::GetIndexFieldCount() {
  return static_cast<int>(IndexFields().size());
}

TField* TmySQLTable::GetIndexField(int index) {
  const std::vector<String> fields = IndexFields();
  if (index < 0 || static_cast<size_t>(index) >= fields.size()) {
    return TmySQLDataSet::GetIndexField(index);  // raises the range error
  }
  return FieldByName(fields[static_cast<size_t>(index)]);
}

std::vector<Variant> TmySQLTable::MasterValues() {
  std::vector<Variant> values;
  const TDataSource* source = MasterSource();
  if (source == nullptr || source->DataSet() == nullptr || !source->DataSet()->Active()) {
    return values;  // a master that is not open restricts nothing
  }
  for (const String& name : SplitNames(FMasterFields)) {
    values.push_back(source->DataSet()->FieldByName(name)->Value());
  }
  return values;
}

TTableRequest TmySQLTable::Request() {
  TTableRequest request;
  request.Table = FTableName;
  request.OrderBy = IndexFields();
  const std::vector<Variant> master = MasterValues();
  if (master.size() > request.OrderBy.size()) {
    DatabaseError(STR("MasterFields names more fields than the index of the table has"), this);
  }
  for (size_t i = 0; i < master.size(); ++i) {
    const String& field = request.OrderBy[i];
    request.Equal.push_back(
        ServerParam(field, master[i], FieldDefs()->FieldDefByName(field)->DataType()));
  }
  return request;
}

void TmySQLTable::InternalOpen() {
  ReadRows([this] { return Session().SelectTable(Request(), static_cast<size_t>(MaxRows())); });
}

void TmySQLTable::InternalRefresh() {
  InternalOpen();
}
