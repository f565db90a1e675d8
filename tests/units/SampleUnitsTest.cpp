// Realistic units of every kind, migrated as the migrator changes their forms; each result is
// compared byte for byte with the unit a designer would have written.
#include <gtest/gtest.h>

#include "UnitTestSupport.h"

namespace {

const std::vector<String> kLibraryUnit = {STR("Mysqldbtables")};

// The BDE data module's components before the migration and the given ones after it.
TFormUnitChange MastData(std::initializer_list<TNameClass> after) {
  return Change("TMastData",
                {{"Database1", "TDatabase"},
                 {"CustQuery", "TQuery"},
                 {"CustQueryCustNo", "TFloatField"},
                 {"CustQueryCompany", "TStringField"},
                 {"CustSource", "TDataSource"},
                 {"OrdersTable", "TTable"},
                 {"OrdersSource", "TDataSource"},
                 {"CustUpdate", "TUpdateSQL"}},
                after, kLibraryUnit);
}

void ExpectUpdate(const std::string& input, const std::string& expected,
                  const TFormUnitChange& change) {
  const std::string source = UnitSample(input);
  ASSERT_FALSE(source.empty()) << input;
  const std::string result = UpdateFormUnit(source, FromUtf8(input), change);
  EXPECT_EQ(result, UnitSample(expected));
  // Running the same change on the result changes nothing more.
  EXPECT_EQ(UpdateFormUnit(result, FromUtf8(input), change), result);
}

// A data module of the oldest family, CRLF: the sources are kept under their "Die_" names
// beside their replacements, a connection is created, the library's unit joins the uses clause.
TEST(SampleUnits, DataModuleKeepingSources) {
  ExpectUpdate("DataMod.pas", "DataMod.kept.pas",
               MastData({{"Database1", "TDatabase"},
                         {"Die_CustQuery", "TQuery"},
                         {"CustQueryCustNo", "TFloatField"},
                         {"CustQueryCompany", "TStringField"},
                         {"CustSource", "TDataSource"},
                         {"Die_OrdersTable", "TTable"},
                         {"OrdersSource", "TDataSource"},
                         {"Die_CustUpdate", "TUpdateSQL"},
                         {"MySQLDatabase1", "TmySQLDatabase"},
                         {"OrdersTable", "TmySQLTable"},
                         {"CustQuery", "TmySQLQuery"},
                         {"CustUpdate", "TmySQLUpdateSQL"}}));
}

TEST(SampleUnits, DataModuleDeletingSources) {
  ExpectUpdate("DataMod.pas", "DataMod.converted.pas",
               MastData({{"Database1", "TDatabase"},
                         {"CustQueryCustNo", "TFloatField"},
                         {"CustQueryCompany", "TStringField"},
                         {"CustSource", "TDataSource"},
                         {"OrdersSource", "TDataSource"},
                         {"MySQLDatabase1", "TmySQLDatabase"},
                         {"OrdersTable", "TmySQLTable"},
                         {"CustQuery", "TmySQLQuery"},
                         {"CustUpdate", "TmySQLUpdateSQL"}}));
}

// An ADO form, LF, UTF-8 without BOM: event handlers, comments and strings that look like
// declarations, {$IFDEF} in the uses clause, shared declarations, a doubled field name repaired.
TEST(SampleUnits, AdoFormWithHandlers) {
  ExpectUpdate("OrderForm.pas", "OrderForm.converted.pas",
               Change("TOrderForm",
                      {{"ADOConnection1", "TADOConnection"},
                       {"OrdersQuery", "TADOQuery"},
                       {"OrdersQueryOrdersQueryID", "TAutoIncField"},
                       {"OrdersQueryCustomer", "TWideStringField"},
                       {"ItemsSet", "TADODataSet"},
                       {"OrdersSource", "TDataSource"},
                       {"ItemsSource", "TDataSource"},
                       {"Panel1", "TPanel"},
                       {"OrdersGrid", "TDBGrid"},
                       {"ItemsGrid", "TDBGrid"},
                       {"CloseButton", "TButton"}},
                      {{"ADOConnection1", "TADOConnection"},
                       {"OrdersQueryID", "TAutoIncField"},
                       {"OrdersQueryCustomer", "TWideStringField"},
                       {"OrdersSource", "TDataSource"},
                       {"ItemsSource", "TDataSource"},
                       {"Panel1", "TPanel"},
                       {"OrdersGrid", "TDBGrid"},
                       {"ItemsGrid", "TDBGrid"},
                       {"CloseButton", "TButton"},
                       {"ItemsSet", "TmySQLQuery"},
                       {"OrdersQuery", "TmySQLQuery"}},
                      kLibraryUnit));
}

// An inherited form, UTF-8 with BOM and CRLF: the ancestor's query is declared in the
// ancestor's unit and stays undeclared here.
TEST(SampleUnits, InheritedFormDeclaresOnlyItsOwn) {
  ExpectUpdate("CustEdit.pas", "CustEdit.converted.pas",
               Change("TCustEditForm",
                      {{"MainQuery", "TQuery"},
                       {"MainSource", "TDataSource"},
                       {"OKButton", "TButton"},
                       {"ContactsQuery", "TQuery"},
                       {"ContactsSource", "TDataSource"},
                       {"ContactsLabel", "TLabel"}},
                      {{"MainQuery", "TmySQLQuery"},
                       {"MainSource", "TDataSource"},
                       {"OKButton", "TButton"},
                       {"ContactsSource", "TDataSource"},
                       {"ContactsLabel", "TLabel"},
                       {"ContactsQuery", "TmySQLQuery"},
                       {"MySQLDatabase1", "TmySQLDatabase"}},
                      kLibraryUnit));
}

// Windows-1252, CRLF: a shared declaration whose names both change stays one declaration; the
// uses clause ends inside {$IFDEF}, so the unit goes first.
TEST(SampleUnits, Windows1252FormWithConditionalUses) {
  ExpectUpdate("Kunden.pas", "Kunden.kept.pas",
               Change("tkundenform",
                      {{"KundenTable", "TTable"},
                       {"OrteTable", "TTable"},
                       {"KundenSource", "TDataSource"},
                       {"KundenGrid", "TDBGrid"}},
                      {{"Die_KundenTable", "TTable"},
                       {"Die_OrteTable", "TTable"},
                       {"KundenSource", "TDataSource"},
                       {"KundenGrid", "TDBGrid"},
                       {"OrteTable", "TmySQLTable"},
                       {"KundenTable", "TmySQLTable"}},
                      kLibraryUnit));
}

}  // namespace
