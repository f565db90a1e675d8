// The library's classes in the class registry, their published properties, and a form file
// that holds them.
#include "LibraryFixture.h"
#include "classes/FormLoader.h"
#include "classes/FormText.h"
#include "library/OmbrixAbout.h"
#include "library/PaletteComponents.h"

namespace {

TEST_F(LibraryTest, EveryClassIsRegisteredWithTheAboutPseudoProperty) {
  for (const char* name : {"TmySQLDatabase", "TmySQLTable", "TmySQLQuery", "TmySQLStoredProc",
                           "TmySQLDirectQuery", "TmySQLUpdateSQL", "TMySQLMacroQuery",
                           "TMySQLBatchExecute", "TMySQLMonitor", "TmySQLDump", "TMySQLTools"}) {
    const TClassInfo* cls = GetClass(FromUtf8(name));
    ASSERT_NE(cls, nullptr) << name;
    const TPropInfo* about = cls->FindProp(STR("About"));
    ASSERT_NE(about, nullptr) << name;
    EXPECT_EQ(about->PropType, &TypeInfoOmbrixAbout()) << name;
    std::unique_ptr<TObject> instance(cls->Create(nullptr));
    EXPECT_FALSE(about->IsStored(instance.get())) << name;
  }
  const TClassInfo& table = TmySQLTable::StaticClass();
  EXPECT_EQ(table.FindProp(STR("TableName"))->PropType->Name(), STR("TFileName"));
  EXPECT_EQ(table.FindProp(STR("MasterSource"))->PropType->Name(), STR("TDataSource"));
  EXPECT_EQ(table.FindProp(STR("IndexDefs"))->Kind(), TTypeKind::tkClass);
  EXPECT_EQ(TmySQLStoredProc::StaticClass().FindProp(STR("Params"))->PropType->Name(),
            STR("TParams"));
  EXPECT_EQ(TmySQLDatabase::StaticClass().FindProp(STR("ServerPort"))->PropType,
            &TypeInfoCardinal());
}

const char* const kForm = R"(object DataModule1: TDataModule1
  object Cities: TmySQLQuery
    Database = Shop
    UpdateObject = CitiesUpdate
    SQL.Strings = (
      'SELECT name, city FROM customers WHERE city = :city')
    Params = <
      item
        Name = 'city'
        DataType = ftString
        ParamType = ptInput
      end>
    Active = True
  end
  object Shop: TmySQLDatabase
    DatabaseName = 'shop'
    ConnectOptions = [coCompress, coSSL]
    LoginPrompt = False
    ServerPort = 3307
    Connected = True
  end
  object CitiesUpdate: TmySQLUpdateSQL
    ModifySQL.Strings = (
      'update customers'
      'set city = :city')
  end
  object Orders: TmySQLTable
    Database = Shop
    IndexName = 'by customer'
    MasterFields = 'id'
    TableName = 'orders'
  end
  object Dump1: TmySQLDump
  end
end
)";

TEST_F(LibraryTest, AFormFileBuildsComponentsThatConnectOnlyWhenOpened) {
  const auto document = ReadFormText(kForm, STR("DataModule1.dfm"));
  TFormReadOptions strict;
  strict.AllowUnknownClasses = strict.AllowUnknownProperties = strict.AllowBadValues = false;
  ReadFormInto(&FForm, *document, strict);

  auto* shop = As<TmySQLDatabase>(FForm.FindComponent(STR("Shop")));
  auto* cities = As<TmySQLQuery>(FForm.FindComponent(STR("Cities")));
  auto* update = As<TmySQLUpdateSQL>(FForm.FindComponent(STR("CitiesUpdate")));
  EXPECT_FALSE(shop->Connected());
  EXPECT_TRUE(shop->StoredConnected());
  EXPECT_EQ(shop->ConnectOptions(), 0x41);
  EXPECT_EQ(shop->ServerPort(), 3307u);
  EXPECT_FALSE(shop->LoginPrompt());
  EXPECT_EQ(cities->Database(), shop);
  EXPECT_FALSE(cities->Active());
  cities->Open();
  EXPECT_TRUE(shop->Connected());
  EXPECT_EQ(cities->RecordCount(), 2);
  EXPECT_EQ(cities->ParamByName(STR("city"))->DataType(), TFieldType::ftString);
  EXPECT_EQ(update->DataSet(), cities);  // set while the form loaded
  EXPECT_EQ(update->ModifySQL()->Count(), 2);
  auto* orders = As<TmySQLTable>(FForm.FindComponent(STR("Orders")));
  EXPECT_EQ(orders->TableName(), STR("orders"));
  EXPECT_EQ(orders->IndexName(), STR("by customer"));
  EXPECT_TRUE(FForm.FindComponent(STR("Dump1"))->Is<TmySQLDump>());
}

}  // namespace
