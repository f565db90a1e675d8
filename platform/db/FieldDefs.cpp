#include "db/FieldDefs.h"

#include "db/DataSet.h"

const TTypeInfo& TypeInfoFieldAttributes() {
  static const TTypeInfo info{TTypeKind::tkSet,
                              STR("TFieldAttributes"),
                              {STR("faHiddenCol"), STR("faReadonly"), STR("faRequired"),
                               STR("faLink"), STR("faUnNamed"), STR("faFixed")},
                              nullptr};
  return info;
}

const TClassInfo& TFieldDef::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TFieldDef, TNamedItem>(STR("TFieldDef"))
          .Creatable([](TComponent*) -> TObject* { return new TFieldDef(nullptr); })
          .Prop(STR("Attributes"), &TFieldDef::Attributes, &TFieldDef::SetAttributes,
                &TypeInfoFieldAttributes(), 0)
          .Prop(STR("DataType"), &TFieldDef::DataType, &TFieldDef::SetDataType,
                &TypeInfoFieldType(), 0)
          .Prop(STR("Precision"), &TFieldDef::Precision, &TFieldDef::SetPrecision, nullptr, 0)
          .Prop(STR("Size"), &TFieldDef::Size, &TFieldDef::SetSize, nullptr, 0)
          .Build();
  return info;
}

void TFieldDef::SetDataType(TFieldType value) {
  FDataType = value;
  Changed();
}

void TFieldDef::SetSize(int value) {
  FSize = value;
  Changed();
}

void TFieldDef::SetPrecision(int value) {
  FPrecision = value;
  Changed();
}

void TFieldDef::SetAttributes(TFieldAttributes value) {
  FAttributes = value;
  Changed();
}

void TFieldDef::SetRequired(bool value) {
  const auto bit = static_cast<TFieldAttributes>(SetBit(TFieldAttribute::faRequired));
  SetAttributes(value ? (FAttributes | bit) : (FAttributes & ~bit));
}

void TFieldDef::Assign(const TPersistent* source) {
  const auto* other = dynamic_cast<const TFieldDef*>(source);
  if (other == nullptr) {
    TNamedItem::Assign(source);
    return;
  }
  SetName(other->Name());
  FDataType = other->FDataType;
  FSize = other->FSize;
  FPrecision = other->FPrecision;
  FAttributes = other->FAttributes;
  Changed();
}

const TClassInfo& TFieldDefs::StaticClass() {
  static const TClassInfo info = TClassBuilder<TFieldDefs, TCollection>(STR("TFieldDefs")).Build();
  return info;
}

TFieldDefs::TFieldDefs(TDataSet* dataSet)
    : TDefCollection(dataSet, TFieldDef::StaticClass(), TCollection::FactoryOf<TFieldDef>()) {}

TFieldDef* TFieldDefs::Items(int index) const {
  return static_cast<TFieldDef*>(TCollection::Items(index));
}

TFieldDef* TFieldDefs::AddFieldDef() {
  return static_cast<TFieldDef*>(TCollection::Add());
}

TFieldDef* TFieldDefs::Add(const String& name, TFieldType dataType, int size, bool required) {
  if (name.empty()) DatabaseError(STR("Field name missing"), DataSet());
  if (IndexOf(name) >= 0) DatabaseError(STR("Duplicate field name '") + name + STR("'"), DataSet());
  TFieldDef* def = AddFieldDef();
  def->SetName(name);
  def->SetDataType(dataType);
  def->SetSize(size);
  def->SetRequired(required);
  return def;
}

TFieldDef* TFieldDefs::FieldDefByName(StringView name) const {
  TFieldDef* def = Find(name);
  if (def == nullptr) DatabaseError(STR("Field '") + String(name) + STR("' not found"), DataSet());
  return def;
}

void TFieldDefs::DoUpdate() {
  DataSet()->InternalInitFieldDefs();
}
