#include <gtest/gtest.h>

#include "FormTestClasses.h"
#include "classes/FormLoader.h"
#include "classes/FormText.h"
#include "classes/GenericComponent.h"

#include <fstream>
#include <optional>

namespace {

class FormLoader : public ::testing::Test {
 protected:
  void SetUp() override { RegisterFormTestClasses(); }

  std::vector<TFormWarning> Read(TComponent* root, std::string_view text,
                                 TFormReadOptions options = {}) {
    FDocument = ReadFormText(text, STR("Unit1.dfm"));
    return ReadFormInto(root, *FDocument, options);
  }

  // The error that reading text into a new panel raises; the test fails when it raises none.
  std::optional<EReadError> ReadError(std::string_view text, const TFormReadOptions& options) {
    TTestControl panel(nullptr);
    try {
      Read(&panel, text, options);
    } catch (const EReadError& e) {
      return e;
    }
    ADD_FAILURE() << text;
    return std::nullopt;
  }

  std::unique_ptr<TFormDocument> FDocument;
};

const char* const kDataModule = R"(object DataModule1: TDataModule1
  OnCreate = DataModuleCreate
  object Master: TTestDataSet
    SQL.Strings = (
      'select *'
      'from customer')
    BeforeOpen = MasterBeforeOpen
    Ratio = 2.500000000000000000
    Left = 48
    Top = 16
    object MasterName: TTestField
      FieldName = 'Name'
      Size = 30
    end
  end
  object MasterSource: TTestDataSource
    DataSet = Master
  end
  object Detail: TTestQuery
    Active = True
    MasterSource = MasterSource
    Params = <
      item
        Name = 'CustNo'
        DataType = ftInteger
        Source = Master
      end
      item
        Name = 'Since'
        DataType = ftDate
      end>
    object DetailCountry: TTestField
      FieldName = 'CountryName'
      LookupDataSet = Master
      Lookup = True
    end
  end
end
)";

TEST_F(FormLoader, BuildsOwnedNestedComponentsWithTheirProperties) {
  TComponent root(nullptr);
  EXPECT_TRUE(Read(&root, kDataModule).empty());
  EXPECT_EQ(root.Name(), STR("DataModule1"));
  // Ownership is not nesting: fields belong to the root like everything else.
  ASSERT_EQ(root.ComponentCount(), 5);
  auto* master = As<TTestDataSet>(root.FindComponent(STR("Master")));
  auto* name = As<TTestField>(root.FindComponent(STR("MasterName")));
  auto* source = As<TTestDataSource>(root.FindComponent(STR("MasterSource")));
  auto* detail = As<TTestQuery>(root.FindComponent(STR("Detail")));
  auto* country = As<TTestField>(root.FindComponent(STR("DetailCountry")));
  EXPECT_EQ(name->Owner(), &root);
  EXPECT_EQ(name->DataSet(), master);
  EXPECT_EQ(country->DataSet(), detail);
  EXPECT_EQ(master->SQL()->Text(), STR("select *\nfrom customer\n"));
  EXPECT_EQ(master->BeforeOpen, (TMethod{&root, STR("MasterBeforeOpen")}));
  EXPECT_DOUBLE_EQ(master->Ratio, 2.5);
  EXPECT_EQ(master->DesignInfo(), 48 | (16 << 16));
  EXPECT_EQ(name->Size, 30);
  EXPECT_TRUE(detail->Active);
  EXPECT_EQ(source->DataSet(), master);
  EXPECT_EQ(detail->MasterSource(), source);
  EXPECT_EQ(country->LookupDataSet(), master);
  EXPECT_TRUE(country->Lookup);
  ASSERT_EQ(detail->Params()->Count(), 2);
  auto* param = As<TTestParam>(detail->Params()->Items(0));
  EXPECT_EQ(param->Name, STR("CustNo"));
  EXPECT_EQ(param->DataType, 3);
  EXPECT_EQ(param->Source, master);
  // Properties are set while loading; Loaded comes after the references.
  EXPECT_TRUE(name->NameSetWhileLoading);
  EXPECT_TRUE(detail->LoadedWhileLoading);
  EXPECT_TRUE(detail->MasterSourceAtLoaded);
  EXPECT_EQ(detail->ComponentState() & csLoading, 0u);
  EXPECT_FALSE(detail->IsDesigning());
}

TEST_F(FormLoader, UnknownClassesAndPropertiesAreKept) {
  TComponent root(nullptr);
  TFormReadOptions design;
  design.Designing = true;
  const auto warnings = Read(&root, R"(object Form1: TForm1
  Caption = 'Main'
  object Panel1: TPanel
    Color = clBtnFace
    object Button1: TTestControl
      Caption = 'OK'
      ExplicitWidth = 75
      Font.Color = clRed
      Font.Style = [fsBold, fsUnderline]
      Align = alClient
      OnClick = Button1Click
    end
  end
  object Query1: TQuery
    SQL.Strings = (
      'select 1')
    Left = 10
    Top = 20
  end
end
)",
                             design);
  EXPECT_TRUE(warnings.empty());
  TComponent* panel = root.FindComponent(STR("Panel1"));
  ASSERT_NE(panel, nullptr);
  EXPECT_TRUE(panel->ClassNameIs(STR("TPanel")));
  EXPECT_TRUE(panel->Is<TGenericComponent>());
  EXPECT_EQ(GetClass(STR("TPanel")), nullptr);
  auto* button = As<TTestControl>(root.FindComponent(STR("Button1")));
  EXPECT_EQ(button->Parent, panel);
  EXPECT_EQ(panel->GetParentComponent(), &root);
  EXPECT_EQ(button->Font()->Color, 0xFF);
  EXPECT_EQ(button->Font()->Style, 5);
  EXPECT_EQ(button->Align, TTestAlign::alClient);
  EXPECT_EQ(button->OnClick.Name, STR("Button1Click"));
  EXPECT_EQ(root.FindComponent(STR("Query1"))->DesignInfo(), 10 | (20 << 16));
  EXPECT_TRUE(button->IsDesigning());
  EXPECT_TRUE(root.IsDesigning());
  // The document keeps what no class took.
  EXPECT_EQ(WriteFormText(*FDocument).find("ExplicitWidth = 75") != std::string::npos, true);
}

TEST_F(FormLoader, StrictReadsRefuseWhatTheyDoNotKnow) {
  TFormReadOptions strict;
  strict.AllowUnknownClasses = false;
  strict.AllowUnknownProperties = false;
  strict.AllowBadValues = false;
  struct TCase {
    const char* Text;
    int Line;
    const char* Message;
  } cases[] = {
      {"object P: TTestControl\n  object M: TSynMemo\n  end\nend\n", 2, "Class TSynMemo not found"},
      {"object P: TTestControl\n  Caption = 'x'\n  Colour = 1\nend\n", 3,
       "Error reading P.Colour: Property Colour does not exist"},
      {"object P: TTestControl\n  Width = 'wide'\nend\n", 2,
       "Error reading P.Width: Invalid property value"},
      {"object P: TTestControl\n  Align = alLeft\nend\n", 2,
       "Error reading P.Align: Invalid property value"},
      {"object P: TTestControl\n  object D: TTestDataSource\n    DataSet = Nowhere\n  end\nend\n",
       3, "Unresolved reference to Nowhere"},
      {"object P: TTestControl\n  object A: TTestControl\n  end\n  object a: TTestControl\n"
       "  end\nend\n",
       4, "A component named a already exists"},
  };
  for (const TCase& c : cases) {
    const std::optional<EReadError> error = ReadError(c.Text, strict);
    if (!error) continue;
    EXPECT_EQ(ToUtf8(error->Message()), c.Message);
    EXPECT_EQ(error->Line(), c.Line) << c.Text;
  }
}

TEST_F(FormLoader, PlacesCountLinesAsReadAndCharactersOnTheLine) {
  TFormReadOptions strict;
  strict.AllowUnknownProperties = false;
  struct TCase {
    const char* Text;
    int Line;
    int Column;
  } cases[] = {
      // A lone CR, then CR LF; the Cyrillic name counts six characters.
      {"object P: TTestControl\r  Caption = 'x'\r\n"
       "  object \xD0\x9A\xD0\xBB\xD0\xB8\xD0\xB5\xD0\xBD\xD1\x82: TTestControl Colour = 1\r\n"
       "  end\r\nend\r\n",
       3, 31},
      // The byte order mark takes no column.
      {"\xEF\xBB\xBFobject P: TTestControl Colour = 1 end\n", 1, 24},
  };
  for (const TCase& c : cases) {
    const std::optional<EReadError> error = ReadError(c.Text, strict);
    if (!error) continue;
    EXPECT_EQ(error->Line(), c.Line) << c.Text;
    EXPECT_EQ(error->Column(), c.Column) << c.Text;
  }
}

TEST_F(FormLoader, LenientReadsWarnAboutBadValues) {
  TComponent root(nullptr);
  const auto warnings = Read(&root, R"(object F: TF
  object C: TTestControl
    Width = 'wide'
    Font.Color = clNoSuchColour
  end
  object S: TTestDataSource
    DataSet = C
  end
end
)");
  ASSERT_EQ(warnings.size(), 3u);
  EXPECT_EQ(warnings[0].Line, 3);
  EXPECT_EQ(ToUtf8(warnings[1].Message), "Error reading C.Font.Color: Invalid property value");
  EXPECT_EQ(ToUtf8(warnings[2].Message), "C is not a TTestDataSet");
  EXPECT_EQ(As<TTestDataSource>(root.FindComponent(STR("S")))->DataSet(), nullptr);
}

TEST_F(FormLoader, InlineFramesOwnTheirObjects) {
  TComponent root(nullptr);
  Read(&root, R"(object OrderForm: TOrderForm
  inline ShipTo: TAddressFrame
    Left = 8
    inherited Street: TTestControl
      OnClick = StreetClick
    end
    object Source: TTestDataSource
      DataSet = OrderForm.Orders
    end
  end
  object Orders: TTestQuery
    MasterSource = ShipTo.Source
  end
end
)");
  TComponent* frame = root.FindComponent(STR("ShipTo"));
  ASSERT_NE(frame, nullptr);
  EXPECT_TRUE(frame->IsInline());
  EXPECT_EQ(root.ComponentCount(), 2);
  auto* street = As<TTestControl>(frame->FindComponent(STR("Street")));
  auto* source = As<TTestDataSource>(frame->FindComponent(STR("Source")));
  ASSERT_NE(street, nullptr);
  EXPECT_EQ(street->OnClick.Data, frame);
  auto* orders = As<TTestQuery>(root.FindComponent(STR("Orders")));
  EXPECT_EQ(source->DataSet(), orders);
  EXPECT_EQ(orders->MasterSource(), source);
}

TEST_F(FormLoader, UnknownClassHandlersComeBeforeTheGenericStandIn) {
  std::vector<std::pair<String, TComponent*>> asked;
  RegisterUnknownClassHandler(
      STR("test"), [&](StringView className, TComponent* parent, TComponent* owner) -> TComponent* {
        asked.emplace_back(String(className), parent);
        if (dynamic_cast<TTestDataSet*>(parent) == nullptr) return nullptr;
        return new TTestField(owner);
      });
  TComponent root(nullptr);
  Read(&root, R"(object F: TF
  object Q: TTestDataSet
    object QAmount: TFMTBCDField
      FieldName = 'Amount'
      Precision = 18
    end
  end
  object X: TSomethingElse
  end
end
)");
  UnregisterUnknownClassHandler(STR("test"));
  ASSERT_EQ(asked.size(), 2u);
  EXPECT_EQ(asked[0].first, STR("TFMTBCDField"));
  auto* field = As<TTestField>(root.FindComponent(STR("QAmount")));
  EXPECT_EQ(field->FieldName, STR("Amount"));
  EXPECT_EQ(field->DataSet(), root.FindComponent(STR("Q")));
  EXPECT_TRUE(root.FindComponent(STR("X"))->ClassNameIs(STR("TSomethingElse")));
}

// Names are looked up once per class and spelling: each must still reach its own class.
TEST_F(FormLoader, PropertyNamesInAnySpellingOnEachClass) {
  TTestControl root(nullptr);
  const auto warnings = Read(&root, R"(object F: TTestControl
  Caption = 'root'
  object A: TTestControl
    caption = 'a'
    LEFT = 3
    Font.Name = 'Arial'
    font.name = 'Tahoma'
  end
  object S: TTestDataSource
    Left = 5
    Top = 7
    Font.Name = 'Arial'
  end
  object C: TTestControl
    CAPTION = 'c'
    Left = 4
  end
end
)");
  EXPECT_TRUE(warnings.empty());
  EXPECT_EQ(root.Caption, STR("root"));
  auto* a = As<TTestControl>(root.FindComponent(STR("A")));
  EXPECT_EQ(a->Caption, STR("a"));
  EXPECT_EQ(a->Left, 3);
  EXPECT_EQ(a->Font()->Name, STR("Tahoma"));
  auto* c = As<TTestControl>(root.FindComponent(STR("C")));
  EXPECT_EQ(c->Caption, STR("c"));
  EXPECT_EQ(c->Left, 4);
  // Not published there: the designer position, and a name that stays raw.
  EXPECT_EQ(root.FindComponent(STR("S"))->DesignInfo(), 5 | (7 << 16));
  TFormReadOptions strict;
  strict.AllowUnknownProperties = false;
  const auto error = ReadError(R"(object F: TTestControl
  object A: TTestControl
    Font.Name = 'Arial'
  end
  object S: TTestDataSource
    Font.Name = 'Arial'
  end
end
)",
                               strict);
  ASSERT_TRUE(error);
  EXPECT_NE(error->Message().find(STR("S.Font.Name")), String::npos) << ToUtf8(error->Message());
}

// The handlers may register a class they are asked for; its later objects come from it.
TEST_F(FormLoader, AClassRegisteredWhileReadingMakesItsLaterObjects) {
  static const TClassInfo late = [] {
    TClassInfo cls;
    cls.Name = STR("TLateControl");
    cls.Parent = &TTestControl::StaticClass();
    cls.Create = [](TComponent* owner) -> TObject* { return new TTestControl(owner); };
    return cls;
  }();
  int asked = 0;
  RegisterUnknownClassHandler(STR("late"),
                              [&](StringView, TComponent*, TComponent* owner) -> TComponent* {
                                ++asked;
                                RegisterClass(late);
                                return new TTestControl(owner);
                              });
  TComponent root(nullptr);
  Read(&root, R"(object F: TF
  object A: TLateControl
    Caption = 'a'
  end
  object B: TLateControl
    Caption = 'b'
  end
end
)");
  UnregisterUnknownClassHandler(STR("late"));
  UnRegisterClass(late);
  EXPECT_EQ(asked, 1);
  EXPECT_EQ(As<TTestControl>(root.FindComponent(STR("B")))->Caption, STR("b"));
}

TEST_F(FormLoader, LayoutIntoAnExistingInstance) {
  TTestControl form(nullptr);
  const auto path = std::filesystem::temp_directory_path() / "ombrix_layout_test.dfm";
  {
    std::ofstream out(path, std::ios::binary);
    out << "object EditForm: TEditForm\n  Caption = 'Edit'\n  Tag = 3\n"
           "  object OkButton: TTestControl\n    OnClick = OkButtonClick\n  end\nend\n";
  }
  LoadFormLayout(&form, path);
  std::filesystem::remove(path);
  EXPECT_EQ(form.Name(), STR("EditForm"));
  EXPECT_EQ(form.Caption, STR("Edit"));
  auto* ok = As<TTestControl>(form.FindComponent(STR("OkButton")));
  EXPECT_EQ(ok->OnClick, (TMethod{&form, STR("OkButtonClick")}));
  EXPECT_EQ(ok->Parent, &form);
}

}  // namespace
