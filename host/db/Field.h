#pragma once
// A field of a dataset: a column of its records, or a value calculated or looked up per record.
//
// Event signatures (handlers are invoked by name through CallMethod):
//   OnChange, OnValidate  void(TField* sender)
//   OnGetText             void(TField* sender, String& text, bool displayText)
//   OnSetText             void(TField* sender, const String& text)
#include <optional>

#include "classes/Alignment.h"
#include "classes/Component.h"
#include "classes/SparseArray.h"
#include "db/FieldTypes.h"
#include "db/Variant.h"

class TDataSet;

enum class TFieldKind { fkData, fkCalculated, fkLookup, fkInternalCalc, fkAggregate };

const TTypeInfo& TypeInfoFieldKind();

class TField : public TComponent {
  OMBRIX_CLASS(TField)
  ~TField() override;

  // Moving a field takes it out of its dataset's Fields and appends it to the new one's; both
  // datasets must be closed, and the new one must not hold a field of the same FieldName.
  TDataSet* DataSet() const { return FDataSet; }
  void SetDataSet(TDataSet* dataSet);
  // Position in the dataset's Fields (-1 without a dataset).
  int Index() const;
  void SetIndex(int index);

  TFieldType DataType() const { return FDataType; }
  // 1-based column of a data field in the open dataset's records; 0 otherwise.
  int FieldNo() const { return FFieldNo; }

  const String& FieldName() const { return FFieldName; }
  void SetFieldName(const String& value);
  // FieldName when no label was set.
  String DisplayLabel() const;
  void SetDisplayLabel(const String& value);
  bool IsDisplayLabelStored() const { return !FDisplayLabel.empty(); }
  String DisplayName() const { return DisplayLabel(); }
  TFieldKind FieldKind() const { return FFieldKind; }
  void SetFieldKind(TFieldKind value);
  // Older form files say "Calculated = True" or "Lookup = True" instead of the kind.
  bool Calculated() const;
  void SetCalculated(bool value);
  // True exactly for lookup fields.
  bool Lookup() const { return FFieldKind == TFieldKind::fkLookup; }
  void SetLookup(bool value);
  const String& EditMask() const { return FTexts[kEditMask]; }
  void SetEditMask(const String& value) { FTexts.Set(kEditMask, value); }
  TAlignment Alignment() const { return FAlignment.value_or(DefaultAlignment()); }
  void SetAlignment(TAlignment value) { FAlignment = value; }
  bool IsAlignmentStored() const { return Alignment() != DefaultAlignment(); }
  // Numbers align right unless told otherwise.
  virtual TAlignment DefaultAlignment() const { return TAlignment::taLeftJustify; }
  const String& DefaultExpression() const { return FTexts[kDefaultExpression]; }
  void SetDefaultExpression(const String& value) { FTexts.Set(kDefaultExpression, value); }
  // The class's default width until one is set.
  int DisplayWidth() const;
  void SetDisplayWidth(int value) { FDisplayWidth = value; }
  bool IsDisplayWidthStored() const { return FDisplayWidth > 0; }
  bool Visible() const { return FVisible; }
  void SetVisible(bool value) { FVisible = value; }
  bool Required() const { return FRequired; }
  void SetRequired(bool value) { FRequired = value; }
  bool ReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool value) { FReadOnly = value; }
  int Size() const { return FSize; }
  void SetSize(int value);
  const String& Origin() const { return FTexts[kOrigin]; }
  void SetOrigin(const String& value) { FTexts.Set(kOrigin, value); }
  const String& DisplayFormat() const { return FTexts[kDisplayFormat]; }
  void SetDisplayFormat(const String& value) { FTexts.Set(kDisplayFormat, value); }

  // Lookup definition: KeyFields of this dataset match LookupKeyFields of LookupDataSet, whose
  // LookupResultField gives the value.
  const String& KeyFields() const { return FTexts[kKeyFields]; }
  void SetKeyFields(const String& value) { FTexts.Set(kKeyFields, value); }
  bool LookupCache() const { return FLookupCache; }
  void SetLookupCache(bool value) { FLookupCache = value; }
  TDataSet* LookupDataSet() const { return FLookupDataSet; }
  void SetLookupDataSet(TDataSet* value);
  const String& LookupKeyFields() const { return FTexts[kLookupKeyFields]; }
  void SetLookupKeyFields(const String& value) { FTexts.Set(kLookupKeyFields, value); }
  const String& LookupResultField() const { return FTexts[kLookupResultField]; }
  void SetLookupResultField(const String& value) { FTexts.Set(kLookupResultField, value); }

  const TMethod& OnChange() const { return Event(kOnChange); }
  void SetOnChange(const TMethod& handler) { SetEvent(kOnChange, handler); }
  const TMethod& OnGetText() const { return Event(kOnGetText); }
  void SetOnGetText(const TMethod& handler) { SetEvent(kOnGetText, handler); }
  const TMethod& OnSetText() const { return Event(kOnSetText); }
  void SetOnSetText(const TMethod& handler) { SetEvent(kOnSetText, handler); }
  const TMethod& OnValidate() const { return Event(kOnValidate); }
  void SetOnValidate(const TMethod& handler) { SetEvent(kOnValidate, handler); }

  // --- the value in the dataset's current record ---
  // Null without a current record. Writing needs the dataset in edit or insert mode (calculated
  // fields: inside OnCalcFields) and runs OnValidate, then OnChange.
  Variant Value() const;
  void SetValue(const Variant& value);
  bool IsNull() const { return VarIsNull(Value()); }
  void Clear() { SetValue(Variant()); }
  virtual String AsString() const;
  void SetAsString(const String& value) { SetValue(value); }
  int32_t AsInteger() const;
  void SetAsInteger(int32_t value) { SetValue(static_cast<int64_t>(value)); }
  int64_t AsLargeInt() const;
  double AsFloat() const;
  void SetAsFloat(double value) { SetValue(value); }
  bool AsBoolean() const;
  void SetAsBoolean(bool value) { SetValue(value); }
  // The text shown (displayText) or edited, through OnGetText when assigned.
  String Text() const { return GetText(false); }
  String DisplayText() const { return GetText(true); }
  // Through OnSetText when assigned, else as AsString.
  void SetText(const String& value);

  bool HasParent() const override { return FDataSet != nullptr; }
  TComponent* GetParentComponent() const override;
  void SetParentComponent(TComponent* parent) override;
  void Notification(TComponent* component, TOperation operation) override;

 protected:
  TField(TComponent* owner, TFieldType dataType, int size = 0);
  // The stored form of a value for this class (an integer field keeps int64, ...); raises for
  // values the field cannot hold.
  virtual Variant Convert(const Variant& value) const;
  virtual int DefaultDisplayWidth() const { return 10; }
  // Raises EDatabaseError "Field 'X' <rest>", naming the dataset.
  [[noreturn]] void FieldError(const String& rest) const;

 private:
  enum TEvent { kOnChange, kOnGetText, kOnSetText, kOnValidate, kEventCount };
  const TMethod& Event(TEvent event) const { return FEvents[event]; }
  void SetEvent(TEvent event, const TMethod& handler) { FEvents.Set(event, handler); }
  TSparseArray<TMethod, kEventCount> FEvents;
  // Texts most fields leave empty.
  enum TText {
    kEditMask,
    kDefaultExpression,
    kOrigin,
    kDisplayFormat,
    kKeyFields,
    kLookupKeyFields,
    kLookupResultField,
    kTextCount
  };
  TSparseArray<String, kTextCount> FTexts;
  friend class TFields;
  friend class TDataSet;
  String GetText(bool displayText) const;
  void CheckInactive() const;

  TDataSet* FDataSet = nullptr;
  TFieldType FDataType;
  int FFieldNo = 0;
  int FCalcSlot = -1;  // slot of a calculated or lookup value while the dataset is open
  String FFieldName;
  String FDisplayLabel;
  TFieldKind FFieldKind = TFieldKind::fkData;
  std::optional<TAlignment> FAlignment;
  int FDisplayWidth = 0;
  bool FVisible = true;
  bool FRequired = false;
  bool FReadOnly = false;
  int FSize = 0;
  bool FLookupCache = false;
  TDataSet* FLookupDataSet = nullptr;
};
