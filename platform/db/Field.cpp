#include "db/Field.h"

#include "db/DataSet.h"

namespace {

// Text handlers of user forms have no code at design time: the field then behaves as if none
// were assigned.
bool Bound(const TMethod& m) {
  return m.Data != nullptr && m.Data->ClassType().FindMethod(m.Name) != nullptr;
}

}  // namespace

const TTypeInfo& TypeInfoFieldKind() {
  static const TTypeInfo info{TTypeKind::tkEnumeration,
                              STR("TFieldKind"),
                              {STR("fkData"), STR("fkCalculated"), STR("fkLookup"),
                               STR("fkInternalCalc"), STR("fkAggregate")},
                              nullptr};
  return info;
}

const TClassInfo& TField::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TField, TComponent>(STR("TField"))
          .Prop(STR("Alignment"), &TField::Alignment, &TField::SetAlignment, &TypeInfoAlignment())
          .StoredIf(&TField::IsAlignmentStored)
          .Prop(STR("DefaultExpression"), &TField::DefaultExpression, &TField::SetDefaultExpression)
          .Prop(STR("DisplayLabel"), &TField::DisplayLabel, &TField::SetDisplayLabel)
          .StoredIf(&TField::IsDisplayLabelStored)
          .Prop(STR("DisplayWidth"), &TField::DisplayWidth, &TField::SetDisplayWidth)
          .StoredIf(&TField::IsDisplayWidthStored)
          .Prop(STR("EditMask"), &TField::EditMask, &TField::SetEditMask)
          .Prop(STR("FieldKind"), &TField::FieldKind, &TField::SetFieldKind, &TypeInfoFieldKind(),
                0)
          .Prop(STR("FieldName"), &TField::FieldName, &TField::SetFieldName)
          .Prop(STR("Index"), &TField::Index, &TField::SetIndex)
          .StoredIf([](const TField*) { return false; })
          .Prop(STR("KeyFields"), &TField::KeyFields, &TField::SetKeyFields)
          .Prop(STR("LookupCache"), &TField::LookupCache, &TField::SetLookupCache, nullptr, 0)
          .Prop(STR("LookupDataSet"), &TField::LookupDataSet, &TField::SetLookupDataSet)
          .Prop(STR("LookupKeyFields"), &TField::LookupKeyFields, &TField::SetLookupKeyFields)
          .Prop(STR("LookupResultField"), &TField::LookupResultField, &TField::SetLookupResultField)
          .Prop(STR("Origin"), &TField::Origin, &TField::SetOrigin)
          .Prop(STR("ReadOnly"), &TField::ReadOnly, &TField::SetReadOnly, nullptr, 0)
          .Prop(STR("Required"), &TField::Required, &TField::SetRequired, nullptr, 0)
          .Prop(STR("Visible"), &TField::Visible, &TField::SetVisible, nullptr, 1)
          .Prop(STR("Calculated"), &TField::Calculated, &TField::SetCalculated, nullptr, 0)
          .StoredIf([](const TField* f) { return f->FieldKind() == TFieldKind::fkCalculated; })
          .Prop(STR("Lookup"), &TField::Lookup, &TField::SetLookup, nullptr, 0)
          .Prop(
              STR("OnChange"), [](const TField* f) { return f->OnChange(); },
              [](TField* f, const TMethod& m) { f->SetOnChange(m); },
              &TypeInfoMethod(STR("TFieldNotifyEvent")))
          .Prop(
              STR("OnGetText"), [](const TField* f) { return f->OnGetText(); },
              [](TField* f, const TMethod& m) { f->SetOnGetText(m); },
              &TypeInfoMethod(STR("TFieldGetTextEvent")))
          .Prop(
              STR("OnSetText"), [](const TField* f) { return f->OnSetText(); },
              [](TField* f, const TMethod& m) { f->SetOnSetText(m); },
              &TypeInfoMethod(STR("TFieldSetTextEvent")))
          .Prop(
              STR("OnValidate"), [](const TField* f) { return f->OnValidate(); },
              [](TField* f, const TMethod& m) { f->SetOnValidate(m); },
              &TypeInfoMethod(STR("TFieldNotifyEvent")))
          .Build();
  return info;
}

TField::TField(TComponent* owner, TFieldType dataType, int size)
    : TComponent(owner), FDataType(dataType), FSize(size) {
  HearWatchedRemovalsOnly();
}

TField::~TField() {
  if (FDataSet != nullptr) FDataSet->FFields.Remove(this);
}

void TField::FieldError(const String& rest) const {
  DatabaseError(STR("Field '") + DisplayName() + STR("' ") + rest, FDataSet);
}

void TField::CheckInactive() const {
  if (FDataSet != nullptr) FDataSet->CheckInactive();
}

void TField::SetDataSet(TDataSet* dataSet) {
  if (dataSet == FDataSet) return;
  CheckInactive();
  if (dataSet != nullptr) {
    dataSet->CheckInactive();
    if (!FFieldName.empty() && dataSet->FindField(FFieldName) != nullptr) {
      DatabaseError(STR("Duplicate field name '") + FFieldName + STR("'"), dataSet);
    }
  }
  if (FDataSet != nullptr) FDataSet->FFields.Remove(this);
  FDataSet = dataSet;
  if (dataSet != nullptr) dataSet->FFields.Add(this);
}

int TField::Index() const {
  return FDataSet == nullptr ? -1 : FDataSet->FFields.IndexOf(this);
}

void TField::SetIndex(int index) {
  if (FDataSet == nullptr) return;
  FDataSet->FFields.Move(Index(), index);
}

void TField::SetFieldName(const String& value) {
  if (value == FFieldName) return;
  CheckInactive();
  if (FDataSet != nullptr && !value.empty()) {
    TField* other = FDataSet->FindField(value);
    if (other != nullptr && other != this) {
      DatabaseError(STR("Duplicate field name '") + value + STR("'"), FDataSet);
    }
  }
  FFieldName = value;
}

String TField::DisplayLabel() const {
  return FDisplayLabel.empty() ? FFieldName : FDisplayLabel;
}

void TField::SetDisplayLabel(const String& value) {
  FDisplayLabel = value == FFieldName ? String() : value;
}

void TField::SetFieldKind(TFieldKind value) {
  if (value == FFieldKind) return;
  CheckInactive();
  FFieldKind = value;
}

bool TField::Calculated() const {
  return FFieldKind == TFieldKind::fkCalculated || FFieldKind == TFieldKind::fkInternalCalc;
}

void TField::SetCalculated(bool value) {
  if (value) {
    if (!Calculated()) SetFieldKind(TFieldKind::fkCalculated);
  } else if (Calculated()) {
    SetFieldKind(TFieldKind::fkData);
  }
}

void TField::SetLookup(bool value) {
  if (value) {
    SetFieldKind(TFieldKind::fkLookup);
  } else if (Lookup()) {
    SetFieldKind(TFieldKind::fkData);
  }
}

int TField::DisplayWidth() const {
  return FDisplayWidth > 0 ? FDisplayWidth : DefaultDisplayWidth();
}

void TField::SetSize(int value) {
  CheckInactive();
  FSize = value;
}

void TField::SetLookupDataSet(TDataSet* value) {
  if (value == FLookupDataSet) return;
  if (value != nullptr && value == FDataSet) {
    DatabaseError(STR("Circular datalinks are not allowed"), this);
  }
  if (FLookupDataSet != nullptr) RemoveFreeNotification(FLookupDataSet);
  FLookupDataSet = value;
  if (value != nullptr) FreeNotification(value);
}

void TField::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation == TOperation::opRemove && component == FLookupDataSet) FLookupDataSet = nullptr;
}

TComponent* TField::GetParentComponent() const {
  return FDataSet;
}

void TField::SetParentComponent(TComponent* parent) {
  // A form file nests every top-level object in its root; only a dataset's block holds fields.
  if ((ComponentState() & csLoading) != 0 && (parent == nullptr || !parent->Is<TDataSet>())) {
    return;
  }
  SetDataSet(As<TDataSet>(parent));
}

// --- values ---

Variant TField::Value() const {
  if (FDataSet == nullptr) return Variant();
  return FDataSet->GetFieldValue(*this);
}

void TField::SetValue(const Variant& value) {
  if (FDataSet == nullptr) {
    DatabaseError(STR("Field '") + DisplayName() + STR("' has no dataset"));
  }
  FDataSet->SetFieldValue(*this, value);
}

Variant TField::Convert(const Variant& value) const {
  return value;
}

String TField::AsString() const {
  return VarToStr(Value());
}

int32_t TField::AsInteger() const {
  const int64_t v = AsLargeInt();
  if (v < INT32_MIN || v > INT32_MAX) {
    throw EConvertError(IntToStr(v) + STR(" is not a valid integer value"));
  }
  return static_cast<int32_t>(v);
}

int64_t TField::AsLargeInt() const {
  return VarToInt(Value());
}

double TField::AsFloat() const {
  return VarToFloat(Value());
}

bool TField::AsBoolean() const {
  return VarToBool(Value());
}

String TField::GetText(bool displayText) const {
  if (Bound(OnGetText())) {
    String text;
    CallMethod<void, TField*, String&, bool>(OnGetText(), const_cast<TField*>(this), text,
                                             displayText);
    return text;
  }
  return AsString();
}

void TField::SetText(const String& value) {
  if (Bound(OnSetText())) {
    CallMethod<void, TField*, const String&>(OnSetText(), this, value);
  } else {
    SetAsString(value);
  }
}
