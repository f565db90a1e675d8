// Property and component editors at work on a designed form, with the host's designer, module
// services over open forms, and the host's fields and collection editors.
#include <gtest/gtest.h>

#include <algorithm>

#include "ScriptedDriver.h"
#include "db/DBClasses.h"
#include "db/DataSet.h"
#include "db/DataSource.h"
#include "db/FieldDefs.h"
#include "db/Params.h"
#include "designide/FormDesigner.h"
#include "designide/FormSetServices.h"
#include "designide/Registry.h"

namespace {

class TColumnsDataSet : public TDataSet {
  OMBRIX_CLASS(TColumnsDataSet)
  explicit TColumnsDataSet(TComponent* owner) : TDataSet(owner) {}

 protected:
  void InternalInitFieldDefs() override {
    FieldDefs()->Clear();
    FieldDefs()->Add(STR("id"), TFieldType::ftInteger);
    FieldDefs()->Add(STR("cust name"), TFieldType::ftString, 20);
  }
};

const TClassInfo& TColumnsDataSet::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TColumnsDataSet, TDataSet>(STR("TColumnsDataSet")).Creatable().Build();
  return info;
}

class TLinked : public TComponent {
  OMBRIX_CLASS(TLinked)
  explicit TLinked(TComponent* owner)
      : TComponent(owner), FParams(std::make_unique<TParams>(this)) {}
  TDataSource* Source() const { return FSource; }
  void SetSource(TDataSource* value) { FSource = value; }
  String Caption() const { return FCaption; }
  void SetCaption(const String& value) { FCaption = value; }
  TParams* Params() const { return FParams.get(); }
  int Size() const { return FSize; }
  void SetSize(int value) { FSize = value; }
  bool Shared() const { return FShared; }
  void SetShared(bool value) { FShared = value; }

 private:
  int FSize = 0;
  bool FShared = false;
  TDataSource* FSource = nullptr;
  String FCaption;
  std::unique_ptr<TParams> FParams;
};

const TClassInfo& TLinked::StaticClass() {
  static const TClassInfo info = TClassBuilder<TLinked, TComponent>(STR("TLinked"))
                                     .Creatable()
                                     .Prop(STR("Caption"), &TLinked::Caption, &TLinked::SetCaption)
                                     .Prop(STR("Params"), &TLinked::Params, nullptr)
                                     .Prop(STR("Source"), &TLinked::Source, &TLinked::SetSource)
                                     .Prop(STR("Size"), &TLinked::Size, &TLinked::SetSize)
                                     .Prop(STR("Shared"), &TLinked::Shared, &TLinked::SetShared)
                                     .Build();
  return info;
}

class EditorsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    RegisterFormsClasses();
    RegisterDBClasses();
    RegisterClass(TLinked::StaticClass());
    form1 = &forms.OpenText(
        "object Form1: TForm1\n"
        "  object DataSource1: TDataSource\n  end\n"
        "  object Linked1: TLinked\n    Caption = 'one'\n  end\n"
        "  object Linked2: TLinked\n    Caption = 'two'\n  end\n"
        "end\n",
        "Unit1.dfm");
    form2 = &forms.OpenText("object Form2: TForm2\n  object DataSource2: TDataSource\n  end\nend\n",
                            "Unit2.dfm");
    SetBorlandIDEServices(&services);
  }
  void TearDown() override { SetBorlandIDEServices(nullptr); }
  TComponent* Find(StringView name) { return form1->Root()->FindComponent(name); }

  TFormSet forms;
  TFormSetServices services{forms};
  TFormModule* form1 = nullptr;
  TFormModule* form2 = nullptr;
  TScriptedDriver driver;
};

TEST_F(EditorsTest, StringPropertyEditsTheWholeSelection) {
  TFormDesigner designer(form1->Root());
  auto editor =
      GetPropertyEditor(&designer, {Find(STR("Linked1")), Find(STR("Linked2"))}, STR("Caption"));
  EXPECT_EQ(editor->PropCount(), 2);
  EXPECT_EQ(editor->GetValue(), STR("one"));
  editor->SetValue(STR("both"));
  EXPECT_EQ(static_cast<TLinked*>(Find(STR("Linked2")))->Caption(), STR("both"));
  EXPECT_EQ(designer.ModifiedCount(), 1);
  EXPECT_EQ(editor->GetComponent(1), Find(STR("Linked2")));
  EXPECT_THROW(editor->GetComponent(2), EListError);
  EXPECT_TRUE(HasAttribute(editor->GetAttributes(), paMultiSelect));
  EXPECT_THROW(GetPropertyEditor(&designer, {Find(STR("DataSource1"))}, STR("Caption")),
               EPropertyError);
}

TEST_F(EditorsTest, ComponentPropertyOffersTheComponentsOfItsClassOnEveryOpenForm) {
  TFormDesigner designer(form1->Root());
  auto editor = GetPropertyEditor(&designer, {Find(STR("Linked1"))}, STR("Source"));
  std::vector<String> values;
  editor->GetValues([&](const String& v) { values.push_back(v); });
  EXPECT_EQ(values, (std::vector<String>{STR("DataSource1"), STR("Form2.DataSource2")}));
  editor->SetValue(STR("Form2.DataSource2"));
  EXPECT_EQ(editor->GetValue(), STR("Form2.DataSource2"));
  EXPECT_EQ(static_cast<TLinked*>(Find(STR("Linked1")))->Source(),
            form2->Root()->FindComponent(STR("DataSource2")));
  EXPECT_THROW(editor->SetValue(STR("Linked2")), EPropertyError);  // not a data source
  EXPECT_THROW(editor->SetValue(STR("Form3.DataSource9")), EPropertyError);
  editor->SetValue(String());
  EXPECT_EQ(static_cast<TLinked*>(Find(STR("Linked1")))->Source(), nullptr);
  EXPECT_EQ(designer.ModifiedCount(), 2);
  // Without module services only the designer's own form is known.
  SetBorlandIDEServices(nullptr);
  values.clear();
  editor->GetValues([&](const String& v) { values.push_back(v); });
  EXPECT_EQ(values, (std::vector<String>{STR("DataSource1")}));
}

TEST_F(EditorsTest, ModuleServicesListFormEditorsWithTheirRoots) {
  IOTAModuleServices* modules = BorlandIDEServices()->ModuleServices();
  ASSERT_EQ(modules->ModuleCount(), 2);
  IOTAModule* module = modules->Modules(1);
  ASSERT_EQ(module->GetModuleFileCount(), 2);
  EXPECT_EQ(module->GetModuleFileEditor(0)->AsFormEditor(), nullptr);
  EXPECT_EQ(module->FileName(), STR("Unit2.pas"));
  IOTAFormEditor* editor = module->GetModuleFileEditor(1)->AsFormEditor();
  ASSERT_NE(editor, nullptr);
  editor->Show();
  EXPECT_EQ(editor->GetRootComponent(), form2->Root());
  EXPECT_EQ(services.ShowCount(form2->Root()), 1);
  EXPECT_THROW(module->GetModuleFileEditor(2), EListError);
  forms.Close(*form2);
  EXPECT_EQ(modules->ModuleCount(), 1);
  EXPECT_THROW(modules->Modules(1), EListError);
  // The closed module's wrapper is never reached again; a form opened after it has its own.
  EXPECT_EQ(modules->Modules(0)->GetModuleFileEditor(1)->AsFormEditor()->GetRootComponent(),
            form1->Root());
  TFormModule& form3 = forms.OpenText("object Form3: TForm3\nend\n", "Unit3.dfm");
  EXPECT_EQ(modules->Modules(1)->GetModuleFileEditor(1)->AsFormEditor()->GetRootComponent(),
            form3.Root());
  EXPECT_EQ(services.ShowCount(form3.Root()), 0);
}

class TVerbs : public TComponentEditor {
  OMBRIX_CLASS(TVerbs)
  int GetVerbCount() override { return 2; }
  String GetVerb(int index) override { return index == 0 ? STR("First") : STR("Second"); }
  void ExecuteVerb(int index) override { Ran.push_back(index); }
  std::vector<int> Ran;
};

const TClassInfo& TVerbs::StaticClass() {
  static const TClassInfo info = TClassBuilder<TVerbs, TComponentEditor>(STR("TVerbs")).Build();
  return info;
}

TEST_F(EditorsTest, DoubleClickRunsTheFirstVerb) {
  TFormDesigner designer(form1->Root());
  TVerbs editor;
  editor.Initialize(Find(STR("Linked1")), &designer);
  editor.Edit();
  EXPECT_EQ(editor.Ran, (std::vector<int>{0}));
  EXPECT_EQ(editor.GetDesigner(), &designer);
  TComponentEditor none;
  none.Initialize(Find(STR("Linked1")), &designer);
  EXPECT_NO_THROW(none.Edit());
}

class TSizes : public TStringProperty {
  OMBRIX_CLASS(TSizes)
  TPropertyAttributes GetAttributes() override { return Attributes({paValueList}); }
  void GetValues(const TGetStrProc& proc) override {
    for (const Char* v : {STR("small"), STR("large")}) proc(v);
  }
};

const TClassInfo& TSizes::StaticClass() {
  static const TClassInfo info = TClassBuilder<TSizes, TStringProperty>(STR("TSizes")).Build();
  return info;
}

TEST_F(EditorsTest, EditOfAValueListStepsToTheNextValue) {
  TFormDesigner designer(form1->Root());
  TSizes editor;
  editor.Initialize(&designer, {Find(STR("Linked1"))},
                    *GetPropInfo(Find(STR("Linked1")), STR("Caption")));
  editor.Edit();  // "one" is none of them: the first
  EXPECT_EQ(editor.GetValue(), STR("small"));
  editor.Edit();
  editor.Edit();
  EXPECT_EQ(editor.GetValue(), STR("small"));
}

TEST_F(EditorsTest, IntegersAndEnumerationsAreTypedAndRefuseWhatDoesNotFit) {
  TFormDesigner designer(form1->Root());
  auto* linked = static_cast<TLinked*>(Find(STR("Linked1")));
  auto size = GetPropertyEditor(&designer, {linked}, STR("Size"));
  size->SetValue(STR(" 3306 "));
  EXPECT_EQ(linked->Size(), 3306);
  EXPECT_THROW(size->SetValue(STR("33o6")), EPropertyError);
  EXPECT_THROW(size->SetValue(String()), EPropertyError);
  EXPECT_EQ(size->GetValue(), STR("3306"));
  auto shared = GetPropertyEditor(&designer, {linked}, STR("Shared"));
  EXPECT_TRUE(HasAttribute(shared->GetAttributes(), paValueList));
  std::vector<String> values;
  shared->GetValues([&](const String& v) { values.push_back(v); });
  EXPECT_EQ(values, (std::vector<String>{STR("False"), STR("True")}));
  shared->SetValue(STR("true"));
  EXPECT_TRUE(linked->Shared());
  EXPECT_THROW(shared->SetValue(STR("Yes")), EPropertyError);
  EXPECT_EQ(designer.ModifiedCount(), 2);
}

TEST_F(EditorsTest, CollectionPropertyOpensTheCollectionEditor) {
  TFormDesigner designer(form1->Root());
  auto* linked = static_cast<TLinked*>(Find(STR("Linked1")));
  auto editor = GetPropertyEditor(&designer, {linked}, STR("Params"));
  EXPECT_EQ(editor->GetValue(), STR("(TParams)"));
  EXPECT_TRUE(HasAttribute(editor->GetAttributes(), paDialog));
  driver.Expect(TScript(STR("TCollectionEditorForm"))
                    .Click(STR("AddButton"))
                    .Click(STR("AddButton"))
                    .Choose(STR("ItemList"), STR("0 - TParam"))
                    .Click(STR("DownButton"))
                    .Click(STR("DeleteButton"))
                    .Click(STR("CloseButton")));
  editor->Edit();
  EXPECT_EQ(linked->Params()->Count(), 1);
  EXPECT_EQ(designer.ModifiedCount(), 4);
  EXPECT_EQ(driver.Shown().back().Caption, STR("Editing Linked1.Params"));
}

TEST_F(EditorsTest, FieldsEditorAddsTheDescribedFieldsAndDeletesSelectedOnes) {
  TFormDesigner designer(form1->Root());
  auto* dataSet = new TColumnsDataSet(form1->Root());
  dataSet->SetName(STR("Query1"));
  driver.Expect(TScript()
                    .Click(STR("AddAllButton"))
                    .Click(STR("AddAllButton"))  // nothing new the second time
                    .Select(STR("FieldList"), {STR("id")})
                    .Click(STR("DeleteButton"))
                    .Key(VK_ESCAPE));
  ShowFieldsEditor(&designer, dataSet, TDSDesigner::StaticClass());
  ASSERT_EQ(dataSet->FieldCount(), 1);
  TField* field = dataSet->Fields()[0];
  EXPECT_EQ(field->FieldName(), STR("cust name"));
  EXPECT_EQ(field->Name(), STR("Query1custname"));
  EXPECT_EQ(field->Owner(), form1->Root());
  EXPECT_EQ(designer.ModifiedCount(), 3);
  EXPECT_THROW(ShowFieldsEditor(&designer, dataSet, TComponentEditor::StaticClass()), EInvalidCast);
}

}  // namespace
