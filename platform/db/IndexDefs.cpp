#include "db/IndexDefs.h"

#include "db/DataSet.h"

const TTypeInfo& TypeInfoIndexOptions() {
  static const TTypeInfo info{
      TTypeKind::tkSet,
      STR("TIndexOptions"),
      {STR("ixPrimary"), STR("ixUnique"), STR("ixDescending"), STR("ixCaseInsensitive"),
       STR("ixExpression"), STR("ixNonMaintained")},
      nullptr};
  return info;
}

const TClassInfo& TIndexDef::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TIndexDef, TNamedItem>(STR("TIndexDef"))
          .Creatable([](TComponent*) -> TObject* { return new TIndexDef(nullptr); })
          .Prop(STR("CaseInsFields"), &TIndexDef::CaseInsFields, &TIndexDef::SetCaseInsFields)
          .Prop(STR("DescFields"), &TIndexDef::DescFields, &TIndexDef::SetDescFields)
          .Prop(STR("Expression"), &TIndexDef::Expression, &TIndexDef::SetExpression)
          .Prop(STR("Fields"), &TIndexDef::Fields, &TIndexDef::SetFields)
          .Prop(STR("Options"), &TIndexDef::Options, &TIndexDef::SetOptions,
                &TypeInfoIndexOptions(), 0)
          .Build();
  return info;
}

void TIndexDef::SetFields(const String& value) {
  FFields = value;
  Changed();
}

// An expression index has no field list, and the other way round.
void TIndexDef::SetExpression(const String& value) {
  FExpression = value;
  const auto bit = static_cast<TIndexOptions>(SetBit(TIndexOption::ixExpression));
  FOptions = value.empty() ? (FOptions & ~bit) : (FOptions | bit);
  Changed();
}

void TIndexDef::SetOptions(TIndexOptions value) {
  FOptions = value;
  Changed();
}

void TIndexDef::SetDescFields(const String& value) {
  FDescFields = value;
  Changed();
}

void TIndexDef::SetCaseInsFields(const String& value) {
  FCaseInsFields = value;
  Changed();
}

void TIndexDef::Assign(const TPersistent* source) {
  const auto* other = dynamic_cast<const TIndexDef*>(source);
  if (other == nullptr) {
    TNamedItem::Assign(source);
    return;
  }
  SetName(other->Name());
  FFields = other->FFields;
  FExpression = other->FExpression;
  FOptions = other->FOptions;
  FDescFields = other->FDescFields;
  FCaseInsFields = other->FCaseInsFields;
  Changed();
}

const TClassInfo& TIndexDefs::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TIndexDefs, TDefCollection>(STR("TIndexDefs")).Build();
  return info;
}

TIndexDefs::TIndexDefs(TDataSet* dataSet)
    : TDefCollection(dataSet, TIndexDef::StaticClass(), TCollection::FactoryOf<TIndexDef>()) {}

TIndexDef* TIndexDefs::Items(int index) const {
  return static_cast<TIndexDef*>(TCollection::Items(index));
}

TIndexDef* TIndexDefs::AddIndexDef() {
  return static_cast<TIndexDef*>(TCollection::Add());
}

TIndexDef* TIndexDefs::Add(const String& name, const String& fields, TIndexOptions options) {
  TIndexDef* def = AddIndexDef();
  def->SetName(name);
  if (InSet(options, TIndexOption::ixExpression)) {
    def->SetExpression(fields);
  } else {
    def->SetFields(fields);
  }
  def->SetOptions(options);
  return def;
}

TIndexDef* TIndexDefs::Find(StringView name) const {
  const int i = IndexOf(name);
  if (i < 0) DatabaseError(STR("Index '") + String(name) + STR("' not found"), DataSet());
  return Items(i);
}

TIndexDef* TIndexDefs::Match(StringView fields,
                             const std::function<bool(const TIndexDef&)>& usable) {
  Update();
  if (fields.empty()) return nullptr;
  // An exact match wins over an index that merely starts with the fields.
  for (int i = 0; i < Count(); ++i) {
    TIndexDef* def = Items(i);
    if (usable(*def) && SameText(def->Fields(), fields)) return def;
  }
  for (int i = 0; i < Count(); ++i) {
    TIndexDef* def = Items(i);
    const String& have = def->Fields();
    if (!usable(*def) || have.size() <= fields.size()) continue;
    if (SameText(StringView(have).substr(0, fields.size()), fields) && have[fields.size()] == ';') {
      return def;
    }
  }
  return nullptr;
}

TIndexDef* TIndexDefs::GetIndexForFields(StringView fields, bool caseInsensitive) {
  return Match(fields, [&](const TIndexDef& def) {
    if (InSet(def.Options(), TIndexOption::ixDescending) ||
        InSet(def.Options(), TIndexOption::ixExpression)) {
      return false;
    }
    return !caseInsensitive || InSet(def.Options(), TIndexOption::ixCaseInsensitive);
  });
}

TIndexDef* TIndexDefs::FindIndexForFields(StringView fields) {
  TIndexDef* def = Match(fields, [](const TIndexDef&) { return true; });
  if (def == nullptr) {
    DatabaseError(STR("No index for fields '") + String(fields) + STR("'"), DataSet());
  }
  return def;
}

void TIndexDefs::DoUpdate() {
  DataSet()->UpdateIndexDefs();
}
