#include "db/DataSet.h"

#include <algorithm>

#include "db/DBClasses.h"
#include "db/DataSource.h"
#include "db/FilterExpression.h"
#include "db/VariantCompare.h"

namespace {

constexpr std::array<const Char*, kDataSetEventCount> kEventNames = {
    STR("BeforeOpen"),    STR("AfterOpen"),      STR("BeforeClose"),  STR("AfterClose"),
    STR("BeforeInsert"),  STR("AfterInsert"),    STR("BeforeEdit"),   STR("AfterEdit"),
    STR("BeforePost"),    STR("AfterPost"),      STR("BeforeCancel"), STR("AfterCancel"),
    STR("BeforeDelete"),  STR("AfterDelete"),    STR("BeforeScroll"), STR("AfterScroll"),
    STR("BeforeRefresh"), STR("AfterRefresh"),   STR("OnCalcFields"), STR("OnDeleteError"),
    STR("OnEditError"),   STR("OnFilterRecord"), STR("OnNewRecord"),  STR("OnPostError")};

const TTypeInfo& EventType(TDataSetEvent event) {
  switch (event) {
    case TDataSetEvent::OnFilterRecord:
      return TypeInfoMethod(STR("TFilterRecordEvent"));
    case TDataSetEvent::OnDeleteError:
    case TDataSetEvent::OnEditError:
    case TDataSetEvent::OnPostError:
      return TypeInfoMethod(STR("TDataSetErrorEvent"));
    default:
      return TypeInfoMethod(STR("TDataSetNotifyEvent"));
  }
}

TClassInfo BuildDataSetClass() {
  TClassBuilder<TDataSet, TComponent> builder(STR("TDataSet"));
  for (int i = 0; i < kDataSetEventCount; ++i) {
    const auto event = static_cast<TDataSetEvent>(i);
    builder.Prop(
        kEventNames[static_cast<size_t>(i)], [event](const TDataSet* d) { return d->Event(event); },
        [event](TDataSet* d, const TMethod& m) { d->SetEvent(event, m); }, &EventType(event));
  }
  return builder.Build();
}

bool IsEditing(TDataSetState state) {
  return state == TDataSetState::dsEdit || state == TDataSetState::dsInsert;
}

}  // namespace

const TTypeInfo& TypeInfoFilterOptions() {
  static const TTypeInfo info{TTypeKind::tkSet,
                              STR("TFilterOptions"),
                              {STR("foCaseInsensitive"), STR("foNoPartialCompare")},
                              nullptr};
  return info;
}

String DataSetEventName(TDataSetEvent event) {
  return kEventNames[static_cast<size_t>(event)];
}

const TClassInfo& TDataSet::StaticClass() {
  static const TClassInfo info = BuildDataSetClass();
  return info;
}

TDataSet::TDataSet(TComponent* owner)
    : TComponent(owner),
      FFields(this),
      FFieldDefs(std::make_unique<TFieldDefs>(this)),
      FIndexDefs(std::make_unique<TIndexDefs>(this)) {
  HearWatchedRemovalsOnly();
}

TDataSet::~TDataSet() {
  SetComponentStateFlag(csDestroying, true);
  if (Active()) DoClose();
  while (!FDataSources.empty()) FDataSources.back()->SetDataSet(nullptr);
  SetDataSource(nullptr);
  // Persistent fields go with their dataset, as in the host.
  FFields.Clear();
}

// --- opening and closing ---

void TDataSet::SetActive(bool value) {
  if ((ComponentState() & csLoading) != 0) {
    FStreamedActive = value;
    return;
  }
  if (value == Active()) return;
  if (value) {
    DoEvent(TDataSetEvent::BeforeOpen);
    DoOpen();
    DoEvent(TDataSetEvent::AfterOpen);
    if (!IsEmpty()) DoEvent(TDataSetEvent::AfterScroll);
  } else {
    DoEvent(TDataSetEvent::BeforeClose);
    DoClose();
    DoEvent(TDataSetEvent::AfterClose);
  }
}

void TDataSet::DoOpen() {
  try {
    FFieldDefs->SetUpdated(false);
    FFieldDefs->Update();
    if (FFields.Count() == 0) {
      FDefaultFields = true;
      CreateDefaultFields();
    }
    BindFields();
    InternalOpen();
    CompileFilter();
    SetState(TDataSetState::dsBrowse);
    BuildView();
    MoveTo(0);
    FBof = true;
  } catch (...) {
    DoClose();
    throw;
  }
}

void TDataSet::DoClose() {
  FState = TDataSetState::dsInactive;
  FBuffer.clear();
  InternalClose();
  ClearRecords();
  FView.clear();
  FCalcValues.clear();
  FBof = FEof = true;
  for (TField* f : FFields) {
    f->FFieldNo = 0;
    f->FCalcSlot = -1;
  }
  if (FDefaultFields) DestroyDefaultFields();
  FDefaultFields = false;
  if ((ComponentState() & csDestroying) == 0) {
    for (TDataSource* ds : FDataSources) ds->StateChanged();
  }
}

void TDataSet::CreateDefaultFields() {
  for (int i = 0; i < FFieldDefs->Count(); ++i) {
    const TFieldDef* def = FFieldDefs->Items(i);
    const TClassInfo* cls = DefaultFieldClass(def->DataType());
    if (cls == nullptr) {
      DatabaseError(STR("Field '") + def->Name() + STR("' is of an unknown type"), this);
    }
    auto* field = static_cast<TField*>(cls->Create(this));
    field->FFieldName = def->Name();
    if (def->Size() > 0) field->FSize = def->Size();
    field->SetRequired(def->Required());
    field->FDataSet = this;
    FFields.Add(field);
  }
}

void TDataSet::DestroyDefaultFields() {
  FFields.Clear();
}

void TDataSet::BindFields() {
  int calcSlots = 0;
  for (TField* f : FFields) {
    if (f->FieldKind() != TFieldKind::fkData) {
      f->FCalcSlot = calcSlots++;
      continue;
    }
    const TFieldDef* def = FFieldDefs->Find(f->FieldName());
    if (def == nullptr) f->FieldError(STR("not found"));
    const bool generic = f->DataType() == TFieldType::ftUnknown;
    if (!generic && f->DataType() != def->DataType() &&
        &f->ClassType() != DefaultFieldClass(def->DataType())) {
      auto typeName = [](TFieldType t) {
        return GetEnumName(TypeInfoFieldType(), static_cast<int64_t>(t)).substr(2);
      };
      DatabaseError(STR("Type mismatch for field '") + f->DisplayName() + STR("', expecting: ") +
                        typeName(f->DataType()) + STR(" actual: ") + typeName(def->DataType()),
                    this);
    }
    f->FFieldNo = def->FieldNo();
  }
  FCalcValues.assign(static_cast<size_t>(calcSlots), Variant());
}

void TDataSet::Loaded() {
  TComponent::Loaded();
  if (FStreamedActive) {
    FStreamedActive = false;
    SetActive(true);
  }
}

void TDataSet::CheckActive() const {
  if (!Active())
    DatabaseError(STR("Cannot perform this operation on a closed dataset"),
                  const_cast<TDataSet*>(this));
}

void TDataSet::CheckInactive() const {
  if (Active())
    DatabaseError(STR("Cannot perform this operation on an open dataset"),
                  const_cast<TDataSet*>(this));
}

void TDataSet::DoEvent(TDataSetEvent event) {
  CallMethod<void, TDataSet*>(Event(event), this);
}

const TMethod& TDataSet::Event(TDataSetEvent event) const {
  return FEvents[static_cast<size_t>(event)];
}

void TDataSet::SetEvent(TDataSetEvent event, const TMethod& handler) {
  FEvents.Set(static_cast<size_t>(event), handler);
  if (event == TDataSetEvent::OnFilterRecord && Active() && FFiltered) Refilter();
}

void TDataSet::SetState(TDataSetState state) {
  if (state == FState) return;
  FState = state;
  for (TDataSource* ds : FDataSources) ds->StateChanged();
}

void TDataSet::DataChanged(TField* field) {
  for (TDataSource* ds : FDataSources) ds->DataChanged(field);
}

// --- fields ---

std::vector<TField*> TDataSet::GetFieldList(StringView fieldNames) const {
  std::vector<TField*> result;
  size_t start = 0;
  while (start <= fieldNames.size()) {
    size_t end = fieldNames.find(';', start);
    if (end == StringView::npos) end = fieldNames.size();
    const String name = Trim(fieldNames.substr(start, end - start));
    if (!name.empty()) result.push_back(FieldByName(name));
    start = end + 1;
  }
  return result;
}

TFieldDefs* TDataSet::FieldDefs() const {
  const_cast<TDataSet*>(this)->FieldDefsRead();
  return FFieldDefs.get();
}

void TDataSet::GetFieldNames(TStringList& list) {
  list.BeginUpdate();
  list.Clear();
  if (FFields.Count() > 0) {
    for (TField* f : FFields) list.Add(f->FieldName());
  } else {
    FFieldDefs->Update();
    for (int i = 0; i < FFieldDefs->Count(); ++i) list.Add(FFieldDefs->Items(i)->Name());
  }
  list.EndUpdate();
}

void TDataSet::GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) const {
  for (TField* f : FFields) {
    if (f->Owner() == root) proc(f);
  }
}

void TDataSet::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation == TOperation::opRemove && component == FDataSource) FDataSource = nullptr;
}

// --- master link ---

void TDataSet::SetDataSource(TDataSource* value) {
  if (value == FDataSource) return;
  if (value != nullptr && IsLinkedTo(value)) {
    DatabaseError(STR("Circular datalinks are not allowed"), this);
  }
  if (FDataSource != nullptr) {
    auto& details = FDataSource->FDetails;
    details.erase(std::remove(details.begin(), details.end(), this), details.end());
    RemoveFreeNotification(FDataSource);
  }
  FDataSource = value;
  if (value != nullptr) {
    value->FDetails.push_back(this);
    FreeNotification(value);
  }
}

bool TDataSet::IsLinkedTo(const TDataSource* dataSource) const {
  // Both ends refuse circular links, so the walk ends.
  while (dataSource != nullptr) {
    const TDataSet* dataSet = dataSource->DataSet();
    if (dataSet == nullptr) break;
    if (dataSet == this) return true;
    dataSource = dataSet->DataSource();
  }
  return false;
}

// --- records ---

void TDataSet::AppendRecord(std::vector<Variant> values) {
  if (values.size() != static_cast<size_t>(FFieldDefs->Count())) {
    DatabaseError(STR("Record has ") + IntToStr(static_cast<int64_t>(values.size())) +
                      STR(" values for ") + IntToStr(FFieldDefs->Count()) + STR(" columns"),
                  this);
  }
  for (TField* f : FFields) {
    if (f->FFieldNo > 0) {
      Variant& v = values[static_cast<size_t>(f->FFieldNo - 1)];
      if (!VarIsNull(v)) v = f->Convert(v);
    }
  }
  FRecords.push_back(std::move(values));
}

void TDataSet::ClearRecords() {
  FRecords.clear();
}

const TDataSet::Row* TDataSet::ActiveRow() const {
  if (FTempRow != nullptr) return FTempRow;
  if (IsEditing(FState) || (FState == TDataSetState::dsCalcFields && !FBuffer.empty())) {
    return &FBuffer;
  }
  if (FState == TDataSetState::dsInactive || FView.empty()) return nullptr;
  return &FRecords[FView[static_cast<size_t>(FCurrent)]];
}

Variant TDataSet::GetFieldValue(const TField& field) const {
  const Row* row = ActiveRow();
  if (row == nullptr) return Variant();
  if (field.FFieldNo > 0) return (*row)[static_cast<size_t>(field.FFieldNo - 1)];
  if (field.FCalcSlot >= 0) return FCalcValues[static_cast<size_t>(field.FCalcSlot)];
  return Variant();
}

void TDataSet::SetFieldValue(TField& field, const Variant& value) {
  const bool calculating = FState == TDataSetState::dsCalcFields;
  const bool isCalc = field.FCalcSlot >= 0;
  if (isCalc
          ? !(calculating || (IsEditing(FState) && field.FieldKind() == TFieldKind::fkInternalCalc))
          : !IsEditing(FState)) {
    CheckActive();
    DatabaseError(STR("Dataset not in edit or insert mode"), this);
  }
  if (field.ReadOnly() && !calculating) field.FieldError(STR("cannot be modified"));
  if (field.FFieldNo <= 0 && !isCalc) field.FieldError(STR("cannot be modified"));
  Variant& slot = isCalc ? FCalcValues[static_cast<size_t>(field.FCalcSlot)]
                         : FBuffer[static_cast<size_t>(field.FFieldNo - 1)];
  Variant old = slot;
  slot = VarIsNull(value) ? Variant() : field.Convert(value);
  if (calculating) return;
  try {
    CallMethod<void, TField*>(field.OnValidate(), &field);
  } catch (...) {
    slot = std::move(old);
    throw;
  }
  if (!isCalc) CalculateFields();
  CallMethod<void, TField*>(field.OnChange(), &field);
  DataChanged(&field);
}

void TDataSet::CalculateFields() {
  if (FCalcValues.empty()) return;
  std::fill(FCalcValues.begin(), FCalcValues.end(), Variant());
  if (ActiveRow() == nullptr) return;
  const TDataSetState saved = FState;
  FState = TDataSetState::dsCalcFields;
  try {
    for (TField* f : FFields) {
      TDataSet* source = f->LookupDataSet();
      if (!f->Lookup() || source == nullptr || source == this || !source->Active()) continue;
      std::vector<Variant> keys;
      for (TField* k : GetFieldList(f->KeyFields())) keys.push_back(k->Value());
      FCalcValues[static_cast<size_t>(f->FCalcSlot)] =
          source->Lookup(f->LookupKeyFields(), keys, f->LookupResultField());
    }
    DoEvent(TDataSetEvent::OnCalcFields);
  } catch (...) {
    FState = saved;
    throw;
  }
  FState = saved;
}

// --- filtering ---

void TDataSet::SetFilter(const String& value) {
  if (value == FFilter) return;
  const String old = FFilter;
  FFilter = value;
  if (!Active()) return;
  try {
    CompileFilter();
  } catch (...) {
    FFilter = old;
    throw;
  }
  if (FFiltered) Refilter();
}

void TDataSet::SetFiltered(bool value) {
  if (value == FFiltered) return;
  FFiltered = value;
  if (Active()) Refilter();
}

void TDataSet::SetFilterOptions(TFilterOptions value) {
  if (value == FFilterOptions) return;
  FFilterOptions = value;
  if (Active() && FFiltered) Refilter();
}

void TDataSet::CompileFilter() {
  FFilterExpression.reset();
  if (!Trim(FFilter).empty()) {
    FFilterExpression = std::make_unique<TFilterExpression>(FFilter, *this);
  }
}

bool TDataSet::AcceptRecord(const Row& row) {
  if (!FFiltered) return true;
  FTempRow = &row;
  const TDataSetState saved = FState;
  bool accept = true;
  try {
    CalculateFields();
    FState = TDataSetState::dsFilter;
    if (FFilterExpression) accept = FFilterExpression->Evaluate(FFilterOptions);
    if (accept)
      CallMethod<void, TDataSet*, bool&>(Event(TDataSetEvent::OnFilterRecord), this, accept);
  } catch (...) {
    FState = saved;
    FTempRow = nullptr;
    throw;
  }
  FState = saved;
  FTempRow = nullptr;
  return accept;
}

void TDataSet::BuildView() {
  FView.clear();
  for (size_t i = 0; i < FRecords.size(); ++i) {
    if (AcceptRecord(FRecords[i])) FView.push_back(i);
  }
}

// --- navigation ---

void TDataSet::MoveTo(int index) {
  const int count = RecordCount();
  FCurrent = count == 0 ? 0 : std::clamp(index, 0, count - 1);
  FBof = FEof = count == 0;
  CalculateFields();
  DataChanged(nullptr);
}

void TDataSet::Refilter() {
  CheckBrowseMode();
  BuildView();
  MoveTo(0);
  FBof = true;
}

void TDataSet::First() {
  CheckBrowseMode();
  DoEvent(TDataSetEvent::BeforeScroll);
  MoveTo(0);
  FBof = true;
  DoEvent(TDataSetEvent::AfterScroll);
}

void TDataSet::Last() {
  CheckBrowseMode();
  DoEvent(TDataSetEvent::BeforeScroll);
  MoveTo(RecordCount() - 1);
  FEof = true;
  DoEvent(TDataSetEvent::AfterScroll);
}

int TDataSet::MoveBy(int distance) {
  CheckBrowseMode();
  if (distance == 0 || (distance > 0 && FEof) || (distance < 0 && FBof)) return 0;
  DoEvent(TDataSetEvent::BeforeScroll);
  const int count = RecordCount();
  const int target = FCurrent + distance;
  const int landed = count == 0 ? 0 : std::clamp(target, 0, count - 1);
  const int moved = landed - FCurrent;
  MoveTo(landed);
  FBof = count == 0 || target < 0;
  FEof = count == 0 || target >= count;
  DoEvent(TDataSetEvent::AfterScroll);
  return moved;
}

int TDataSet::RecNo() const {
  if (!Active() || FView.empty() || FState == TDataSetState::dsInsert) return 0;
  return FCurrent + 1;
}

void TDataSet::SetRecNo(int value) {
  CheckBrowseMode();
  if (value < 1 || value > RecordCount() || value == RecNo()) return;
  DoEvent(TDataSetEvent::BeforeScroll);
  MoveTo(value - 1);
  DoEvent(TDataSetEvent::AfterScroll);
}

bool TDataSet::RecordMatches(const Row& row, const std::vector<TField*>& keys,
                             const std::vector<Variant>& values) const {
  FTempRow = &row;
  bool match = true;
  for (size_t i = 0; i < keys.size() && match; ++i) {
    match = VarCompare(keys[i]->Value(), values[i], false) == 0;
  }
  FTempRow = nullptr;
  return match;
}

bool TDataSet::Locate(StringView keyFields, const std::vector<Variant>& values) {
  CheckBrowseMode();
  const std::vector<TField*> keys = GetFieldList(keyFields);
  if (keys.size() != values.size()) {
    DatabaseError(STR("Locate needs one value per key field"), this);
  }
  for (size_t i = 0; i < FView.size(); ++i) {
    if (!RecordMatches(FRecords[FView[i]], keys, values)) continue;
    DoEvent(TDataSetEvent::BeforeScroll);
    MoveTo(static_cast<int>(i));
    DoEvent(TDataSetEvent::AfterScroll);
    return true;
  }
  return false;
}

Variant TDataSet::Lookup(StringView keyFields, const std::vector<Variant>& values,
                         StringView resultField) const {
  CheckActive();
  const std::vector<TField*> keys = GetFieldList(keyFields);
  const std::vector<TField*> results = GetFieldList(resultField);
  if (keys.size() != values.size() || results.empty()) return Variant();
  for (size_t index : FView) {
    const Row& row = FRecords[index];
    if (!RecordMatches(row, keys, values)) continue;
    FTempRow = &row;
    Variant result = results.front()->Value();
    FTempRow = nullptr;
    return result;
  }
  return Variant();
}

// --- editing ---

void TDataSet::CheckOperation(void (TDataSet::*operation)(), TDataSetEvent errorEvent) {
  for (;;) {
    try {
      (this->*operation)();
      return;
    } catch (EDatabaseError& e) {
      TDataAction action = TDataAction::daFail;
      CallMethod<void, TDataSet*, EDatabaseError&, TDataAction&>(Event(errorEvent), this, e,
                                                                 action);
      if (action == TDataAction::daFail) throw;
      if (action == TDataAction::daAbort) Abort();
    }
  }
}

void TDataSet::CheckBrowseMode() {
  CheckActive();
  if (IsEditing(FState)) Post();
}

void TDataSet::BeginInsertAppend(bool append) {
  CheckBrowseMode();
  if (!CanModify()) DatabaseError(STR("Cannot modify a read-only dataset"), this);
  DoEvent(TDataSetEvent::BeforeInsert);
  DoEvent(TDataSetEvent::BeforeScroll);
  FInsertAt = append || FView.empty() ? FRecords.size() : FView[static_cast<size_t>(FCurrent)];
  FBuffer.assign(static_cast<size_t>(FFieldDefs->Count()), Variant());
  SetState(TDataSetState::dsInsert);
  CalculateFields();
  try {
    DoEvent(TDataSetEvent::OnNewRecord);
  } catch (...) {
    FBuffer.clear();
    SetState(TDataSetState::dsBrowse);
    throw;
  }
  FBof = FEof = false;
  DataChanged(nullptr);
  DoEvent(TDataSetEvent::AfterInsert);
  DoEvent(TDataSetEvent::AfterScroll);
}

void TDataSet::Append() {
  BeginInsertAppend(true);
}

void TDataSet::Insert() {
  BeginInsertAppend(false);
}

void TDataSet::Edit() {
  if (IsEditing(FState)) return;
  CheckActive();
  if (IsEmpty()) {
    Insert();
    return;
  }
  if (!CanModify()) DatabaseError(STR("Cannot modify a read-only dataset"), this);
  DoEvent(TDataSetEvent::BeforeEdit);
  CheckOperation(&TDataSet::InternalEdit, TDataSetEvent::OnEditError);
  FBuffer = FRecords[FView[static_cast<size_t>(FCurrent)]];
  SetState(TDataSetState::dsEdit);
  CalculateFields();
  DoEvent(TDataSetEvent::AfterEdit);
}

void TDataSet::CheckRequiredFields() {
  for (TField* f : FFields) {
    if (f->Required() && !f->ReadOnly() && f->FieldKind() == TFieldKind::fkData && f->IsNull()) {
      f->FieldError(STR("must have a value"));
    }
  }
}

void TDataSet::InternalPost() {
  CheckRequiredFields();
}

void TDataSet::Post() {
  CheckActive();
  if (!IsEditing(FState)) return;
  DoEvent(TDataSetEvent::BeforePost);
  CheckOperation(&TDataSet::InternalPost, TDataSetEvent::OnPostError);
  size_t stored;
  if (FState == TDataSetState::dsInsert) {
    stored = FInsertAt;
    FRecords.insert(FRecords.begin() + static_cast<std::ptrdiff_t>(stored), std::move(FBuffer));
  } else {
    stored = FView[static_cast<size_t>(FCurrent)];
    FRecords[stored] = std::move(FBuffer);
  }
  FBuffer.clear();
  SetState(TDataSetState::dsBrowse);
  BuildView();
  // Stay on the posted record; a filter may have dropped it, then on its neighbour.
  const auto it = std::lower_bound(FView.begin(), FView.end(), stored);
  MoveTo(static_cast<int>(it - FView.begin()));
  DoEvent(TDataSetEvent::AfterPost);
}

void TDataSet::Cancel() {
  if (!IsEditing(FState)) return;
  DoEvent(TDataSetEvent::BeforeCancel);
  FBuffer.clear();
  SetState(TDataSetState::dsBrowse);
  MoveTo(FCurrent);
  DoEvent(TDataSetEvent::AfterCancel);
}

void TDataSet::Delete() {
  CheckActive();
  if (FState == TDataSetState::dsInsert) {
    Cancel();
    return;
  }
  if (IsEmpty()) DatabaseError(STR("Cannot perform this operation on an empty dataset"), this);
  CheckBrowseMode();
  if (!CanModify()) DatabaseError(STR("Cannot modify a read-only dataset"), this);
  DoEvent(TDataSetEvent::BeforeDelete);
  DoEvent(TDataSetEvent::BeforeScroll);
  CheckOperation(&TDataSet::InternalDelete, TDataSetEvent::OnDeleteError);
  const size_t index = FView[static_cast<size_t>(FCurrent)];
  FRecords.erase(FRecords.begin() + static_cast<std::ptrdiff_t>(index));
  BuildView();
  MoveTo(FCurrent);
  DoEvent(TDataSetEvent::AfterDelete);
  DoEvent(TDataSetEvent::AfterScroll);
}

void TDataSet::Refresh() {
  CheckBrowseMode();
  DoEvent(TDataSetEvent::BeforeRefresh);
  InternalRefresh();
  BuildView();
  MoveTo(FCurrent);
  DoEvent(TDataSetEvent::AfterRefresh);
}
