#pragma once
// Parameters of a statement or a stored procedure.
#include "classes/Collection.h"
#include "db/FieldTypes.h"
#include "db/Variant.h"

enum class TParamType { ptUnknown, ptInput, ptOutput, ptInputOutput, ptResult };
const TTypeInfo& TypeInfoParamType();

class TParam : public TCollectionItem {
  OMBRIX_CLASS(TParam)
  explicit TParam(TCollection* collection);

  const String& Name() const { return FName; }
  void SetName(const String& value);
  TFieldType DataType() const { return FDataType; }
  void SetDataType(TFieldType value);
  TParamType ParamType() const { return FParamType; }
  void SetParamType(TParamType value) { FParamType = value; }
  int Size() const { return FSize; }
  void SetSize(int value) { FSize = value; }

  const Variant& Value() const { return FValue; }
  // A value of an unknown type gives the parameter the value's type.
  void SetValue(const Variant& value);
  bool IsNull() const { return VarIsNull(FValue); }
  void Clear() { FValue = Variant(); }
  String AsString() const { return VarToStr(FValue); }
  void SetAsString(const String& value);
  int32_t AsInteger() const;
  void SetAsInteger(int32_t value);
  double AsFloat() const { return VarToFloat(FValue); }
  void SetAsFloat(double value);
  bool AsBoolean() const { return VarToBool(FValue); }
  void SetAsBoolean(bool value);

  String DisplayName() const override { return FName; }
  void Assign(const TPersistent* source) override;

 private:
  String FName;
  TFieldType FDataType = TFieldType::ftUnknown;
  TParamType FParamType = TParamType::ptUnknown;
  int FSize = 0;
  Variant FValue;
};

class TParams : public TCollection {
  OMBRIX_CLASS(TParams)
  explicit TParams(TPersistent* owner = nullptr);

  TParam* Items(int index) const;
  TParam* AddParam();
  TParam* CreateParam(TFieldType dataType, const String& name, TParamType paramType);
  // Without regard to ASCII case; null when absent.
  TParam* FindParam(StringView name) const;
  // Raises the database error "Parameter 'X' not found".
  TParam* ParamByName(StringView name) const;
  // Replaces the ":name" parameters of sql (outside quotes and comments; "::" stands for a
  // colon, ":"quoted name"" allows any name) by "?" and returns the result; with doCreate the
  // list is rebuilt from the names found, in order, each name once.
  String ParseSQL(StringView sql, bool doCreate);
};
