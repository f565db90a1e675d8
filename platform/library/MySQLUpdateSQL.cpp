#include "library/MySQLUpdateSQL.h"

#include "library/MySQLDataSet.h"
#include "library/OmbrixAbout.h"

const TTypeInfo& TypeInfoUpdateKind() {
  static const TTypeInfo info{TTypeKind::tkEnumeration,
                              STR("TMySQLUpdateKind"),
                              {STR("ukModify"), STR("ukInsert"), STR("ukDelete"), STR("ukRefresh")},
                              nullptr};
  return info;
}

const TClassInfo& TmySQLSQLUpdateObject::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TmySQLSQLUpdateObject, TComponent>(STR("TmySQLSQLUpdateObject")).Build();
  return info;
}

TmySQLSQLUpdateObject::~TmySQLSQLUpdateObject() {
  if (FDataSet != nullptr && FDataSet->UpdateObject() == this) FDataSet->SetUpdateObject(nullptr);
}

void TmySQLSQLUpdateObject::SetDataSet(TmySQLDataSet* value) {
  if (value == FDataSet) return;
  FDataSet = value;
  FreeNotification(value);
}

void TmySQLSQLUpdateObject::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation == TOperation::opRemove && component == FDataSet) FDataSet = nullptr;
}

const TClassInfo& TmySQLUpdateSQL::StaticClass() {
  static const TClassInfo info = [] {
    using T = TmySQLUpdateSQL;
    TClassBuilder<T, TmySQLSQLUpdateObject> builder(STR("TmySQLUpdateSQL"));
    builder.Unit(STR("Mysqldbtables"));
    auto list = [&builder](String name, TMySQLUpdateKind kind) {
      builder.Prop(
          std::move(name), [kind](const T* u) { return u->SQL(kind); },
          [kind](T* u, TStringList* lines) {
            if (lines != nullptr) u->SetSQL(kind, *lines);
          });
    };
    builder.Creatable();
    list(STR("DeleteSQL"), TMySQLUpdateKind::ukDelete);
    list(STR("InsertSQL"), TMySQLUpdateKind::ukInsert);
    list(STR("ModifySQL"), TMySQLUpdateKind::ukModify);
    list(STR("RefreshSQL"), TMySQLUpdateKind::ukRefresh);
    return WithAbout(builder).Build();
  }();
  return info;
}

TmySQLUpdateSQL::TmySQLUpdateSQL(TComponent* owner) : TmySQLSQLUpdateObject(owner) {
  for (auto& lines : FSQL) lines = std::make_unique<TStringList>();
}

TStringList* TmySQLUpdateSQL::GetSQLIndex(int index) const {
  if (index < 0 || index >= kUpdateKindCount) {
    throw EListError(STR("List index out of bounds (") + IntToStr(index) + STR(")"));
  }
  return FSQL[static_cast<size_t>(index)].get();
}

void TmySQLUpdateSQL::SetSQL(TMySQLUpdateKind kind, const TStringList& lines) {
  SQL(kind)->Assign(&lines);
}
