#include "comp/ServerNameProperties.h"

#include "db/IndexDefs.h"
#include "library/MySQLStoredProc.h"
#include "library/MySQLTable.h"

namespace {

constexpr TPropertyAttributes kNameListAttributes =
    Attributes({paValueList, paMultiSelect, paSortList});

// Indexes that a list of field names cannot select.
constexpr TIndexOptions kUnlistedIndexOptions =
    (1u << static_cast<unsigned>(TIndexOption::ixDescending)) |
    (1u << static_cast<unsigned>(TIndexOption::ixExpression));

void Deliver(const TStringList& list, const TGetStrProc& proc) {
  for (int i = 0; i < list.Count(); ++i) proc(list.Strings(i));
}

template <class Fill>
void DeliverFilled(Fill fill, const TGetStrProc& proc) {
  TStringList list;
  fill(list);
  Deliver(list, proc);
}

TmySQLDatabase& RequireDatabase(TmySQLDataSet& dataSet) {
  if (dataSet.Database() == nullptr) throw EDatabaseError(STR("Database property is not set"));
  return *dataSet.Database();
}

// The dataset's index definitions through its published "IndexDefs"; null when it has none.
TIndexDefs* GetFreshIndexDefs(TPersistent* component) {
  const TPropInfo* prop = GetPropInfo(component->ClassType(), STR("IndexDefs"));
  if (prop == nullptr || prop->Kind() != TTypeKind::tkClass) return nullptr;
  return As<TIndexDefs>(GetObjectProp(component, STR("IndexDefs")));
}

}  // namespace

#define OMBRIX_NAME_LIST_EDITOR(Class)                                                         \
  const TClassInfo& Class::StaticClass() {                                                     \
    static const TClassInfo info = TClassBuilder<Class, TStringProperty>(STR(#Class)).Build(); \
    return info;                                                                               \
  }                                                                                            \
  TPropertyAttributes Class::GetAttributes() {                                                 \
    return kNameListAttributes;                                                                \
  }

OMBRIX_NAME_LIST_EDITOR(TmySQLTableNamePropertyEditor)
OMBRIX_NAME_LIST_EDITOR(TmySQLIndexNamePropertyEditor)
OMBRIX_NAME_LIST_EDITOR(TmySQLIndexFieldNamesPropertyEditor)
OMBRIX_NAME_LIST_EDITOR(TmySQLStoredProcNamePropertyEditor)
OMBRIX_NAME_LIST_EDITOR(TmySQLDatabaseCharsetPropertyEditor)
OMBRIX_NAME_LIST_EDITOR(TmySQLDatabaseCollationPropertyEditor)

void TmySQLTableNamePropertyEditor::GetValues(const TGetStrProc& proc) {
  DeliverFilled([this](TStringList& list) { GetValueList(list); }, proc);
}

void TmySQLTableNamePropertyEditor::GetValueList(TStringList& list) {
  RequireDatabase(*As<TmySQLTable>(GetComponent(0))).GetTableNames(String(), list, true);
}

void TmySQLIndexNamePropertyEditor::GetValues(const TGetStrProc& proc) {
  DeliverFilled([this](TStringList& list) { GetValueList(list); }, proc);
}

void TmySQLIndexNamePropertyEditor::GetValueList(TStringList& list) {
  As<TmySQLTable>(GetComponent(0))->GetIndexNames(list);
}

void TmySQLIndexFieldNamesPropertyEditor::GetValues(const TGetStrProc& proc) {
  DeliverFilled([this](TStringList& list) { GetValueList(list); }, proc);
}

void TmySQLIndexFieldNamesPropertyEditor::GetValueList(TStringList& list) {
  TIndexDefs* indexDefs = GetFreshIndexDefs(As<TDataSet>(GetComponent(0)));
  if (indexDefs == nullptr) return;
  // The definitions may describe the table as it was; read them again.
  indexDefs->SetUpdated(false);
  indexDefs->Update();
  for (int i = 0; i < indexDefs->Count(); ++i) {
    const TIndexDef* def = indexDefs->Items(i);
    if ((def->Options() & kUnlistedIndexOptions) != 0 || def->Fields().empty()) continue;
    list.Add(def->Fields());
  }
}

void TmySQLStoredProcNamePropertyEditor::GetValues(const TGetStrProc& proc) {
  DeliverFilled([this](TStringList& list) { GetValueList(list); }, proc);
}

void TmySQLStoredProcNamePropertyEditor::GetValueList(TStringList& list) {
  RequireDatabase(*As<TmySQLStoredProc>(GetComponent(0))).GetSPNames(list);
}

void TmySQLDatabaseCharsetPropertyEditor::GetValues(const TGetStrProc& proc) {
  DeliverFilled(
      [this](TStringList& list) { As<TmySQLDatabase>(GetComponent(0))->GetCharacterSetList(list); },
      proc);
}

void TmySQLDatabaseCollationPropertyEditor::GetValues(const TGetStrProc& proc) {
  DeliverFilled(
      [this](TStringList& list) { As<TmySQLDatabase>(GetComponent(0))->GetCollationList(list); },
      proc);
}
