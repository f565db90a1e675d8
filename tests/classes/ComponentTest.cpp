#include <gtest/gtest.h>

#include <vector>

#include "classes/Component.h"
#include "rtl/SysUtils.h"

namespace {

class TWatcher : public TComponent {
  OMBRIX_CLASS(TWatcher)
  using TComponent::TComponent;
  TComponent* Target = nullptr;
  void Notification(TComponent* component, TOperation operation) override {
    TComponent::Notification(component, operation);
    if (operation == TOperation::opRemove && component == Target) Target = nullptr;
  }
  int Count() const { return FCount; }
  void SetCount(int value) { FCount = value; }
  void Bump(TObject*) { ++FCount; }

 private:
  int FCount = 0;
};

const TClassInfo& TWatcher::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TWatcher, TComponent>(STR("TWatcher"))
          .Creatable()
          .Prop(STR("Count"), &TWatcher::Count, &TWatcher::SetCount, nullptr, 0)
          .Method(STR("Bump"), &TWatcher::Bump)
          .Build();
  return info;
}

// ASCII names are told apart character by character; the neighbours of each range count.
TEST(Component, AsciiNamesAndTheirBorders) {
  TComponent c(nullptr);
  for (const char* name : {"_", "_9", "aZ_09", "Zz", "Query1Клиент"}) {
    EXPECT_NO_THROW(c.SetName(FromUtf8(name))) << name;
  }
  for (const char* name : {"9a", "@a", "a[", "`a", "a{", "a/", "a:", "a-b", "a.b", "a\x7F"}) {
    EXPECT_THROW(c.SetName(FromUtf8(name)), EComponentError) << name;
  }
  EXPECT_EQ(c.Name(), FromUtf8("Query1Клиент"));
}

TEST(Component, OwnerFreesWhatItOwnsAndNamesAreUnique) {
  TComponent root(nullptr);
  auto* a = new TComponent(&root);
  a->SetName(STR("Query1"));
  auto* b = new TComponent(&root);
  EXPECT_THROW(b->SetName(STR("QUERY1")), EComponentError);
  EXPECT_THROW(b->SetName(STR("1abc")), EComponentError);
  b->SetName(STR("Query2"));
  EXPECT_EQ(root.ComponentCount(), 2);
  EXPECT_EQ(root.FindComponent(STR("query2")), b);
  delete a;
  EXPECT_EQ(root.ComponentCount(), 1);
  EXPECT_EQ(root.Components(0), b);
}

TEST(Component, NamesMayUseLettersOfAnyScript) {
  TComponent root(nullptr);
  auto* a = new TComponent(&root);
  for (const char* name : {"Клиент1", "Ελληνικά_2", "Ñandú", "_ª"}) {
    EXPECT_NO_THROW(a->SetName(FromUtf8(name))) << name;
  }
  for (const char* name : {"1Клиент", "Клиент•", "a b", "a\xC2\xA0\x62", "×"}) {
    EXPECT_THROW(a->SetName(FromUtf8(name)), EComponentError) << name;
  }
  a->SetName(FromUtf8("Клиент"));
  // Case folds for ASCII letters only, so these are other names.
  auto* b = new TComponent(&root);
  EXPECT_NO_THROW(b->SetName(FromUtf8("клиент")));
  EXPECT_EQ(root.FindComponent(FromUtf8("Клиент")), a);
  EXPECT_EQ(root.FindComponent(FromUtf8("клиент")), b);
}

TEST(Component, FreeNotificationClearsReferences) {
  TComponent root(nullptr);
  auto* watcher = new TWatcher(&root);
  TComponent* target = new TComponent(nullptr);
  watcher->Target = target;
  watcher->FreeNotification(target);
  delete target;
  EXPECT_EQ(watcher->Target, nullptr);
  // The watcher going first must not leave a dangling back-reference.
  auto* other = new TComponent(nullptr);
  watcher->FreeNotification(other);
  delete watcher;
  delete other;
}

TEST(Component, NameIndexFollowsInsertRenameMoveAndFree) {
  TComponent root(nullptr);
  TComponent other(nullptr);
  std::vector<TComponent*> items;
  for (int i = 0; i < 100; ++i) {
    items.push_back(new TComponent(&root));
    items.back()->SetName(STR("Item") + IntToStr(i));
  }
  EXPECT_EQ(root.FindComponent(STR("ITEM42")), items[42]);
  items[42]->SetName(STR("Answer"));
  EXPECT_EQ(root.FindComponent(STR("item42")), nullptr);
  EXPECT_EQ(root.FindComponent(STR("answer")), items[42]);
  // A change of case only keeps the entry, and the old name is free again after a rename.
  items[7]->SetName(STR("ITEM7"));
  EXPECT_EQ(root.FindComponent(STR("Item7")), items[7]);
  items[8]->SetName(STR("Item42"));
  EXPECT_EQ(root.FindComponent(STR("item42")), items[8]);
  EXPECT_THROW(items[9]->SetName(STR("answer")), EComponentError);
  EXPECT_EQ(root.FindComponent(STR("Item9")), items[9]);
  // Moving to another owner takes the name along.
  other.InsertComponent(items[10]);
  EXPECT_EQ(root.FindComponent(STR("Item10")), nullptr);
  EXPECT_EQ(other.FindComponent(STR("Item10")), items[10]);
  delete items[11];
  EXPECT_EQ(root.FindComponent(STR("Item11")), nullptr);
  auto* reborn = new TComponent(&root);
  EXPECT_NO_THROW(reborn->SetName(STR("Item11")));
  EXPECT_EQ(root.FindComponent(STR("Item11")), reborn);
  root.DestroyComponents();
  EXPECT_EQ(root.ComponentCount(), 0);
  EXPECT_EQ(root.FindComponent(STR("Answer")), nullptr);
}

TEST(Component, ManyFreeNotificationsInAnyOrder) {
  // Watched components of another owner: siblings hear of every removal anyway.
  TComponent root(nullptr);
  TComponent others(nullptr);
  auto* watcher = new TWatcher(&root);
  std::vector<TComponent*> watched;
  for (int i = 0; i < 200; ++i) {
    watched.push_back(new TComponent(&others));
    watcher->FreeNotification(watched.back());
    watcher->FreeNotification(watched.back());  // asked twice, told once
  }
  // Free from the middle outwards, dropping some notifications first.
  for (int i = 0; i < 200; i += 3) watcher->RemoveFreeNotification(watched[static_cast<size_t>(i)]);
  int told = 0;
  for (int k = 0; k < 200; ++k) {
    const size_t i = static_cast<size_t>(k % 2 == 0 ? 100 + k / 2 : 99 - k / 2);
    watcher->Target = watched[i];
    delete watched[i];
    if (watcher->Target == nullptr) ++told;
  }
  EXPECT_EQ(told, 200 - 67);
  // The watcher is told nothing more, and freeing it leaves nothing behind (ASan checks).
  auto* late = new TComponent(&others);
  watcher->FreeNotification(late);
  delete watcher;
  delete late;
}

TEST(TypInfo, PropertiesAndMethodsByName) {
  RegisterClass(TWatcher::StaticClass());
  const TClassInfo* cls = GetClass(STR("twatcher"));
  ASSERT_NE(cls, nullptr);
  std::unique_ptr<TObject> obj(cls->Create(nullptr));
  EXPECT_TRUE(obj->Is<TComponent>());
  EXPECT_TRUE(obj->ClassNameIs(STR("TWATCHER")));
  SetOrdProp(obj.get(), STR("count"), 41);
  CallMethod(TMethod{obj.get(), STR("Bump")}, static_cast<TObject*>(nullptr));
  EXPECT_EQ(GetOrdProp(obj.get(), STR("Count")), 42);
  SetStrProp(obj.get(), STR("Name"), STR("W1"));
  EXPECT_EQ(static_cast<TComponent*>(obj.get())->Name(), STR("W1"));
  EXPECT_THROW(GetOrdProp(obj.get(), STR("Missing")), EPropertyError);
  EXPECT_THROW(CallMethod(TMethod{obj.get(), STR("Bump")}, 1), EInvalidCast);
  // A handler the class does not provide (a user form's event) does nothing.
  EXPECT_NO_THROW(
      CallMethod(TMethod{obj.get(), STR("FormCreate")}, static_cast<TObject*>(nullptr)));
}

TEST(TypInfo, TheRegistryFindsClassesAndAliasesWithoutRegardToCase) {
  TClassInfo first;
  first.Name = STR("TRegistryProbe");
  TClassInfo second;
  second.Name = STR("TRegistryProbe2");
  RegisterClass(first);
  RegisterClassAlias(first, STR("TProbeAlias"));
  EXPECT_EQ(GetClass(STR("tregistryprobe")), &first);
  EXPECT_EQ(GetClass(STR("TPROBEALIAS")), &first);
  EXPECT_EQ(GetClass(STR("TRegistryProb")), nullptr);
  // A name registered again, in any case, names the class registered last.
  RegisterClassAlias(second, STR("tprobealias"));
  EXPECT_EQ(GetClass(STR("TProbeAlias")), &second);
  // Unregistering a class drops its aliases and leaves the others.
  RegisterClassAlias(first, STR("TProbeOther"));
  UnRegisterClass(first);
  EXPECT_EQ(GetClass(STR("TRegistryProbe")), nullptr);
  EXPECT_EQ(GetClass(STR("TProbeOther")), nullptr);
  EXPECT_EQ(GetClass(STR("TProbeAlias")), &second);
  EXPECT_THROW(FindClass(STR("TRegistryProbe")), EClassNotFound);
  UnRegisterClass(second);
  EXPECT_EQ(GetClass(STR("TProbeAlias")), nullptr);
}

TEST(TypInfo, PropertiesByNameAsClassesGainThem) {
  auto prop = [](String name) {
    TPropInfo p;
    p.Name = std::move(name);
    return p;
  };
  TClassInfo base;
  base.Name = STR("TBase");
  base.Props = {prop(STR("Caption")), prop(STR("Tag"))};
  TClassInfo derived;
  derived.Name = STR("TDerived");
  derived.Parent = &base;
  derived.Props = {prop(STR("CAPTION"))};
  // The nearest class's property wins; names fold ASCII case only.
  EXPECT_EQ(derived.FindProp(STR("caption")), &derived.Props[0]);
  EXPECT_EQ(derived.FindProp(STR("tAG")), &base.Props[1]);
  EXPECT_EQ(derived.FindProp(STR("Hint")), nullptr);
  ASSERT_EQ(derived.AllProps().size(), 3u);
  EXPECT_EQ(derived.AllProps()[0], &base.Props[0]);
  // An ancestor that gains a property after lookups were made.
  base.Props.push_back(prop(STR("Hint")));
  EXPECT_EQ(derived.FindProp(STR("HINT")), &base.Props[2]);
  EXPECT_EQ(derived.FindProp(STR("Tag")), &base.Props[1]);
  EXPECT_EQ(derived.AllProps().size(), 4u);
  // A copy finds its own properties, not those of the class it was copied from.
  const TClassInfo copy = derived;
  EXPECT_EQ(copy.FindProp(STR("Caption")), &copy.Props[0]);
}

}  // namespace

namespace {

TEST(Component, DesignedOwnerDesignsWhatItTakesIn) {
  TComponent form(nullptr);
  form.SetDesigning(true);
  auto* query = new TComponent(&form);
  EXPECT_TRUE(query->IsDesigning());
  TComponent loose(nullptr);
  EXPECT_FALSE(loose.IsDesigning());
}

}  // namespace

namespace {

// Two classes with properties of each other's class must be describable.
class TPeerB;
class TPeerA : public TComponent {
  OMBRIX_CLASS(TPeerA)
  using TComponent::TComponent;
  TPeerB* Peer() const { return FPeer; }
  void SetPeer(TPeerB* peer) { FPeer = peer; }

 private:
  TPeerB* FPeer = nullptr;
};
class TPeerB : public TComponent {
  OMBRIX_CLASS(TPeerB)
  using TComponent::TComponent;
  TPeerA* Peer() const { return FPeer; }
  void SetPeer(TPeerA* peer) { FPeer = peer; }

 private:
  TPeerA* FPeer = nullptr;
};
const TClassInfo& TPeerA::StaticClass() {
  static const TClassInfo info = TClassBuilder<TPeerA, TComponent>(STR("TPeerA"))
                                     .Prop(STR("Peer"), &TPeerA::Peer, &TPeerA::SetPeer)
                                     .Build();
  return info;
}
const TClassInfo& TPeerB::StaticClass() {
  static const TClassInfo info = TClassBuilder<TPeerB, TComponent>(STR("TPeerB"))
                                     .Prop(STR("Peer"), &TPeerB::Peer, &TPeerB::SetPeer)
                                     .Build();
  return info;
}

TEST(TypInfo, ClassesMayReferToEachOther) {
  const TPropInfo* prop = TPeerA::StaticClass().FindProp(STR("Peer"));
  ASSERT_NE(prop, nullptr);
  EXPECT_EQ(prop->PropType->ClassType(), &TPeerB::StaticClass());
  EXPECT_EQ(prop->PropType->Name(), STR("TPeerB"));
  EXPECT_EQ(TPeerB::StaticClass().FindProp(STR("Peer"))->PropType->ClassType(),
            &TPeerA::StaticClass());
}

}  // namespace
