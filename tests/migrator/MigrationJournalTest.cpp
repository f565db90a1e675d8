#include <gtest/gtest.h>

#include "db/DBClasses.h"
#include "db/StringFields.h"
#include "migrator/MigrationJournal.h"

namespace {

TEST(MigrationJournal, RollbackPutsBackEveryChangeInReverse) {
  RegisterDBClasses();
  TComponent form(nullptr);
  auto* a = new TDataSet(&form);
  auto* b = new TDataSet(&form);
  auto* source = new TDataSource(&form);
  source->SetDataSet(a);
  auto* x = new TStringField(&form);
  x->SetFieldName(STR("X"));
  x->SetName(STR("FieldX"));
  x->SetDataSet(a);
  auto* y = new TStringField(&form);
  y->SetFieldName(STR("Y"));
  y->SetDataSet(a);
  auto* lookup = new TStringField(&form);
  lookup->SetFieldKind(TFieldKind::fkLookup);
  lookup->SetLookupDataSet(a);
  lookup->SetDataSet(b);

  TMigrationJournal journal;
  auto* created = new TDataSet(&form);
  journal.Created(created);
  for (TField* field : {x, y}) {
    field->SetDataSet(created);
    journal.FieldMoved(field, a, 0);
  }
  x->SetName(STR("Renamed"));
  journal.Renamed(x, STR("FieldX"));
  source->SetDataSet(created);
  journal.Retargeted(source, a);
  lookup->SetLookupDataSet(created);
  journal.LookupRetargeted(lookup, a);

  journal.Rollback();
  EXPECT_EQ(form.ComponentCount(), 6);
  EXPECT_EQ(a->FieldCount(), 2);
  EXPECT_EQ(a->Fields()[0], x);
  EXPECT_EQ(a->Fields()[1], y);
  EXPECT_EQ(x->Name(), STR("FieldX"));
  EXPECT_EQ(source->DataSet(), a);
  EXPECT_EQ(lookup->LookupDataSet(), a);
  journal.Rollback();  // nothing left to undo
  EXPECT_EQ(form.ComponentCount(), 6);
}

}  // namespace
