// Which editor the designer picks: the most specific registration, the later of equals.
#include <gtest/gtest.h>

#include "classes/Collection.h"
#include "designide/RegistryScope.h"

namespace {

class TBase : public TComponent {
  OMBRIX_CLASS(TBase)
  explicit TBase(TComponent* owner) : TComponent(owner) {}
  String Caption() const { return FCaption; }
  void SetCaption(const String& value) { FCaption = value; }
  String Title() const { return FCaption; }
  TComponent* Source() const { return FSource; }
  void SetSource(TComponent* value) { FSource = value; }

 private:
  String FCaption;
  TComponent* FSource = nullptr;
};

class TDerived : public TBase {
  OMBRIX_CLASS(TDerived)
  using TBase::TBase;
};

const TClassInfo& TBase::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TBase, TComponent>(STR("TBase"))
          .Prop(STR("Caption"), &TBase::Caption, &TBase::SetCaption)
          .Prop(STR("Title"), &TBase::Title, &TBase::SetCaption, &TypeInfoFileName())
          .Prop(STR("Source"), &TBase::Source, &TBase::SetSource)
          .Build();
  return info;
}

const TClassInfo& TDerived::StaticClass() {
  static const TClassInfo info = TClassBuilder<TDerived, TBase>(STR("TDerived")).Build();
  return info;
}

#define TEST_EDITOR(Name, Base)                                                   \
  class Name : public Base {                                                      \
    OMBRIX_CLASS(Name)                                                            \
  };                                                                              \
  const TClassInfo& Name::StaticClass() {                                         \
    static const TClassInfo info = TClassBuilder<Name, Base>(STR(#Name)).Build(); \
    return info;                                                                  \
  }

TEST_EDITOR(TAnyStringEditor, TStringProperty)
TEST_EDITOR(TBaseStringEditor, TStringProperty)
TEST_EDITOR(TCaptionEditor, TStringProperty)
TEST_EDITOR(TDerivedCaptionEditor, TStringProperty)
TEST_EDITOR(TLaterCaptionEditor, TStringProperty)
TEST_EDITOR(TAnyComponentEditor, TComponentProperty)
TEST_EDITOR(TBaseRefEditor, TComponentProperty)
TEST_EDITOR(TBaseVerbs, TComponentEditor)
TEST_EDITOR(TDerivedVerbs, TComponentEditor)
TEST_EDITOR(TLaterDerivedVerbs, TComponentEditor)

// Each test registers under its own package name and takes it all back at the end.
class RegistryTest : public ::testing::Test {
 protected:
  void SetUp() override { BeginPackageRegistration(STR("registry-test")); }
  void TearDown() override {
    EndPackageRegistration();
    UnregisterPackage(STR("registry-test"));
  }
  String EditorFor(const TClassInfo& cls, StringView property) {
    return FindPropertyEditorClass(cls, *GetPropInfo(cls, property)).Class->Name;
  }
};

TEST_F(RegistryTest, TheMostSpecificPropertyEditorWins) {
  const TClassInfo& derived = TDerived::StaticClass();
  EXPECT_EQ(EditorFor(derived, STR("Caption")), STR("TStringProperty"));  // the host's default
  RegisterPropertyEditor(TypeInfoString(), nullptr, String(),
                         PropertyEditorClass<TAnyStringEditor>());
  EXPECT_EQ(EditorFor(derived, STR("Caption")), STR("TAnyStringEditor"));
  RegisterPropertyEditor(TypeInfoString(), &TBase::StaticClass(), String(),
                         PropertyEditorClass<TBaseStringEditor>());
  EXPECT_EQ(EditorFor(derived, STR("Caption")), STR("TBaseStringEditor"));
  // A later registration for any component does not displace a class-specific one.
  RegisterPropertyEditor(TypeInfoString(), nullptr, String(),
                         PropertyEditorClass<TAnyStringEditor>());
  EXPECT_EQ(EditorFor(derived, STR("Caption")), STR("TBaseStringEditor"));
  // Naming the property is more specific than naming the class.
  RegisterPropertyEditor(TypeInfoString(), nullptr, STR("caption"),
                         PropertyEditorClass<TCaptionEditor>());
  EXPECT_EQ(EditorFor(derived, STR("Caption")), STR("TCaptionEditor"));
  RegisterPropertyEditor(TypeInfoString(), &TDerived::StaticClass(), STR("Caption"),
                         PropertyEditorClass<TDerivedCaptionEditor>());
  EXPECT_EQ(EditorFor(derived, STR("Caption")), STR("TDerivedCaptionEditor"));
  EXPECT_EQ(EditorFor(TBase::StaticClass(), STR("Caption")), STR("TCaptionEditor"));
  // Equally specific: the later wins.
  RegisterPropertyEditor(TypeInfoString(), &TDerived::StaticClass(), STR("Caption"),
                         PropertyEditorClass<TLaterCaptionEditor>());
  EXPECT_EQ(EditorFor(derived, STR("Caption")), STR("TLaterCaptionEditor"));
  // A named string type is another type: the string registrations do not reach it.
  EXPECT_EQ(EditorFor(derived, STR("Title")), STR("TStringProperty"));
}

TEST_F(RegistryTest, ClassTypedPropertiesMatchThroughInheritance) {
  const TClassInfo& derived = TDerived::StaticClass();
  EXPECT_EQ(EditorFor(derived, STR("Source")), STR("TComponentProperty"));
  RegisterPropertyEditor(TypeInfoClass(TPersistent::StaticClass()), nullptr, String(),
                         PropertyEditorClass<TAnyComponentEditor>());
  EXPECT_EQ(EditorFor(derived, STR("Source")), STR("TAnyComponentEditor"));
  RegisterPropertyEditor(TypeInfoClass(TComponent::StaticClass()), nullptr, String(),
                         PropertyEditorClass<TBaseRefEditor>());
  RegisterPropertyEditor(TypeInfoClass(TPersistent::StaticClass()), nullptr, String(),
                         PropertyEditorClass<TAnyComponentEditor>());
  EXPECT_EQ(EditorFor(derived, STR("Source")), STR("TBaseRefEditor"));  // the nearer type
  // A type below the property's own does not fit.
  RegisterPropertyEditor(TypeInfoClass(TBase::StaticClass()), nullptr, String(),
                         PropertyEditorClass<TAnyStringEditor>());
  EXPECT_EQ(EditorFor(derived, STR("Source")), STR("TBaseRefEditor"));
}

TEST_F(RegistryTest, ComponentEditorsAndThePalette) {
  TDerived component(nullptr);
  EXPECT_EQ(GetComponentEditor(&component, nullptr)->ClassName(), STR("TComponentEditor"));
  RegisterComponentEditor(TDerived::StaticClass(), ComponentEditorClass<TDerivedVerbs>());
  RegisterComponentEditor(TBase::StaticClass(), ComponentEditorClass<TBaseVerbs>());
  EXPECT_EQ(GetComponentEditor(&component, nullptr)->ClassName(), STR("TDerivedVerbs"));
  RegisterComponentEditor(TDerived::StaticClass(), ComponentEditorClass<TLaterDerivedVerbs>());
  auto editor = GetComponentEditor(&component, nullptr);
  EXPECT_EQ(editor->ClassName(), STR("TLaterDerivedVerbs"));
  EXPECT_EQ(editor->Component(), &component);
  TBase base(nullptr);
  EXPECT_EQ(GetComponentEditor(&base, nullptr)->ClassName(), STR("TBaseVerbs"));

  RegisterComponents(STR("Page"), {&TBase::StaticClass(), &TDerived::StaticClass()});
  EXPECT_EQ(GetClass(STR("TDerived")), &TDerived::StaticClass());
  const auto palette = PaletteEntries();
  ASSERT_GE(palette.size(), 2u);
  EXPECT_EQ(palette[palette.size() - 2].Class, &TBase::StaticClass());
  EXPECT_EQ(palette.back().Page, STR("Page"));
  ForceDemandLoadState(dlDisable);
  EXPECT_EQ(DemandLoadState(STR("registry-test")), dlDisable);
  // Unloading takes it all back.
  EndPackageRegistration();
  UnregisterPackage(STR("registry-test"));
  EXPECT_EQ(GetClass(STR("TDerived")), nullptr);
  EXPECT_EQ(GetComponentEditor(&base, nullptr)->ClassName(), STR("TComponentEditor"));
  EXPECT_EQ(DemandLoadState(STR("registry-test")), dlDefault);
}

}  // namespace
