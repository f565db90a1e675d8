#include "UpdateSQLEditorFixture.h"

UpdateSQLEditorTest::UpdateSQLEditorTest() {
  RegisterFormsClasses();
  RegisterLibraryClasses();
  TMemoryDatabase& shop = FCatalog.Database(STR("shop"));
  TMemoryTable& customers =
      shop.AddTable(STR("customers"), {{STR("id"), TFieldType::ftInteger, 0, true},
                                       {STR("name"), TFieldType::ftString, 30},
                                       {STR("city"), TFieldType::ftString, 20}});
  customers.Indexes = {{.Name = String(), .Fields = {STR("id")}, .Primary = true, .Unique = true}};
  TMemoryTable& orders = shop.AddTable(STR("orders"), {{STR("id"), TFieldType::ftInteger},
                                                       {STR("customer"), TFieldType::ftInteger},
                                                       {STR("amount"), TFieldType::ftFloat}});
  orders.Indexes = {{.Name = String(), .Fields = {STR("id")}, .Primary = true, .Unique = true}};
  TMemoryTable& lines =
      shop.AddTable(STR("order_lines"), {{STR("order_id"), TFieldType::ftInteger},
                                         {STR("qty"), TFieldType::ftInteger},
                                         {STR("line_no"), TFieldType::ftInteger}});
  lines.Indexes = {{.Name = STR("by qty"), .Fields = {STR("qty")}},
                   {.Name = String(),
                    .Fields = {STR("line_no"), STR("order_id")},
                    .Primary = true,
                    .Unique = true}};

  TResultSet oneTable;
  oneTable.Columns = {{.Name = STR("id"), .DataType = TFieldType::ftInteger},
                      {.Name = STR("name"), .DataType = TFieldType::ftString, .Size = 30}};
  shop.AddStatement(kOneTable, oneTable);
  TResultSet join = oneTable;
  join.Columns.push_back({.Name = STR("amount"), .DataType = TFieldType::ftFloat});
  shop.AddStatement(kJoin, join);

  FForm.SetName(STR("F1"));
  FDatabase = new TmySQLDatabase(&FForm);
  FDatabase->SetDatabaseName(STR("shop"));
  FUpdate = new TmySQLUpdateSQL(&FForm);
  FUpdate->SetName(STR("U1"));
}

void UpdateSQLEditorTest::UseQuery(const String& sql) {
  FQuery = new TmySQLQuery(&FForm);
  FQuery->SetName(STR("Q1"));
  FQuery->SetDatabase(FDatabase);
  TStringList text;
  text.SetText(sql);
  FQuery->SetSQL(&text);
  FQuery->SetUpdateObject(FUpdate);
}

std::function<void(TCustomForm&)> UpdateSQLEditorTest::Look(
    std::function<void(TMySQLUpdateSQLEditForm&)> check) {
  return
      [check = std::move(check)](TCustomForm& form) { check(*As<TMySQLUpdateSQLEditForm>(&form)); };
}

std::vector<String> ItemsOf(const TListBox& list) {
  return LinesOf(*list.Items());
}

std::vector<String> SelectedOf(const TListBox& list) {
  std::vector<String> selected;
  for (int i = 0; i < list.Count(); ++i)
    if (list.Selected(i)) selected.push_back(list.Items()->Strings(i));
  return selected;
}

std::vector<String> LinesOf(const TStringList& list) {
  std::vector<String> lines;
  for (int i = 0; i < list.Count(); ++i) lines.push_back(list.Strings(i));
  return lines;
}
