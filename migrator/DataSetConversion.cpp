// Converting one foreign dataset into a library dataset (methods of TBDE2Ombrix).
#include "db/Field.h"
#include "library/MySQLQuery.h"
#include "library/MySQLStoredProc.h"
#include "library/MySQLTable.h"
#include "library/MySQLUpdateSQL.h"
#include "migrator/BDE2Ombrix.h"
#include "migrator/ConversionTable.h"
#include "migrator/RunCheck.h"

namespace {

const String kDiePrefix = STR("Die_");

TmySQLDataSet* CreateDataSet(TNewDataSetKind kind, TComponent* owner) {
  switch (kind) {
    case TNewDataSetKind::Query:
      return new TmySQLQuery(owner);
    case TNewDataSetKind::Table:
      return new TmySQLTable(owner);
    case TNewDataSetKind::StoredProc:
      return new TmySQLStoredProc(owner);
  }
  return nullptr;
}

// The name a replaced component had before it took the prefix.
String WithoutPrefix(const String& name) {
  return name.substr(kDiePrefix.size());
}

}  // namespace

void TBDE2Ombrix::CheckDataSet(TDataSet* dataSet) {
  const TConversion* conversion = FindConversion(*dataSet, FConvertComponents);
  if (conversion == nullptr) return;
  TmySQLDataSet* created = CreateDataSet(conversion->Kind, dataSet->Owner());
  FJournal.Created(created);
  UpdateDesignInfo(dataSet, created);
  NewDataSetPair(created, dataSet);
}

void TBDE2Ombrix::UpdateDesignInfo(TComponent* oldComponent, TComponent* newComponent) {
  newComponent->SetDesignInfo(oldComponent->DesignInfo());
  TComponent* owner = oldComponent->Owner();
  // Moves it to the end; one that stands there already stays, sparing its siblings the notice
  // of a removal that is none.
  if (owner != nullptr && owner->Components(owner->ComponentCount() - 1) != newComponent) {
    owner->RemoveComponent(newComponent);
    owner->InsertComponent(newComponent);
  }
}

void TBDE2Ombrix::CreateMySQLDataSet(TmySQLDataSet* newDataSet, TDataSet* oldDataSet) {
  const bool wasActive = oldDataSet->Active();
  oldDataSet->Close();
  FJournal.Closed(oldDataSet, wasActive);
  newDataSet->SetDatabase(FMySQLDatabase);
  GetNeededSQLs(newDataSet, oldDataSet);
  AssignEvents(newDataSet, oldDataSet);
  MoveFields(newDataSet, oldDataSet);
  GetCachedUpdates(newDataSet, oldDataSet);
  Rename(oldDataSet, kDiePrefix + oldDataSet->Name());
  Rename(newDataSet, WithoutPrefix(oldDataSet->Name()));
  const int count = newDataSet->FieldCount();
  for (int i = 0; i < count; ++i) {
    TField* field = newDataSet->Fields()[i];
    const StringView repaired = RepairedFieldName(field->Name(), newDataSet->Name());
    if (repaired.size() != field->Name().size()) Rename(field, String(repaired));
  }
  GetNeededUpdateObject(newDataSet, oldDataSet);
}

void TBDE2Ombrix::GetNeededSQLs(TmySQLDataSet* newDataSet, TDataSet* oldDataSet) {
  const TConversion* conversion = FindConversion(*oldDataSet);
  if (conversion == nullptr) return;
  const String property = SourcePropertyName(conversion->Source);
  switch (conversion->Source) {
    case TSourceProperty::SQL: {
      TObject* lines = GetObjectProp(oldDataSet, property);
      if (lines != nullptr && lines->Is<TStringList>()) {
        As<TmySQLQuery>(newDataSet)->SetSQL(static_cast<TStringList*>(lines));
      }
      return;
    }
    case TSourceProperty::CommandText: {
      TStringList lines;
      lines.SetText(GetStrProp(oldDataSet, property));
      As<TmySQLQuery>(newDataSet)->SetSQL(&lines);
      return;
    }
    case TSourceProperty::TableName: {
      As<TmySQLTable>(newDataSet)->SetTableName(GetStrProp(oldDataSet, property));
      if (IsPublishedProp(oldDataSet, STR("Filtered"))) {
        newDataSet->SetFiltered(GetOrdProp(oldDataSet, STR("Filtered")) != 0);
      }
      if (IsPublishedProp(oldDataSet, STR("Filter"))) {
        newDataSet->SetFilter(GetStrProp(oldDataSet, STR("Filter")));
      }
      return;
    }
    case TSourceProperty::StoredProcName:
    case TSourceProperty::ProcedureName:
      As<TmySQLStoredProc>(newDataSet)->SetProcedureName(GetStrProp(oldDataSet, property));
      return;
  }
}

void TBDE2Ombrix::AssignEvents(TmySQLDataSet* newDataSet, TDataSet* oldDataSet) {
  for (int i = 0; i < kDataSetEventCount; ++i) {
    const auto event = static_cast<TDataSetEvent>(i);
    // The refresh events have no counterpart to carry over to.
    if (event == TDataSetEvent::BeforeRefresh || event == TDataSetEvent::AfterRefresh) continue;
    newDataSet->SetEvent(event, oldDataSet->Event(event));
  }
}

void TBDE2Ombrix::MoveFields(TmySQLDataSet* newDataSet, TDataSet* oldDataSet) {
  if (oldDataSet->DefaultFields()) return;
  while (oldDataSet->FieldCount() > 0) {
    TField* field = oldDataSet->Fields()[0];
    field->SetDataSet(newDataSet);
    FJournal.FieldMoved(field, oldDataSet, 0);
  }
}

void TBDE2Ombrix::GetCachedUpdates(TmySQLDataSet* newDataSet, TDataSet*) {
  newDataSet->SetCachedUpdates(false);
}

void TBDE2Ombrix::GetNeededUpdateObject(TmySQLDataSet* newDataSet, TDataSet* oldDataSet) {
  TComponent* update = HeldUpdateObject(*oldDataSet);
  if (update == nullptr || !IsConvertibleUpdateObject(*update)) return;
  auto* created = new TmySQLUpdateSQL(update->Owner());
  FJournal.Created(created);
  // Placed before it is attached: taking it out of its owner tells the siblings it is gone,
  // and the dataset would drop it again.
  UpdateDesignInfo(update, created);
  newDataSet->SetUpdateObject(created);
  Rename(update, kDiePrefix + update->Name());
  Rename(created, WithoutPrefix(update->Name()));
  const Char* const statements[] = {STR("ModifySQL"), STR("InsertSQL"), STR("DeleteSQL")};
  for (int kind = 0; kind < 3; ++kind) {
    try {
      TObject* lines = GetObjectProp(update, statements[kind]);
      if (lines != nullptr && lines->Is<TStringList>()) {
        created->GetSQLIndex(kind)->Assign(static_cast<TStringList*>(lines));
      }
    } catch (const Exception&) {
      // An update object lacking one statement still gives the others.
    }
  }
}

void TBDE2Ombrix::AssignFields(TField* oldField, TField* newField) {
  newField->SetFieldName(oldField->FieldName());
  // Computed defaults stay defaults rather than becoming stored values.
  newField->SetDisplayLabel(oldField->IsDisplayLabelStored() ? oldField->DisplayLabel() : String());
  newField->SetFieldKind(oldField->FieldKind());
  newField->SetEditMask(oldField->EditMask());
  if (oldField->IsAlignmentStored()) newField->SetAlignment(oldField->Alignment());
  newField->SetDefaultExpression(oldField->DefaultExpression());
  newField->SetDisplayWidth(oldField->IsDisplayWidthStored() ? oldField->DisplayWidth() : 0);
  newField->SetVisible(oldField->Visible());
  newField->SetKeyFields(oldField->KeyFields());
  newField->SetLookupCache(oldField->LookupCache());
  newField->SetLookupDataSet(FDataSets->GetPaired(oldField->LookupDataSet()));
  newField->SetLookupKeyFields(oldField->LookupKeyFields());
  newField->SetLookupResultField(oldField->LookupResultField());
  newField->SetOnChange(oldField->OnChange());
  newField->SetOnGetText(oldField->OnGetText());
  newField->SetOnSetText(oldField->OnSetText());
  newField->SetOnValidate(oldField->OnValidate());
  const String name = oldField->Name();
  Rename(oldField, kDiePrefix + name);
  Rename(newField, name);
}
