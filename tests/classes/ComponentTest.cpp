#include <gtest/gtest.h>

#include "classes/Component.h"

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
