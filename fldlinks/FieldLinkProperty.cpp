#include "fldlinks/FieldLinkProperty.h"

#include "db/DataSet.h"
#include "fldlinks/LinkFields.h"

const TClassInfo& TmySQLFieldLinkProperty::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TmySQLFieldLinkProperty, TStringProperty>(STR("TmySQLFieldLinkProperty"))
          .Build();
  return info;
}

void TmySQLFieldLinkProperty::Edit() {
  FChanged = EditMasterFields(GetDataSet(), this);
  if (FChanged) Modified();
}

TPropertyAttributes TmySQLFieldLinkProperty::GetAttributes() {
  return Attributes({paDialog});
}

void TmySQLFieldLinkProperty::GetFieldNamesForIndex(TStringList&) {}

bool TmySQLFieldLinkProperty::GetIndexBased() {
  return false;
}

TIndexDefs* TmySQLFieldLinkProperty::GetIndexDefs() {
  return nullptr;
}

String TmySQLFieldLinkProperty::GetIndexFieldNames() {
  return String();
}

String TmySQLFieldLinkProperty::GetIndexName() {
  return String();
}

void TmySQLFieldLinkProperty::SetIndexFieldNames(const String&) {}

void TmySQLFieldLinkProperty::SetIndexName(const String&) {}

void TmySQLFieldLinkProperty::GetIndexNames(TStringList& list) {
  const TIndexDefs* defs = GetIndexDefs();
  if (defs == nullptr) return;
  for (int i = 0; i < defs->Count(); ++i) {
    const TIndexDef* def = defs->Items(i);
    const bool unnamedPrimary =
        InSet(def->Options(), TIndexOption::ixPrimary) && def->Name().empty();
    list.Add(unnamedPrimary ? String(SPrimary) : def->Name());
  }
}

TDataSet* TmySQLFieldLinkProperty::GetDataSet() {
  if (FDataSet == nullptr) FDataSet = As<TDataSet>(GetComponent(0));
  return FDataSet;
}
