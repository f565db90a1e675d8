#include "LibraryFixture.h"

LibraryTest::LibraryTest() {
  RegisterLibraryClasses();
  TMemoryDatabase& shop = FCatalog.Database(STR("shop"));
  TMemoryTable& customers =
      shop.AddTable(STR("customers"), {{STR("id"), TFieldType::ftInteger, 0, true},
                                       {STR("name"), TFieldType::ftString, 30, true},
                                       {STR("city"), TFieldType::ftString, 20}});
  customers.Indexes = {{.Name = String(), .Fields = {STR("id")}, .Primary = true, .Unique = true},
                       {.Name = STR("by city"), .Fields = {STR("city"), STR("name")}}};
  customers.Rows = {{"1", "Ann", "Oslo"}, {"2", "Bob", "Rome"}, {"3", "Cid", "Oslo"}};

  TMemoryTable& orders = shop.AddTable(STR("orders"), {{STR("id"), TFieldType::ftInteger, 0, true},
                                                       {STR("customer"), TFieldType::ftInteger},
                                                       {STR("amount"), TFieldType::ftFMTBcd},
                                                       {STR("placed"), TFieldType::ftDate}});
  orders.Indexes = {{.Name = String(), .Fields = {STR("id")}, .Primary = true, .Unique = true},
                    {.Name = STR("by customer"), .Fields = {STR("customer"), STR("id")}},
                    {.Name = STR("newest"),
                     .Fields = {STR("placed")},
                     .DescendingFields = {STR("placed")},
                     .Descending = true}};
  orders.Rows = {{"12", "2", "7.25", "2024-03-01"},
                 {"10", "1", "5.50", "2024-01-02"},
                 {"11", "1", "1.00", "0000-00-00"},
                 {"13", std::nullopt, "2.00", std::nullopt}};
  shop.AddTable(STR("big orders"), {{STR("id"), TFieldType::ftInteger}}, TMemoryTableKind::View);

  shop.AddRoutine(STR("add order"), TRoutineKind::Procedure,
                  {{STR("a"), TParamDirection::In, TFieldType::ftInteger},
                   {STR("b"), TParamDirection::Out, TFieldType::ftString},
                   {STR("c"), TParamDirection::InOut, TFieldType::ftFMTBcd}});
  shop.AddRoutine(STR("total"), TRoutineKind::Function,
                  {{String(), TParamDirection::Result, TFieldType::ftFloat},
                   {STR("x"), TParamDirection::In, TFieldType::ftInteger}});

  TResultSet cities;
  cities.Columns = {{.Name = STR("name"), .DataType = TFieldType::ftString, .Size = 30},
                    {.Name = STR("city"), .DataType = TFieldType::ftString, .Size = 20}};
  cities.Rows = {{"Ann", "Oslo"}, {"Cid", "Oslo"}};
  shop.AddStatement(kCityQuery, cities);
}

TmySQLDatabase* LibraryTest::NewDatabase(bool connected) {
  auto* database = new TmySQLDatabase(&FForm);
  database->SetDatabaseName(STR("shop"));
  database->SetConnected(connected);
  return database;
}

TmySQLTable* LibraryTest::NewTable(const String& tableName, TmySQLDatabase* database) {
  auto* table = new TmySQLTable(&FForm);
  table->SetDatabase(database);
  table->SetTableName(tableName);
  return table;
}
