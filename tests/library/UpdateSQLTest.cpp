// Update objects: statements by kind, and the dataset they serve.
#include "LibraryFixture.h"

namespace {

TEST_F(LibraryTest, StatementsByKind) {
  auto* update = new TmySQLUpdateSQL(&FForm);
  update->SetSQL(TMySQLUpdateKind::ukDelete,
                 TStringList{STR("delete from t"), STR("where id = :OLD_id")});
  EXPECT_EQ(update->GetSQLIndex(2), update->DeleteSQL());
  EXPECT_EQ(update->DeleteSQL()->Count(), 2);
  EXPECT_EQ(update->ModifySQL()->Count(), 0);
  EXPECT_EQ(update->GetSQLIndex(3), update->RefreshSQL());
  EXPECT_THROW(update->GetSQLIndex(4), EListError);
  EXPECT_EQ(GetObjectProp(update, STR("InsertSQL")), update->InsertSQL());
  EXPECT_EQ(GetEnumName(TypeInfoUpdateKind(), 3), STR("ukRefresh"));
}

TEST_F(LibraryTest, AssigningTheUpdateObjectSetsItsDataSet) {
  auto* update = new TmySQLUpdateSQL(&FForm);
  auto* first = new TmySQLQuery(&FForm);
  auto* second = new TmySQLQuery(&FForm);
  first->SetUpdateObject(update);
  EXPECT_EQ(update->DataSet(), first);
  second->SetUpdateObject(update);
  EXPECT_EQ(update->DataSet(), second);
  first->SetUpdateObject(nullptr);  // no longer its dataset: stays with the second
  EXPECT_EQ(update->DataSet(), second);
  second->SetUpdateObject(nullptr);
  EXPECT_EQ(update->DataSet(), nullptr);

  // Freeing either side clears the other's reference, also across owners.
  auto* other = new TmySQLQuery(nullptr);
  other->SetUpdateObject(update);
  delete other;
  EXPECT_EQ(update->DataSet(), nullptr);
  second->SetUpdateObject(update);
  delete update;
  EXPECT_EQ(second->UpdateObject(), nullptr);
}

}  // namespace
