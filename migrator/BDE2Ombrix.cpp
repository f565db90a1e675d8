#include "migrator/BDE2Ombrix.h"

#include "designide/IDEServices.h"
#include "forms/Dialogs.h"
#include "forms/Screen.h"
#include "library/OmbrixAbout.h"
#include "migrator/ConversionTable.h"
#include "migrator/RunCheck.h"
#include "rtl/Format.h"

const Char* const SDatabaseNotAssigned = STR("Database not assigned");
const Char* const SMigrationDone = STR("%d dataset descendants processed successfully");

const TClassInfo& TBDE2Ombrix::StaticClass() {
  static const TClassInfo info = [] {
    using T = TBDE2Ombrix;
    TClassBuilder<T, TComponent> builder(STR("TBDE2Ombrix"));
    builder.Creatable().Unit(STR("Mysqlmigrator"));
    WithAbout(builder)
        .Prop(STR("Database"), &T::GetDatabase, &T::SetDatabase)
        .Prop(STR("Execute"), &T::Execute, &T::SetExecute)
        .Prop(STR("ConvertComponents"), &T::ConvertComponents, &T::SetConvertComponents,
              &TypeInfoConvertComponents())
        .Prop(STR("DeleteSourceComponents"), &T::DeleteSourceComponents,
              &T::SetDeleteSourceComponents, nullptr, 1);
    return builder.Build();
  }();
  return info;
}

TBDE2Ombrix::TBDE2Ombrix(TComponent* aOwner)
    : TComponent(aOwner), FDataSets(std::make_unique<TDataSetList>()) {
  HearWatchedRemovalsOnly();
  const auto& connections = DBList();
  if (!IsDesigning() || aOwner == nullptr || connections.empty()) return;
  for (auto it = connections.rbegin(); it != connections.rend(); ++it) {
    if ((*it)->Owner() == aOwner) {
      SetDatabase(*it);
      return;
    }
  }
  SetDatabase(connections.back());
}

TBDE2Ombrix::~TBDE2Ombrix() = default;

void TBDE2Ombrix::SetDatabase(TmySQLDatabase* value) {
  FMySQLDatabase = value;
  if (value != nullptr) value->FreeNotification(this);
}

void TBDE2Ombrix::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation == TOperation::opRemove && component == FMySQLDatabase) FMySQLDatabase = nullptr;
}

void TBDE2Ombrix::Migrate() {
  if (FMySQLDatabase == nullptr) DatabaseError(SDatabaseNotAssigned, this);
  FDataSets->ClearAll();
  FLastRun = {};
  FJournal.Clear();
  Screen()->SetCursor(crHourGlass);
  try {
    try {
      MigrateTables();
      MigrateDataSources();
      MigrateLookupFields();
      if (FDeleteSourceComponents) DeleteSources();
    } catch (...) {
      // Nothing of a failed run stays: every form goes back to how it was.
      FJournal.Rollback();
      FDataSets->ClearAll();
      FLastRun = {};
      throw;
    }
    FJournal.Clear();
    FLastRun.Message = Format(SMigrationDone, {FDataSets->Count()});
    ShowMessage(FLastRun.Message);
  } catch (...) {
    Screen()->SetCursor(crDefault);
    throw;
  }
  Screen()->SetCursor(crDefault);
}

void TBDE2Ombrix::FillComponents(TList* list, TClass cls) {
  if (list == nullptr || cls == nullptr) return;
  IBorlandIDEServices* ide = BorlandIDEServices();
  IOTAModuleServices* modules = ide != nullptr ? ide->ModuleServices() : nullptr;
  if (modules == nullptr) return;
  for (int m = 0; m < modules->ModuleCount(); ++m) {
    IOTAModule* module = modules->Modules(m);
    for (int f = 0; f < module->GetModuleFileCount(); ++f) {
      IOTAFormEditor* editor = module->GetModuleFileEditor(f)->AsFormEditor();
      if (editor == nullptr) continue;
      editor->Show();
      TComponent* root = editor->GetRootComponent();
      if (root == nullptr) continue;
      for (int i = 0; i < root->ComponentCount(); ++i) {
        TComponent* component = root->Components(i);
        if (component->InheritsFrom(*cls)) list->Add(component);
      }
    }
  }
}

namespace {

template <class T>
T* Entry(const TList& list, int index) {
  return dynamic_cast<T*>(static_cast<TComponent*>(list.Items(index)));
}

}  // namespace

void TBDE2Ombrix::MigrateTables() {
  std::vector<TDataSet*> converted;
  {
    TList list;
    FillComponents(&list, &TDataSet::StaticClass());
    // Backwards, so the pairs stand in the reverse of the order found.
    for (int i = list.Count() - 1; i >= 0; --i) {
      auto* dataSet = Entry<TDataSet>(list, i);
      if (dataSet == nullptr || dataSet->ClassNameIs(STR("TNestedTable"))) {
        list.Delete(i);
        continue;
      }
      if (FindConversion(*dataSet, FConvertComponents) != nullptr) converted.push_back(dataSet);
    }
  }
  // Every rename and removal of the run is checked before the first change.
  CheckConversions(converted, FDeleteSourceComponents);
  FLastRun.Pairs.reserve(converted.size());
  for (TDataSet* dataSet : converted) CheckDataSet(dataSet);
  for (int i = 0; i < FDataSets->Count(); ++i) {
    auto* newDataSet = static_cast<TmySQLDataSet*>(FDataSets->GetNewDataSets(i));
    TDataSet* oldDataSet = FDataSets->GetOldDataSets(i);
    const String oldName = oldDataSet->Name();
    CreateMySQLDataSet(newDataSet, oldDataSet);
    FLastRun.Pairs.push_back({oldDataSet->Owner(), oldName, oldDataSet->ClassName(),
                              newDataSet->Name(), newDataSet->ClassName()});
  }
}

void TBDE2Ombrix::MigrateDataSources() {
  TList list;
  FillComponents(&list, &TDataSource::StaticClass());
  FLastRun.DataSources.reserve(static_cast<size_t>(list.Count()));
  for (int i = 0; i < list.Count(); ++i) {
    auto* source = Entry<TDataSource>(list, i);
    if (source == nullptr) continue;
    TDataSet* old = source->DataSet();
    const int pair = FDataSets->IndexOfOldDataSet(old);
    if (pair == -1) continue;
    source->SetDataSet(FDataSets->GetNewDataSets(pair));
    FJournal.Retargeted(source, old);
    FLastRun.DataSources.push_back({source->Owner(), source->Name()});
  }
}

void TBDE2Ombrix::MigrateLookupFields() {
  TList list;
  FillComponents(&list, &TField::StaticClass());
  for (int i = 0; i < list.Count(); ++i) {
    auto* field = Entry<TField>(list, i);
    if (field == nullptr || !field->Lookup()) continue;
    TDataSet* old = field->LookupDataSet();
    const int pair = FDataSets->IndexOfOldDataSet(old);
    if (pair == -1) continue;
    field->SetLookupDataSet(FDataSets->GetNewDataSets(pair));
    FJournal.LookupRetargeted(field, old);
    FLastRun.LookupFields.push_back({field->Owner(), field->Name()});
  }
}

int TBDE2Ombrix::NewDataSetPair(TmySQLDataSet* newDataSet, TDataSet* oldDataSet) {
  return FDataSets->AddPair(new TDataSetPair{oldDataSet, newDataSet});
}

void TBDE2Ombrix::DeleteSources() {
  FLastRun.Removed.reserve(static_cast<size_t>(FDataSets->Count()) * 2);
  for (int i = 0; i < FDataSets->Count(); ++i) {
    TDataSet* old = FDataSets->GetOldDataSets(i);
    if (TComponent* update = HeldUpdateObject(*old); update != nullptr) {
      FLastRun.Removed.push_back({update->Owner(), update->Name()});
      delete update;
    }
    FLastRun.Removed.push_back({old->Owner(), old->Name()});
    delete old;
  }
}

void TBDE2Ombrix::Rename(TComponent* component, const String& name) {
  const String oldName = component->Name();
  component->SetName(name);
  FJournal.Renamed(component, oldName);
}
