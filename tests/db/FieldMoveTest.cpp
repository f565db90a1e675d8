#include <gtest/gtest.h>

#include "TestDataSets.h"
#include "db/NumericFields.h"
#include "db/StringFields.h"

namespace {

struct Form {
  TComponent root{nullptr};
  TMemDataSet* oldSet = new TMemDataSet(&root);
  TMemDataSet* newSet = new TMemDataSet(&root);
  TField* Add(TField* f, const char* name, const char* fieldName) {
    f->SetName(S(name));
    f->SetFieldName(S(fieldName));
    f->SetDataSet(oldSet);
    return f;
  }
};

TEST(FieldMove, MovingEveryFieldKeepsOrderOwnerAndProperties) {
  Form form;
  TField* id = form.Add(new TIntegerField(&form.root), "Query1Id", "Id");
  TField* name = form.Add(new TStringField(&form.root), "Query1Name", "Name");
  name->SetDisplayLabel(STR("Customer"));
  TField* price = form.Add(new TIntegerField(&form.root), "Query1Price", "Price");
  ASSERT_EQ(form.oldSet->FieldCount(), 3);

  while (form.oldSet->FieldCount() > 0) form.oldSet->Fields()[0]->SetDataSet(form.newSet);

  ASSERT_EQ(form.newSet->FieldCount(), 3);
  EXPECT_EQ(form.newSet->Fields()[0], id);
  EXPECT_EQ(form.newSet->Fields()[1], name);
  EXPECT_EQ(form.newSet->Fields()[2], price);
  EXPECT_EQ(name->DataSet(), form.newSet);
  EXPECT_EQ(name->Owner(), &form.root);
  EXPECT_EQ(name->DisplayLabel(), STR("Customer"));
  EXPECT_EQ(form.oldSet->FindField(STR("Name")), nullptr);
  EXPECT_EQ(form.newSet->FieldByName(STR("name")), name);
}

TEST(FieldMove, RefusedIntoOpenDatasetsAndOverDuplicateNames) {
  Form form;
  TField* id = form.Add(new TIntegerField(&form.root), "A", "Id");
  auto* other = new TIntegerField(&form.root);
  other->SetFieldName(STR("ID"));
  other->SetDataSet(form.newSet);
  EXPECT_THROW(id->SetDataSet(form.newSet), EDatabaseError);
  EXPECT_EQ(id->DataSet(), form.oldSet);

  // A field of an open dataset stays where it is.
  form.oldSet->Columns = {{STR("Id"), TFieldType::ftInteger}};
  form.oldSet->Open();
  auto* third = new TMemDataSet(&form.root);
  EXPECT_THROW(id->SetDataSet(third), EDatabaseError);
  EXPECT_EQ(form.oldSet->FieldCount(), 1);
  // Renaming into a clash is refused too.
  auto* second = new TStringField(&form.root);
  second->SetFieldName(STR("Name"));
  second->SetDataSet(form.newSet);
  EXPECT_THROW(second->SetFieldName(STR("id")), EDatabaseError);
}

TEST(FieldMove, FreeingUnlinksAndDatasetFreesItsFields) {
  Form form;
  TField* a = form.Add(new TIntegerField(&form.root), "A", "A");
  form.Add(new TIntegerField(&form.root), "B", "B");
  delete a;
  ASSERT_EQ(form.oldSet->FieldCount(), 1);
  const int before = form.root.ComponentCount();
  delete form.oldSet;
  // The dataset took its remaining field with it, out of the form's components too.
  EXPECT_EQ(form.root.ComponentCount(), before - 2);
  EXPECT_EQ(form.root.FindComponent(STR("B")), nullptr);
}

TEST(FieldMove, StreamingNestsFieldsOwnedByTheRootInTheirDataset) {
  Form form;
  TField* mine = form.Add(new TIntegerField(&form.root), "Mine", "Mine");
  TComponent elsewhere(nullptr);
  auto* foreign = new TIntegerField(&elsewhere);
  foreign->SetFieldName(STR("Foreign"));
  foreign->SetDataSet(form.oldSet);

  std::vector<TComponent*> children;
  form.oldSet->GetChildren([&](TComponent* c) { children.push_back(c); }, &form.root);
  EXPECT_EQ(children, std::vector<TComponent*>{mine});
  // The root streams the field inside its dataset, not on its own.
  std::vector<TComponent*> top;
  form.root.GetChildren([&](TComponent* c) { top.push_back(c); }, &form.root);
  EXPECT_EQ(std::count(top.begin(), top.end(), mine), 0);
  // A field without a dataset has no parent and is streamed by the root, not lost.
  mine->SetDataSet(nullptr);
  top.clear();
  form.root.GetChildren([&](TComponent* c) { top.push_back(c); }, &form.root);
  EXPECT_EQ(std::count(top.begin(), top.end(), mine), 1);
  // The reader nests a field by its parent component.
  mine->SetParentComponent(form.newSet);
  EXPECT_EQ(mine->DataSet(), form.newSet);
  EXPECT_THROW(mine->SetParentComponent(&elsewhere), EInvalidCast);
  delete form.oldSet;  // frees the foreign field before its owner goes
}

TEST(FieldMove, IndexReordersWithinTheDataset) {
  Form form;
  TField* a = form.Add(new TIntegerField(&form.root), "A", "A");
  TField* b = form.Add(new TIntegerField(&form.root), "B", "B");
  TField* c = form.Add(new TIntegerField(&form.root), "C", "C");
  c->SetIndex(0);
  EXPECT_EQ(form.oldSet->Fields()[0], c);
  EXPECT_EQ(a->Index(), 1);
  EXPECT_EQ(b->Index(), 2);
  SetOrdProp(a, STR("Index"), 99);
  EXPECT_EQ(a->Index(), 2);
}

TEST(FieldMove, LookupDataSetIsClearedWhenFreed) {
  Form form;
  TField* f = form.Add(new TStringField(&form.root), "L", "L");
  f->SetFieldKind(TFieldKind::fkLookup);
  EXPECT_TRUE(f->Lookup());
  f->SetLookupDataSet(form.newSet);
  EXPECT_THROW(f->SetLookupDataSet(form.oldSet), EDatabaseError);
  delete form.newSet;
  EXPECT_EQ(f->LookupDataSet(), nullptr);
  f->SetFieldKind(TFieldKind::fkCalculated);
  EXPECT_FALSE(f->Lookup());
}

}  // namespace
