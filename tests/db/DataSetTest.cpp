#include <gtest/gtest.h>

#include "TestDataSets.h"
#include "db/DBClasses.h"
#include "db/NumericFields.h"
#include "db/StringFields.h"

namespace {

using Log = std::vector<std::string>;

struct Customers {
  TComponent root{nullptr};
  TMemDataSet* ds = new TMemDataSet(&root);
  TRecorder* recorder = new TRecorder(&root);
  Customers() {
    RegisterDBClasses();
    ds->SetName(STR("Customers"));
    ds->Columns = {{STR("Id"), TFieldType::ftInteger, 0, true},
                   {STR("Name"), TFieldType::ftString, 30},
                   {STR("City"), TFieldType::ftString, 20}};
    ds->Rows = {{int64_t{1}, S("Ann"), S("Oslo")},
                {int64_t{2}, S("Bob"), Variant()},
                {int64_t{3}, S("Cid"), S("Oslo")}};
  }
  std::vector<String> Names() {
    std::vector<String> names;
    for (ds->First(); !ds->Eof(); ds->Next())
      names.push_back(ds->FieldByName(STR("Name"))->AsString());
    return names;
  }
};

TEST(DataSet, DefaultFieldsComeAndGoWithOpenAndClose) {
  Customers c;
  c.ds->Open();
  EXPECT_TRUE(c.ds->DefaultFields());
  ASSERT_EQ(c.ds->FieldCount(), 3);
  EXPECT_TRUE(c.ds->Fields()[0]->Is<TIntegerField>());
  EXPECT_TRUE(c.ds->Fields()[1]->Is<TStringField>());
  EXPECT_EQ(c.ds->Fields()[1]->Size(), 30);
  EXPECT_TRUE(c.ds->Fields()[0]->Required());
  EXPECT_EQ(c.ds->Fields()[0]->Owner(), c.ds);
  c.ds->Close();
  EXPECT_EQ(c.ds->FieldCount(), 0);
  EXPECT_FALSE(c.ds->DefaultFields());
  // Default fields are no persistent fields: nothing to stream.
  c.ds->Open();
  int streamed = 0;
  c.ds->GetChildren([&](TComponent*) { ++streamed; }, &c.root);
  EXPECT_EQ(streamed, 0);
}

TEST(DataSet, PersistentFieldsAreBoundByNameAndChecked) {
  Customers c;
  auto* name = new TStringField(&c.root);
  name->SetFieldName(STR("NAME"));
  name->SetDataSet(c.ds);
  c.ds->Open();
  EXPECT_FALSE(c.ds->DefaultFields());
  ASSERT_EQ(c.ds->FieldCount(), 1);
  EXPECT_EQ(name->AsString(), STR("Ann"));
  c.ds->Close();
  EXPECT_EQ(c.ds->FieldCount(), 1);

  auto* missing = new TStringField(&c.root);
  missing->SetFieldName(STR("Phone"));
  missing->SetDataSet(c.ds);
  try {
    c.ds->Open();
    FAIL();
  } catch (const EDatabaseError& e) {
    EXPECT_EQ(e.Message(), STR("Customers: Field 'Phone' not found"));
  }
  EXPECT_FALSE(c.ds->Active());
  delete missing;

  auto* wrong = new TIntegerField(&c.root);
  wrong->SetFieldName(STR("City"));
  wrong->SetDataSet(c.ds);
  try {
    c.ds->Open();
    FAIL();
  } catch (const EDatabaseError& e) {
    EXPECT_EQ(e.Message(),
              STR("Customers: Type mismatch for field 'City', expecting: Integer actual: String"));
  }
}

TEST(DataSet, NavigationSetsBofAndEof) {
  Customers c;
  c.ds->Open();
  EXPECT_TRUE(c.ds->Bof());
  EXPECT_FALSE(c.ds->Eof());
  EXPECT_EQ(c.ds->RecordCount(), 3);
  EXPECT_EQ(c.ds->MoveBy(5), 2);
  EXPECT_TRUE(c.ds->Eof());
  EXPECT_EQ(c.ds->RecNo(), 3);
  c.ds->Next();
  EXPECT_EQ(c.ds->RecNo(), 3);
  c.ds->Prior();
  EXPECT_FALSE(c.ds->Eof());
  EXPECT_EQ(c.ds->FieldByName(STR("Name"))->AsString(), STR("Bob"));
  EXPECT_TRUE(c.ds->FieldByName(STR("City"))->IsNull());
  c.ds->Prior();
  EXPECT_FALSE(c.ds->Bof());
  c.ds->Prior();
  EXPECT_TRUE(c.ds->Bof());
  EXPECT_EQ(c.ds->RecNo(), 1);
  c.ds->Last();
  EXPECT_TRUE(c.ds->Eof());
  EXPECT_EQ(c.ds->FieldByName(STR("Id"))->AsInteger(), 3);

  c.ds->Rows.clear();
  c.ds->Close();
  c.ds->Open();
  EXPECT_TRUE(c.ds->Bof() && c.ds->Eof() && c.ds->IsEmpty());
  EXPECT_TRUE(c.ds->FieldByName(STR("Id"))->IsNull());
  EXPECT_EQ(c.ds->RecNo(), 0);
}

TEST(DataSet, EventsFireInTheHostsOrder) {
  Customers c;
  HookAllEvents(*c.ds, *c.recorder);
  c.ds->Open();
  EXPECT_EQ(c.recorder->Log, (Log{"BeforeOpen", "AfterOpen", "AfterScroll"}));
  c.recorder->Log.clear();
  c.ds->Next();
  c.ds->Edit();
  c.ds->FieldByName(STR("City"))->SetAsString(STR("Rome"));
  c.ds->Post();
  c.ds->Append();
  c.ds->FieldByName(STR("Id"))->SetAsInteger(4);
  c.ds->Cancel();
  c.ds->Delete();
  c.ds->Refresh();
  c.ds->Close();
  EXPECT_EQ(c.recorder->Log,
            (Log{"BeforeScroll", "AfterScroll",  "BeforeEdit",    "AfterEdit",    "BeforePost",
                 "AfterPost",    "BeforeInsert", "BeforeScroll",  "OnNewRecord",  "AfterInsert",
                 "AfterScroll",  "BeforeCancel", "AfterCancel",   "BeforeDelete", "BeforeScroll",
                 "AfterDelete",  "AfterScroll",  "BeforeRefresh", "AfterRefresh", "BeforeClose",
                 "AfterClose"}));
  // Every slot is published under its name with a setter.
  for (int i = 0; i < kDataSetEventCount; ++i) {
    const String name = DataSetEventName(static_cast<TDataSetEvent>(i));
    const TPropInfo* prop = GetPropInfo(c.ds, name);
    ASSERT_NE(prop, nullptr) << ToUtf8(name);
    EXPECT_EQ(prop->Kind(), TTypeKind::tkMethod);
    EXPECT_EQ(GetMethodProp(c.ds, name), c.recorder->Handler(ToUtf8(name).c_str()));
  }
}

TEST(DataSet, EditingChangesTheStore) {
  Customers c;
  c.ds->Open();
  c.ds->Next();
  c.ds->Edit();
  c.ds->FieldByName(STR("City"))->SetAsString(STR("Rome"));
  c.ds->Post();
  EXPECT_EQ(c.ds->RecNo(), 2);
  c.ds->Insert();
  EXPECT_EQ(c.ds->RecNo(), 0);
  c.ds->FieldByName(STR("Id"))->SetAsInteger(9);
  c.ds->FieldByName(STR("Name"))->SetAsString(STR("Ida"));
  c.ds->Post();
  EXPECT_EQ(c.ds->RecNo(), 2);
  EXPECT_EQ(c.Names(), (std::vector<String>{STR("Ann"), STR("Ida"), STR("Bob"), STR("Cid")}));
  c.ds->Locate(STR("Name"), {S("Bob")});
  EXPECT_EQ(c.ds->FieldByName(STR("City"))->AsString(), STR("Rome"));
  c.ds->Delete();
  EXPECT_EQ(c.ds->FieldByName(STR("Name"))->AsString(), STR("Cid"));
  EXPECT_EQ(c.ds->RecordCount(), 3);
  // Writing outside edit mode is refused; so is an integer out of range.
  EXPECT_THROW(c.ds->FieldByName(STR("Name"))->SetAsString(STR("x")), EDatabaseError);
  c.ds->Edit();
  EXPECT_THROW(c.ds->FieldByName(STR("Id"))->SetValue(int64_t{1} << 40), EDatabaseError);
  EXPECT_THROW(c.ds->FieldByName(STR("Id"))->SetAsString(STR("abc")), EConvertError);
  c.ds->Cancel();
  EXPECT_EQ(c.ds->FieldByName(STR("Id"))->AsInteger(), 3);
}

TEST(DataSet, PostErrorsGoThroughOnPostError) {
  Customers c;
  HookAllEvents(*c.ds, *c.recorder);
  c.ds->Open();
  c.ds->Append();
  c.recorder->Log.clear();
  try {
    c.ds->Post();
    FAIL();
  } catch (const EDatabaseError& e) {
    EXPECT_EQ(e.Message(), STR("Customers: Field 'Id' must have a value"));
  }
  EXPECT_EQ(c.recorder->Log, (Log{"BeforePost", "OnPostError"}));
  EXPECT_EQ(c.ds->State(), TDataSetState::dsInsert);
  c.recorder->ErrorAction = TDataAction::daAbort;
  EXPECT_THROW(c.ds->Post(), EAbort);
  // A retry runs the post again; the recorder fails the second time.
  c.recorder->ErrorAction = TDataAction::daRetry;
  c.recorder->Log.clear();
  EXPECT_THROW(c.ds->Post(), EDatabaseError);
  EXPECT_EQ(c.recorder->Log, (Log{"BeforePost", "OnPostError", "OnPostError"}));
  c.ds->Cancel();
  EXPECT_EQ(c.ds->RecordCount(), 3);
}

TEST(DataSet, FilterExpressionsAndOnFilterRecord) {
  Customers c;
  c.ds->SetFilter(STR("City = 'Oslo' and not (Name = 'C*')"));
  c.ds->SetFiltered(true);
  c.ds->Open();
  EXPECT_EQ(c.Names(), std::vector<String>{STR("Ann")});
  c.ds->SetFilter(STR("City is null or Id >= 3"));
  EXPECT_EQ(c.Names(), (std::vector<String>{STR("Bob"), STR("Cid")}));
  c.ds->SetFilterOptions(SetBit(TFilterOption::foCaseInsensitive));
  c.ds->SetFilter(STR("[Name] = 'ann' or Name = 'b*'"));
  EXPECT_EQ(c.Names(), (std::vector<String>{STR("Ann"), STR("Bob")}));
  // A malformed filter is refused with its position and the old one stays.
  try {
    c.ds->SetFilter(STR("Name = 'x"));
    FAIL();
  } catch (const EDatabaseError& e) {
    EXPECT_EQ(e.Message(), STR("Customers: Filter expression: unterminated string at position 10"));
  }
  EXPECT_THROW(c.ds->SetFilter(STR("Phone = 1")), EDatabaseError);
  EXPECT_THROW(c.ds->SetFilter(String(500, '(') + STR("Id = 1") + String(500, ')')),
               EDatabaseError);
  EXPECT_EQ(c.ds->Filter(), STR("[Name] = 'ann' or Name = 'b*'"));

  c.ds->SetFilter(String());
  c.recorder->Accept = {1, 3};
  c.ds->SetEvent(TDataSetEvent::OnFilterRecord, c.recorder->Handler("OnFilterRecord"));
  EXPECT_EQ(c.Names(), (std::vector<String>{STR("Ann"), STR("Cid")}));
  c.ds->SetFiltered(false);
  EXPECT_EQ(c.ds->RecordCount(), 3);
}

class TCalcForm : public TComponent {
  OMBRIX_CLASS(TCalcForm)
  using TComponent::TComponent;
  void CalcFields(TDataSet* ds) {
    ds->FieldByName(STR("Label"))
        ->SetAsString(ds->FieldByName(STR("Name"))->AsString() + STR("#") +
                      ds->FieldByName(STR("Id"))->AsString());
  }
};

const TClassInfo& TCalcForm::StaticClass() {
  static const TClassInfo info = TClassBuilder<TCalcForm, TComponent>(STR("TCalcForm"))
                                     .Method(STR("CalcFields"), &TCalcForm::CalcFields)
                                     .Build();
  return info;
}

TEST(DataSet, CalculatedAndLookupFields) {
  Customers c;
  auto* cities = new TMemDataSet(&c.root);
  cities->Columns = {{STR("Code"), TFieldType::ftString, 10},
                     {STR("Country"), TFieldType::ftString, 20}};
  cities->Rows = {{S("Oslo"), S("Norway")}, {S("Rome"), S("Italy")}};
  auto* form = new TCalcForm(&c.root);
  for (const char* n : {"Id", "Name", "City"}) {
    TField* f = std::string(n) == "Id" ? static_cast<TField*>(new TIntegerField(&c.root))
                                       : new TStringField(&c.root);
    f->SetFieldName(S(n));
    f->SetDataSet(c.ds);
  }
  auto* label = new TStringField(&c.root);
  label->SetFieldName(STR("Label"));
  label->SetFieldKind(TFieldKind::fkCalculated);
  label->SetDataSet(c.ds);
  auto* country = new TStringField(&c.root);
  country->SetFieldName(STR("Country"));
  country->SetFieldKind(TFieldKind::fkLookup);
  country->SetKeyFields(STR("City"));
  country->SetLookupDataSet(cities);
  country->SetLookupKeyFields(STR("Code"));
  country->SetLookupResultField(STR("Country"));
  country->SetDataSet(c.ds);
  c.ds->SetEvent(TDataSetEvent::OnCalcFields, TMethod{form, STR("CalcFields")});

  cities->Open();
  c.ds->Open();
  EXPECT_EQ(label->AsString(), STR("Ann#1"));
  EXPECT_EQ(country->AsString(), STR("Norway"));
  c.ds->Next();
  EXPECT_TRUE(country->IsNull());
  // Calculated values follow edits at once.
  c.ds->Edit();
  c.ds->FieldByName(STR("City"))->SetAsString(STR("Rome"));
  EXPECT_EQ(country->AsString(), STR("Italy"));
  EXPECT_THROW(label->SetAsString(STR("x")), EDatabaseError);
  c.ds->Post();
  EXPECT_EQ(country->AsString(), STR("Italy"));
  // A filter may test calculated fields.
  c.ds->SetFilter(STR("Country = 'Norway'"));
  c.ds->SetFiltered(true);
  EXPECT_EQ(c.ds->RecordCount(), 2);
}

TEST(DataSet, FieldDefsUpdateOnlyWhenOutOfDate) {
  Customers c;
  c.ds->FieldDefs()->Update();
  c.ds->FieldDefs()->Update();
  EXPECT_EQ(c.ds->FieldDefUpdates, 1);
  EXPECT_TRUE(c.ds->FieldDefs()->Updated());
  c.ds->FieldDefs()->SetUpdated(false);
  c.ds->FieldDefs()->Update();
  EXPECT_EQ(c.ds->FieldDefUpdates, 2);
  EXPECT_EQ(c.ds->FieldDefs()->FieldDefByName(STR("name"))->Size(), 30);
  // Opening always describes the columns afresh.
  c.ds->Open();
  EXPECT_EQ(c.ds->FieldDefUpdates, 3);
  TStringList names;
  c.ds->GetFieldNames(names);
  EXPECT_EQ(names.ToVector(), (std::vector<String>{STR("Id"), STR("Name"), STR("City")}));
}

TEST(DataSet, ActiveSetWhileLoadingOpensOnLoaded) {
  Customers c;
  c.ds->SetLoading(true);
  c.ds->SetActive(true);
  EXPECT_FALSE(c.ds->Active());
  c.ds->Loaded();
  EXPECT_TRUE(c.ds->Active());
}

}  // namespace
