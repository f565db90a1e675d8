#include "db/Params.h"

#include "db/NamedParams.h"

#include "classes/Component.h"

const TTypeInfo& TypeInfoParamType() {
  static const TTypeInfo info{
      TTypeKind::tkEnumeration,
      STR("TParamType"),
      {STR("ptUnknown"), STR("ptInput"), STR("ptOutput"), STR("ptInputOutput"), STR("ptResult")},
      nullptr};
  return info;
}

const TClassInfo& TParam::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TParam, TCollectionItem>(STR("TParam"))
          .Creatable([](TComponent*) -> TObject* { return new TParam(nullptr); })
          .Prop(STR("DataType"), &TParam::DataType, &TParam::SetDataType, &TypeInfoFieldType(), 0)
          .Prop(STR("Name"), &TParam::Name, &TParam::SetName)
          .Prop(STR("ParamType"), &TParam::ParamType, &TParam::SetParamType, &TypeInfoParamType(),
                0)
          .Prop(STR("Size"), &TParam::Size, &TParam::SetSize, nullptr, 0)
          .Build();
  return info;
}

TParam::TParam(TCollection* collection) : TCollectionItem(collection) {}

void TParam::SetName(const String& value) {
  FName = value;
  Changed();
}

void TParam::SetDataType(TFieldType value) {
  FDataType = value;
  Changed();
}

void TParam::SetValue(const Variant& value) {
  FValue = value;
  if (FDataType != TFieldType::ftUnknown) return;
  struct TypeOf {
    TFieldType operator()(std::monostate) const { return TFieldType::ftUnknown; }
    TFieldType operator()(bool) const { return TFieldType::ftBoolean; }
    TFieldType operator()(int64_t i) const {
      return i >= INT32_MIN && i <= INT32_MAX ? TFieldType::ftInteger : TFieldType::ftLargeint;
    }
    TFieldType operator()(double) const { return TFieldType::ftFloat; }
    TFieldType operator()(const String&) const { return TFieldType::ftString; }
    TFieldType operator()(const TBytes&) const { return TFieldType::ftBlob; }
  };
  FDataType = std::visit(TypeOf{}, value);
}

void TParam::SetAsString(const String& value) {
  FDataType = TFieldType::ftString;
  FValue = value;
}

int32_t TParam::AsInteger() const {
  const int64_t v = VarToInt(FValue);
  if (v < INT32_MIN || v > INT32_MAX) {
    throw EConvertError(IntToStr(v) + STR(" is not a valid integer value"));
  }
  return static_cast<int32_t>(v);
}

void TParam::SetAsInteger(int32_t value) {
  FDataType = TFieldType::ftInteger;
  FValue = static_cast<int64_t>(value);
}

void TParam::SetAsFloat(double value) {
  FDataType = TFieldType::ftFloat;
  FValue = value;
}

void TParam::SetAsBoolean(bool value) {
  FDataType = TFieldType::ftBoolean;
  FValue = value;
}

void TParam::Assign(const TPersistent* source) {
  const auto* other = dynamic_cast<const TParam*>(source);
  if (other == nullptr) {
    TCollectionItem::Assign(source);
    return;
  }
  FName = other->FName;
  FDataType = other->FDataType;
  FParamType = other->FParamType;
  FSize = other->FSize;
  FValue = other->FValue;
  Changed();
}

const TClassInfo& TParams::StaticClass() {
  static const TClassInfo info = TClassBuilder<TParams, TCollection>(STR("TParams")).Build();
  return info;
}

TParams::TParams(TPersistent* owner)
    : TCollection(TParam::StaticClass(), TCollection::FactoryOf<TParam>()) {
  SetOwner(owner);
}

TParam* TParams::Items(int index) const {
  return static_cast<TParam*>(TCollection::Items(index));
}

TParam* TParams::AddParam() {
  return static_cast<TParam*>(TCollection::Add());
}

TParam* TParams::CreateParam(TFieldType dataType, const String& name, TParamType paramType) {
  TParam* param = AddParam();
  param->SetName(name);
  param->SetDataType(dataType);
  param->SetParamType(paramType);
  return param;
}

TParam* TParams::FindParam(StringView name) const {
  for (int i = 0; i < Count(); ++i) {
    if (SameText(Items(i)->Name(), name)) return Items(i);
  }
  return nullptr;
}

TParam* TParams::ParamByName(StringView name) const {
  TParam* param = FindParam(name);
  if (param == nullptr) {
    DatabaseError(STR("Parameter '") + String(name) + STR("' not found"),
                  dynamic_cast<TComponent*>(Owner()));
  }
  return param;
}

String TParams::ParseSQL(StringView sql, bool doCreate) {
  const TParsedStatement parsed = ParseNamedParams(sql);
  if (doCreate) {
    // Parameters that stay keep their types and values.
    TParams old;
    old.Assign(this);
    BeginUpdate();
    Clear();
    for (const String& name : parsed.Names) {
      if (FindParam(name) != nullptr) continue;
      if (const TParam* kept = old.FindParam(name)) {
        AddParam()->Assign(kept);
      } else {
        CreateParam(TFieldType::ftUnknown, name, TParamType::ptInput);
      }
    }
    EndUpdate();
  }
  return parsed.WithPlaceholders();
}
