#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "classes/FormLoader.h"
#include "classes/FormSet.h"
#include "classes/FormText.h"
#include "db/DataSource.h"
#include "db/GenericField.h"
#include "db/NumericFields.h"
#include "foreign/ForeignClasses.h"

namespace {

const char* const kForm = R"(object DataModule1: TDataModule1
  object Customers: TQuery
    DatabaseName = 'SHOPDATA'
    SQL.Strings = (
      'select *'
      'from customer')
    UpdateObject = UpdCustomers
    BeforeOpen = CustomersBeforeOpen
    OnFilterRecord = CustomersFilterRecord
    Filtered = True
    Left = 40
    Top = 16
    object CustomersCustNo: TIntegerField
      FieldName = 'CustNo'
      Required = True
    end
    object CustomersGuid: TGuidField
      FieldName = 'Guid'
      Size = 38
      OnValidate = CustomersGuidValidate
    end
    object CustomersCountry: TStringField
      FieldKind = fkLookup
      FieldName = 'Country'
      LookupDataSet = Countries
      LookupKeyFields = 'Code'
      LookupResultField = 'Name'
      KeyFields = 'CountryCode'
      Size = 30
      Lookup = True
    end
  end
  object UpdCustomers: TUpdateSQL
    ModifySQL.Strings = (
      'update customer set Name = :Name')
  end
  object CustomersSource: TDataSource
    DataSet = Customers
  end
  object Countries: TADOTable
    Active = True
    TableName = 'country'
    MasterSource = CustomersSource
    object CountriesWhen: TSQLTimeStampField
      FieldName = 'When'
    end
  end
  object Orphan: TWideMemoField
    FieldName = 'Lost'
  end
end
)";

class FormFields : public ::testing::Test {
 protected:
  void SetUp() override {
    RegisterForeignClasses();
    document = ReadFormText(kForm, STR("Unit1.dfm"));
    warnings = ReadFormInto(&root, *document, TFormReadOptions{});
  }
  TComponent* Find(const Char* name) { return root.FindComponent(name); }

  TComponent root{nullptr};
  std::unique_ptr<TFormDocument> document;
  std::vector<TFormWarning> warnings;
};

TEST_F(FormFields, NestedFieldsJoinTheirDatasetInOrderAndBelongToTheRoot) {
  for (const auto& w : warnings) ADD_FAILURE() << ToUtf8(w.Message) << " at line " << w.Line;
  auto* customers = As<TDataSet>(Find(STR("Customers")));
  ASSERT_NE(customers, nullptr);
  EXPECT_TRUE(customers->ClassNameIs(STR("TQuery")));
  ASSERT_EQ(customers->FieldCount(), 3);
  EXPECT_EQ(customers->Fields()[0]->Name(), STR("CustomersCustNo"));
  EXPECT_TRUE(customers->Fields()[0]->Is<TIntegerField>());
  EXPECT_TRUE(customers->Fields()[0]->Required());
  TField* guid = customers->Fields()[1];
  EXPECT_TRUE(guid->ClassNameIs(STR("TGuidField")));
  EXPECT_TRUE(guid->Is<TGenericField>());
  EXPECT_EQ(guid->FieldName(), STR("Guid"));
  EXPECT_EQ(guid->OnValidate(), (TMethod{&root, STR("CustomersGuidValidate")}));
  for (TField* f : customers->Fields()) EXPECT_EQ(f->Owner(), &root);

  TField* country = customers->Fields()[2];
  EXPECT_TRUE(country->Lookup());
  EXPECT_EQ(country->LookupDataSet(), Find(STR("Countries")));
  EXPECT_EQ(country->KeyFields(), STR("CountryCode"));
  EXPECT_EQ(country->Size(), 30);

  // An unknown field class outside a dataset stays a generic component.
  EXPECT_FALSE(Find(STR("Orphan"))->Is<TField>());
  auto* countries = As<TDataSet>(Find(STR("Countries")));
  ASSERT_EQ(countries->FieldCount(), 1);
  EXPECT_TRUE(countries->Fields()[0]->ClassNameIs(STR("TSQLTimeStampField")));

  std::vector<TComponent*> streamed;
  customers->GetChildren([&](TComponent* c) { streamed.push_back(c); }, &root);
  EXPECT_EQ(streamed.size(), 3u);
}

TEST_F(FormFields, ForeignPropertiesAndReferencesAreResolved) {
  auto* customers = As<TDataSet>(Find(STR("Customers")));
  EXPECT_EQ(GetObjectProp(customers, STR("UpdateObject")), Find(STR("UpdCustomers")));
  EXPECT_EQ(As<TStringList>(GetObjectProp(customers, STR("SQL")))->Count(), 2);
  EXPECT_EQ(GetStrProp(customers, STR("DatabaseName")), STR("SHOPDATA"));
  EXPECT_TRUE(customers->Filtered());
  EXPECT_EQ(customers->Event(TDataSetEvent::BeforeOpen),
            (TMethod{&root, STR("CustomersBeforeOpen")}));
  EXPECT_EQ(customers->Event(TDataSetEvent::OnFilterRecord),
            (TMethod{&root, STR("CustomersFilterRecord")}));
  auto* source = As<TDataSource>(Find(STR("CustomersSource")));
  EXPECT_EQ(source->DataSet(), customers);
  auto* countries = As<TDataSet>(Find(STR("Countries")));
  EXPECT_EQ(countries->DataSource(), source);
  EXPECT_TRUE(customers->IsLinkedTo(source));
  // A foreign dataset never opens, whatever the file says.
  EXPECT_FALSE(countries->Active());
}

TEST_F(FormFields, MovingLoadedFieldsToAnotherDatasetKeepsThem) {
  auto* customers = As<TDataSet>(Find(STR("Customers")));
  auto* target = As<TDataSet>(GetClass(STR("TZQuery"))->Create(&root));
  std::vector<TField*> before(customers->Fields().begin(), customers->Fields().end());
  while (customers->FieldCount() > 0) customers->Fields()[0]->SetDataSet(target);
  EXPECT_EQ(std::vector<TField*>(target->Fields().begin(), target->Fields().end()), before);
  delete customers;
  EXPECT_EQ(target->FieldCount(), 3);
  EXPECT_NE(Find(STR("CustomersGuid")), nullptr);
}

TEST(FormFieldsSave, UnchangedFormsRenderAsReadAndMovedFieldsFollowTheirDataset) {
  RegisterForeignClasses();
  TFormSet set;
  TFormModule& module = set.OpenText(kForm, "Unit1.dfm");
  EXPECT_EQ(module.Render(), kForm);

  TComponent* root = module.Root();
  auto* customers = As<TDataSet>(root->FindComponent(STR("Customers")));
  auto* target = As<TDataSet>(GetClass(STR("TZQuery"))->Create(root));
  target->SetName(STR("Target"));
  while (customers->FieldCount() > 0) customers->Fields()[0]->SetDataSet(target);
  const std::string text = module.Render();
  const size_t targetAt = text.find("object Target: TZQuery");
  const size_t guidAt = text.find("object CustomersGuid: TGuidField");
  ASSERT_NE(targetAt, std::string::npos) << text;
  ASSERT_NE(guidAt, std::string::npos) << text;
  EXPECT_GT(guidAt, targetAt) << text;
  // The unknown field kept what TField does not publish.
  EXPECT_NE(text.find("      Size = 38\n", guidAt), std::string::npos) << text;
}

TEST(FormFieldsSave, SampleDataModuleLoadsWithoutWarnings) {
  RegisterForeignClasses();
  TFormSet set;
  const char* source = std::getenv("OMBRIX_SOURCE_DIR");
  ASSERT_NE(source, nullptr);
  TFormModule& module =
      set.Open(std::filesystem::path(source) / "tests/data/forms/DataModule1.dfm");
  for (const auto& w : module.Warnings()) {
    ADD_FAILURE() << ToUtf8(w.Message) << " at line " << w.Line;
  }
  TComponent* root = module.Root();
  auto* taxRate = As<TFloatField>(root->FindComponent(STR("CustomersTaxRate")));
  EXPECT_DOUBLE_EQ(taxRate->MaxValue(), 100.0);
  EXPECT_EQ(taxRate->Precision(), 4);
  EXPECT_EQ(taxRate->DisplayFormat(), STR("0.00%"));
  EXPECT_EQ(As<TField>(root->FindComponent(STR("CustomersBalance")))->FieldKind(),
            TFieldKind::fkCalculated);
  EXPECT_TRUE(As<TField>(root->FindComponent(STR("CustomersCountryName")))->Lookup());
}

}  // namespace
