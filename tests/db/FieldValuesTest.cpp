#include <gtest/gtest.h>

#include "TestDataSets.h"
#include "db/BinaryFields.h"
#include "db/BooleanField.h"
#include "db/DBClasses.h"
#include "db/DateTimeFields.h"
#include "db/GenericField.h"
#include "db/NumericFields.h"
#include "db/StringFields.h"

namespace {

// One open record with a column per type, in edit mode.
struct Row {
  TMemDataSet ds{nullptr};
  explicit Row(std::vector<TMemDataSet::Column> columns) {
    ds.Columns = std::move(columns);
    ds.Rows = {std::vector<Variant>(ds.Columns.size())};
    ds.Open();
    ds.Edit();
  }
  TField* operator[](const char* name) { return ds.FieldByName(S(name)); }
};

TEST(FieldValues, NumbersConvertAndRespectTheirRanges) {
  Row r({{STR("I"), TFieldType::ftInteger},
         {STR("W"), TFieldType::ftWord},
         {STR("L"), TFieldType::ftLargeint},
         {STR("F"), TFieldType::ftFloat},
         {STR("B"), TFieldType::ftBCD, 2}});
  r["I"]->SetAsString(STR(" -12 "));
  EXPECT_EQ(r["I"]->AsInteger(), -12);
  EXPECT_EQ(r["I"]->Value(), Variant(int64_t{-12}));
  EXPECT_THROW(r["W"]->SetAsInteger(-1), EDatabaseError);
  r["W"]->SetAsInteger(65535);
  EXPECT_EQ(r["W"]->AsString(), STR("65535"));
  auto* i = static_cast<TIntegerField*>(r["I"]);
  i->SetMinValue(1);
  i->SetMaxValue(10);
  try {
    i->SetAsInteger(11);
    FAIL();
  } catch (const EDatabaseError& e) {
    EXPECT_EQ(e.Message(),
              STR("11 is not a valid value for field 'I'. The allowed range is 1 to 10"));
  }
  r["L"]->SetAsString(STR("9007199254740993"));
  EXPECT_EQ(r["L"]->AsLargeInt(), 9007199254740993);
  EXPECT_THROW(r["L"]->AsInteger(), EConvertError);
  r["F"]->SetAsString(STR("1.25"));
  EXPECT_DOUBLE_EQ(r["F"]->AsFloat(), 1.25);
  EXPECT_EQ(r["F"]->AsInteger(), 1);
  EXPECT_THROW(r["F"]->SetAsString(STR("1,25")), EConvertError);
  auto* f = static_cast<TFloatField*>(r["F"]);
  f->SetMaxValue(100);
  EXPECT_THROW(f->SetAsFloat(100.5), EDatabaseError);
  EXPECT_THROW(f->SetAsFloat(-3), EDatabaseError);  // MinValue 0 bounds too once MaxValue is set
  EXPECT_DOUBLE_EQ(f->AsFloat(), 1.25);
  // A decimal keeps Size digits after the point.
  EXPECT_EQ(r["B"]->Size(), 2);
  r["B"]->SetAsFloat(2.345678);
  EXPECT_DOUBLE_EQ(r["B"]->AsFloat(), 2.35);
  EXPECT_EQ(r["I"]->Alignment(), TAlignment::taRightJustify);
}

TEST(FieldValues, BooleansDatesAndBytes) {
  Row r({{STR("Ok"), TFieldType::ftBoolean},
         {STR("D"), TFieldType::ftDate},
         {STR("T"), TFieldType::ftTime},
         {STR("DT"), TFieldType::ftDateTime},
         {STR("Bin"), TFieldType::ftBlob},
         {STR("Txt"), TFieldType::ftMemo}});
  auto* ok = static_cast<TBooleanField*>(r["Ok"]);
  ok->SetDisplayValues(STR("Yes;No"));
  ok->SetAsString(STR("no"));
  EXPECT_FALSE(ok->AsBoolean());
  EXPECT_EQ(ok->AsString(), STR("No"));
  ok->SetAsString(STR("True"));
  EXPECT_EQ(ok->AsString(), STR("Yes"));
  EXPECT_THROW(ok->SetAsString(STR("maybe")), EDatabaseError);

  r["DT"]->SetAsString(STR("2024-02-29 13:05:07"));
  EXPECT_EQ(r["DT"]->AsString(), STR("2024-02-29 13:05:07"));
  r["D"]->SetValue(r["DT"]->Value());
  EXPECT_EQ(r["D"]->AsString(), STR("2024-02-29"));
  r["T"]->SetValue(r["DT"]->Value());
  EXPECT_EQ(r["T"]->AsString(), STR("13:05:07"));
  r["D"]->SetAsString(STR("1899-12-30"));
  EXPECT_DOUBLE_EQ(r["D"]->AsFloat(), 0.0);
  r["D"]->SetAsString(STR("1899-12-29"));
  EXPECT_DOUBLE_EQ(r["D"]->AsFloat(), -1.0);
  EXPECT_EQ(r["D"]->AsString(), STR("1899-12-29"));
  for (const Char* bad : {STR("2023-02-29"), STR("2024-13-01"), STR("25:00"), STR("2024-01-01x")}) {
    EXPECT_THROW(r["DT"]->SetAsString(bad), EConvertError) << ToUtf8(bad);
  }
  // Binary text is one byte per character.
  r["Bin"]->SetAsString(String(STR("a")) + Char(0xFF) + Char(0));
  EXPECT_EQ(std::get<TBytes>(r["Bin"]->Value()), (TBytes{'a', 0xFF, 0}));
  if constexpr (kWideStrings) {
    EXPECT_THROW(r["Bin"]->SetAsString(String(1, Char(0x416))), EDatabaseError);
  }
  r["Txt"]->SetAsString(STR("long text"));
  EXPECT_EQ(r["Txt"]->Value(), Variant(String(STR("long text"))));
}

class TTextForm : public TComponent {
  OMBRIX_CLASS(TTextForm)
  using TComponent::TComponent;
  void GetText(TField* f, String& text, bool display) {
    text = (display ? STR("<") : STR("[")) + f->AsString() + (display ? STR(">") : STR("]"));
  }
  void SetText(TField* f, const String& text) { f->SetAsString(text + text); }
  void Validate(TField* f) {
    if (f->AsString() == STR("bad")) DatabaseError(STR("refused"));
  }
};

const TClassInfo& TTextForm::StaticClass() {
  static const TClassInfo info = TClassBuilder<TTextForm, TComponent>(STR("TTextForm"))
                                     .Method(STR("GetText"), &TTextForm::GetText)
                                     .Method(STR("SetText"), &TTextForm::SetText)
                                     .Method(STR("Validate"), &TTextForm::Validate)
                                     .Build();
  return info;
}

TEST(FieldValues, TextAndValidationHandlers) {
  Row r({{STR("Name"), TFieldType::ftString}});
  TTextForm form(nullptr);
  TField* name = r["Name"];
  name->SetText(STR("ab"));
  EXPECT_EQ(name->DisplayText(), STR("ab"));
  SetMethodProp(name, STR("OnGetText"), TMethod{&form, STR("GetText")});
  SetMethodProp(name, STR("OnSetText"), TMethod{&form, STR("SetText")});
  SetMethodProp(name, STR("OnValidate"), TMethod{&form, STR("Validate")});
  name->SetText(STR("xy"));
  EXPECT_EQ(name->AsString(), STR("xyxy"));
  EXPECT_EQ(name->DisplayText(), STR("<xyxy>"));
  EXPECT_EQ(name->Text(), STR("[xyxy]"));
  // A value the validator refuses does not stay.
  EXPECT_THROW(name->SetAsString(STR("bad")), EDatabaseError);
  EXPECT_EQ(name->AsString(), STR("xyxy"));
  // A handler the form's class does not provide (no code at design time) changes nothing.
  name->SetOnGetText(TMethod{&form, STR("NoSuchHandler")});
  EXPECT_EQ(name->DisplayText(), STR("xyxy"));
}

TEST(FieldValues, EveryFieldClassIsRegisteredWithTheMigratorsProperties) {
  RegisterDBClasses();
  for (const Char* name :
       {STR("TStringField"), STR("TIntegerField"), STR("TSmallintField"), STR("TLargeintField"),
        STR("TWordField"), STR("TAutoIncField"), STR("TFloatField"), STR("TCurrencyField"),
        STR("TBCDField"), STR("TBooleanField"), STR("TDateField"), STR("TTimeField"),
        STR("TDateTimeField"), STR("TMemoField"), STR("TBlobField"), STR("TWideStringField"),
        STR("TBytesField"), STR("TVarBytesField")}) {
    const TClassInfo* cls = GetClass(name);
    ASSERT_NE(cls, nullptr) << ToUtf8(name);
    std::unique_ptr<TObject> field(cls->Create(nullptr));
    EXPECT_TRUE(field->Is<TField>());
    for (const Char* prop :
         {STR("FieldName"), STR("DisplayLabel"), STR("FieldKind"), STR("EditMask"),
          STR("Alignment"), STR("DefaultExpression"), STR("DisplayWidth"), STR("Visible"),
          STR("KeyFields"), STR("LookupCache"), STR("LookupDataSet"), STR("LookupKeyFields"),
          STR("LookupResultField"), STR("OnChange"), STR("OnGetText"), STR("OnSetText"),
          STR("OnValidate"), STR("Required"), STR("ReadOnly")}) {
      EXPECT_NE(GetPropInfo(field.get(), prop), nullptr) << ToUtf8(name) << "." << ToUtf8(prop);
    }
  }
  std::unique_ptr<TObject> f(GetClass(STR("TStringField"))->Create(nullptr));
  SetOrdProp(f.get(), STR("FieldKind"), 2);
  EXPECT_TRUE(static_cast<TField*>(f.get())->Lookup());
  EXPECT_EQ(GetOrdProp(f.get(), STR("Size")), 20);
  // Older files name the kind by flags.
  SetOrdProp(f.get(), STR("Calculated"), 1);
  EXPECT_EQ(static_cast<TField*>(f.get())->FieldKind(), TFieldKind::fkCalculated);
  SetOrdProp(f.get(), STR("Lookup"), 1);
  SetOrdProp(f.get(), STR("Calculated"), 0);
  EXPECT_EQ(static_cast<TField*>(f.get())->FieldKind(), TFieldKind::fkLookup);
  SetOrdProp(f.get(), STR("Lookup"), 0);
  EXPECT_EQ(static_cast<TField*>(f.get())->FieldKind(), TFieldKind::fkData);
  // The label is stored only when it differs from the field name.
  SetStrProp(f.get(), STR("FieldName"), STR("Name"));
  const TPropInfo* label = GetPropInfo(f.get(), STR("DisplayLabel"));
  EXPECT_FALSE(label->IsStored(f.get()));
  SetStrProp(f.get(), STR("DisplayLabel"), STR("Customer"));
  EXPECT_TRUE(label->IsStored(f.get()));
}

TEST(FieldValues, GenericFieldsKeepTheirClassNameAndTakeAnyValue) {
  TMemDataSet ds(nullptr);
  ds.Columns = {{STR("G"), TFieldType::ftGuid}};
  ds.Rows = {{S("{1234}")}};
  auto* g = new TGenericField(&ds, STR("TGuidField"));
  EXPECT_EQ(g->ClassName(), STR("TGuidField"));
  EXPECT_TRUE(g->Is<TField>());
  TGenericField twin(nullptr, STR("tguidfield"));
  EXPECT_EQ(&twin.ClassType(), &g->ClassType());
  EXPECT_EQ(GetClass(STR("TGuidField")), nullptr);
  g->SetFieldName(STR("G"));
  g->SetDataSet(&ds);
  ds.Open();
  EXPECT_EQ(g->AsString(), STR("{1234}"));
}

}  // namespace
