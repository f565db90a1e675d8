// Queries over the in-memory server: describing without running, opening, parameters.
#include "LibraryFixture.h"
#include "db/StringFields.h"
#include "tests/support/ErrorMessage.h"

namespace {

TmySQLQuery* NewQuery(TComponent* owner, TmySQLDatabase* database, const String& sql) {
  auto* query = new TmySQLQuery(owner);
  query->SetDatabase(database);
  query->SQL()->SetText(sql);
  return query;
}

TEST_F(LibraryTest, AQueryDescribesItselfWhenReadOnAnOpenConnection) {
  TmySQLDatabase* database = NewDatabase(false);
  TmySQLQuery* query = NewQuery(&FForm, database, kCityQuery);
  // Closed connection: reading connects nothing and describes nothing.
  EXPECT_EQ(query->FieldDefs()->Count(), 0);
  EXPECT_FALSE(database->Connected());

  database->Open();
  ASSERT_EQ(query->FieldDefs()->Count(), 2);
  EXPECT_EQ(query->FieldDefs()->Items(1)->Name(), STR("city"));
  EXPECT_EQ(query->FieldDefs()->Items(1)->Size(), 20);
  EXPECT_FALSE(query->Active());

  // A statement the server refuses: reading stays quiet, Update reports it.
  query->SQL()->SetText(STR("SELECT nonsense"));
  EXPECT_EQ(query->FieldDefs()->Count(), 0);
  EXPECT_THROW(query->FieldDefs()->Update(), EDatabaseError);
  query->SQL()->SetText(kCityQuery);
  EXPECT_EQ(query->FieldDefs()->Count(), 2);
}

TEST_F(LibraryTest, OpeningMakesDefaultFieldsOrHonoursPersistentOnes) {
  TmySQLDatabase* database = NewDatabase(false);
  TmySQLQuery* query = NewQuery(&FForm, database, kCityQuery);
  query->Open();  // connects on its own
  EXPECT_TRUE(query->DefaultFields());
  EXPECT_EQ(query->FieldCount(), 2);
  EXPECT_EQ(query->RecordCount(), 2);
  EXPECT_EQ(query->FieldByName(STR("name"))->AsString(), STR("Ann"));
  EXPECT_EQ(DatabaseErrorMessage([&] { query->Edit(); }), "Cannot modify a read-only dataset");
  query->Close();
  EXPECT_EQ(query->FieldCount(), 0);

  auto* city = new TStringField(&FForm);
  city->SetFieldName(STR("city"));
  city->SetDataSet(query);
  query->Open();
  EXPECT_FALSE(query->DefaultFields());
  ASSERT_EQ(query->FieldCount(), 1);
  EXPECT_EQ(query->Fields()[0], city);
  query->Last();
  EXPECT_EQ(city->AsString(), STR("Oslo"));
}

TEST_F(LibraryTest, ChangingTheStatementClosesAndKeepsParameterValues) {
  TmySQLQuery* query = NewQuery(&FForm, NewDatabase(), kCityQuery);
  ASSERT_EQ(query->Params()->Count(), 1);
  query->ParamByName(STR("city"))->SetAsString(STR("Oslo"));
  query->Open();
  query->SQL()->SetText(STR("SELECT * FROM orders WHERE customer = :who AND placed > :city"));
  EXPECT_FALSE(query->Active());
  ASSERT_EQ(query->Params()->Count(), 2);
  EXPECT_EQ(query->Params()->Items(0)->Name(), STR("who"));
  EXPECT_EQ(query->ParamByName(STR("city"))->AsString(), STR("Oslo"));
}

TEST_F(LibraryTest, TheRowCapLeavesTheRestOnTheServer) {
  TmySQLQuery* query = NewQuery(&FForm, NewDatabase(), kCityQuery);
  query->SetMaxRows(1);
  query->Open();
  EXPECT_EQ(query->RecordCount(), 1);
  EXPECT_TRUE(query->Truncated());
  EXPECT_THROW(query->SetMaxRows(0), EDatabaseError);
}

TEST_F(LibraryTest, AnEmptyStatementOrAMissingConnectionIsReported) {
  TmySQLQuery* query = NewQuery(&FForm, nullptr, kCityQuery);
  EXPECT_EQ(DatabaseErrorMessage([&] { query->Open(); }), "Database not assigned");
  query->SetDatabase(NewDatabase());
  query->SQL()->Clear();
  EXPECT_EQ(DatabaseErrorMessage([&] { query->FieldDefs()->Update(); }),
            "No SQL statement available");
}

}  // namespace
