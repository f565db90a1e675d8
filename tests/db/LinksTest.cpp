#include <gtest/gtest.h>

#include "TestDataSets.h"
#include "db/DataSource.h"

namespace {

struct Chain {
  TComponent root{nullptr};
  TMemDataSet* a = new TMemDataSet(&root);
  TMemDataSet* b = new TMemDataSet(&root);
  TMemDataSet* c = new TMemDataSet(&root);
  TDataSource* dsa = new TDataSource(&root);
  TDataSource* dsb = new TDataSource(&root);
  TDataSource* dsc = new TDataSource(&root);
  Chain() {
    dsa->SetDataSet(a);
    dsb->SetDataSet(b);
    dsc->SetDataSet(c);
    b->SetDataSource(dsa);  // b's master is a
    c->SetDataSource(dsb);  // c's master is b
  }
};

TEST(Links, IsLinkedToFollowsMasterChains) {
  Chain k;
  EXPECT_TRUE(k.a->IsLinkedTo(k.dsa));
  EXPECT_TRUE(k.a->IsLinkedTo(k.dsb));
  EXPECT_TRUE(k.a->IsLinkedTo(k.dsc));
  EXPECT_TRUE(k.b->IsLinkedTo(k.dsc));
  EXPECT_FALSE(k.b->IsLinkedTo(k.dsa));
  EXPECT_FALSE(k.c->IsLinkedTo(k.dsa));
  EXPECT_FALSE(k.a->IsLinkedTo(nullptr));
  auto* empty = new TDataSource(&k.root);
  EXPECT_FALSE(k.a->IsLinkedTo(empty));
}

TEST(Links, CircularLinksAreRefusedFromEitherSide) {
  Chain k;
  EXPECT_THROW(k.a->SetDataSource(k.dsc), EDatabaseError);
  EXPECT_THROW(k.a->SetDataSource(k.dsa), EDatabaseError);
  EXPECT_EQ(k.a->DataSource(), nullptr);
  // Pointing c's own source at a would close the ring a -> b -> c -> a.
  auto* ring = new TDataSource(&k.root);
  k.a->SetDataSource(ring);
  EXPECT_THROW(ring->SetDataSet(k.c), EDatabaseError);
  EXPECT_EQ(ring->DataSet(), nullptr);
}

TEST(Links, FreeingEitherEndClearsTheReference) {
  Chain k;
  delete k.dsa;
  EXPECT_EQ(k.b->DataSource(), nullptr);
  delete k.c;
  EXPECT_EQ(k.dsc->DataSet(), nullptr);
  // Removing a dataset from its owner tells its siblings, as the host does.
  k.root.RemoveComponent(k.b);
  EXPECT_EQ(k.dsb->DataSet(), nullptr);
  delete k.b;
}

class TSourceWatcher : public TComponent {
  OMBRIX_CLASS(TSourceWatcher)
  using TComponent::TComponent;
  int states = 0;
  std::vector<TField*> changes;
  void StateChange(TObject*) { ++states; }
  void DataChange(TObject*, TField* field) { changes.push_back(field); }
};

const TClassInfo& TSourceWatcher::StaticClass() {
  static const TClassInfo info = TClassBuilder<TSourceWatcher, TComponent>(STR("TSourceWatcher"))
                                     .Method(STR("StateChange"), &TSourceWatcher::StateChange)
                                     .Method(STR("DataChange"), &TSourceWatcher::DataChange)
                                     .Build();
  return info;
}

TEST(Links, DataSourceEventsFollowTheDataset) {
  Chain k;
  auto* watcher = new TSourceWatcher(&k.root);
  SetMethodProp(k.dsa, STR("OnStateChange"), TMethod{watcher, STR("StateChange")});
  SetMethodProp(k.dsa, STR("OnDataChange"), TMethod{watcher, STR("DataChange")});
  k.a->Columns = {{STR("Id"), TFieldType::ftInteger}};
  k.a->Rows = {{int64_t{1}}, {int64_t{2}}};
  k.a->Open();
  EXPECT_EQ(watcher->states, 1);
  EXPECT_EQ(k.dsa->State(), TDataSetState::dsBrowse);
  watcher->changes.clear();
  k.a->Next();
  k.a->Edit();
  k.a->Fields()[0]->SetAsInteger(5);
  EXPECT_EQ(watcher->changes, (std::vector<TField*>{nullptr, k.a->Fields()[0]}));
  EXPECT_EQ(k.dsa->State(), TDataSetState::dsEdit);
  k.dsa->SetEnabled(false);
  EXPECT_EQ(k.dsa->State(), TDataSetState::dsInactive);
  k.a->Post();
  EXPECT_EQ(watcher->changes.size(), 2u);
}

}  // namespace
