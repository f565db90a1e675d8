#include <gtest/gtest.h>

#include "FormTestClasses.h"
#include "FormTestFiles.h"
#include "classes/FormSet.h"
#include "classes/FormText.h"

#include <fstream>
#include <functional>

namespace {

class FormSet : public ::testing::Test {
 protected:
  void SetUp() override { RegisterFormTestClasses(); }
};

const std::string kModule =
    "object DataModule1: TDataModule1\r\n"
    "  OnCreate = DataModuleCreate\r\n"
    "  object Master: TTestDataSet\r\n"
    "    SQL.Strings = (\r\n"
    "      'select *'\r\n"
    "      'from customer')\r\n"
    "    Left = 48\r\n"
    "    Top = 16\r\n"
    "    object MasterName: TTestField\r\n"
    "      FieldName = 'Name'\r\n"
    "      Size = 30\r\n"
    "      Origin = 'CUSTOMER.Name'\r\n"
    "    end\r\n"
    "  end\r\n"
    "  object MasterSource: TTestDataSource\r\n"
    "    DataSet = Master\r\n"
    "    Left = 48\r\n"
    "    Top = 72\r\n"
    "  end\r\n"
    "  object Detail: TTestQuery\r\n"
    "    MasterSource = MasterSource\r\n"
    "    Params = <\r\n"
    "      item\r\n"
    "        Name = 'CustNo'\r\n"
    "        DataType = ftInteger\r\n"
    "      end\r\n"
    "      item\r\n"
    "        Name = 'Since'\r\n"
    "      end>\r\n"
    "  end\r\n"
    "end\r\n";

std::string Replace(std::string text, const std::string& from, const std::string& to) {
  const size_t at = text.find(from);
  if (at == std::string::npos) throw std::runtime_error("not found: " + from);
  return text.replace(at, from.size(), to);
}

TEST_F(FormSet, UnchangedFormsRenderAsRead) {
  TFormSet forms;
  EXPECT_EQ(forms.OpenText(kModule, "DataModule1.dfm").Render(), kModule);
  for (const char* name : kFormSamples) {
    TFormModule& module = forms.Open(FormSample(name));
    EXPECT_EQ(module.Render(), ReadBytes(FormSample(name))) << name;
    EXPECT_TRUE(module.Root()->IsDesigning());
  }
  EXPECT_EQ(forms.ModuleCount(), 1 + static_cast<int>(std::size(kFormSamples)));
}

TEST_F(FormSet, ChangedPropertiesChangeOnlyTheirLines) {
  TFormSet forms;
  TFormModule& module = forms.OpenText(kModule, "DataModule1.dfm");
  TComponent* root = module.Root();
  auto* master = As<TTestDataSet>(root->FindComponent(STR("Master")));
  auto* detail = As<TTestQuery>(root->FindComponent(STR("Detail")));
  master->Active = true;
  master->SQL()->Add(STR("where City = 'Paris'"));
  master->SetDesignInfo(48 | (24 << 16));
  As<TTestParam>(detail->Params()->Items(1))->DataType = 11;
  master->SetName(STR("Customers"));
  As<TTestField>(root->FindComponent(STR("MasterName")))->Size = 0;
  std::string expected = Replace(kModule, "Master: TTestDataSet\r\n",
                                 "Customers: TTestDataSet\r\n    Active = True\r\n");
  expected = Replace(expected, "      'from customer')\r\n",
                     "      'from customer'\r\n      'where City = ''Paris''')\r\n");
  expected = Replace(expected, "Top = 16", "Top = 24");
  expected = Replace(expected, "      Size = 30\r\n", "");
  expected = Replace(expected, "DataSet = Master", "DataSet = Customers");
  expected = Replace(expected, "        Name = 'Since'\r\n",
                     "        Name = 'Since'\r\n        DataType = ftDateTime\r\n");
  EXPECT_EQ(module.Render(), expected);
  // Rendering again changes nothing more.
  EXPECT_EQ(module.Render(), expected);
}

TEST_F(FormSet, ChangesAfterARenderAreWrittenToo) {
  // MasterName's block writes a default out and holds a property its class does not know, so
  // what it stores differs from its block; Master's does not.
  const std::string text = Replace(kModule, "      Size = 30\r\n", "      Size = 0\r\n");
  TFormSet forms;
  TFormModule& module = forms.OpenText(text, "DataModule1.dfm");
  auto* master = As<TTestDataSet>(module.Root()->FindComponent(STR("Master")));
  auto* field = As<TTestField>(module.Root()->FindComponent(STR("MasterName")));
  master->SetDesignInfo(48 | (20 << 16));
  field->FieldName = STR("Title");
  EXPECT_EQ(module.Render(), Replace(Replace(text, "Top = 16", "Top = 20"), "'Name'", "'Title'"));
  master->SetDesignInfo(48 | (16 << 16));
  field->FieldName = STR("Name");
  EXPECT_EQ(module.Render(), text);
  field->Size = 12;
  EXPECT_EQ(module.Render(), Replace(text, "Size = 0", "Size = 12"));
}

TEST_F(FormSet, BlocksInTheirOwnOrderChangeOnlyWhatChanged) {
  // The field's block lists Size before FieldName, its class the other way round.
  const std::string text = Replace(kModule, "      FieldName = 'Name'\r\n      Size = 30\r\n",
                                   "      Size = 30\r\n      FieldName = 'Name'\r\n");
  TFormSet forms;
  TFormModule& module = forms.OpenText(text, "DataModule1.dfm");
  EXPECT_EQ(module.Render(), text);
  auto* field = As<TTestField>(module.Root()->FindComponent(STR("MasterName")));
  field->Size = 40;
  EXPECT_EQ(module.Render(), Replace(text, "Size = 30", "Size = 40"));
  field->Size = 30;
  field->FieldName = STR("Title");
  EXPECT_EQ(module.Render(), Replace(text, "'Name'", "'Title'"));
  field->FieldName = STR("Name");
  EXPECT_EQ(module.Render(), text);
}

TEST_F(FormSet, NewMovedAndFreedComponents) {
  TFormSet forms;
  TFormModule& module = forms.OpenText(kModule, "DataModule1.dfm");
  TComponent* root = module.Root();
  auto* master = As<TTestDataSet>(root->FindComponent(STR("Master")));
  // A conversion: a new dataset takes the old one's fields, name and place.
  auto* converted = new TTestDataSet(root);
  converted->SQL()->Assign(master->SQL());
  converted->SetDesignInfo(master->DesignInfo());
  converted->BeforeOpen = TMethod{root, STR("MasterBeforeOpen")};
  As<TTestField>(root->FindComponent(STR("MasterName")))->SetDataSet(converted);
  delete master;
  converted->SetName(STR("Master"));
  As<TTestDataSource>(root->FindComponent(STR("MasterSource")))->SetDataSet(converted);
  std::string expected = kModule;
  const size_t from = expected.find("  object Master: TTestDataSet");
  const size_t to = expected.find("  object MasterSource");
  expected.erase(from, to - from);
  expected = Replace(expected, "  end\r\nend\r\n",
                     "  end\r\n"
                     "  object Master: TTestDataSet\r\n"
                     "    SQL.Strings = (\r\n"
                     "      'select *'\r\n"
                     "      'from customer')\r\n"
                     "    BeforeOpen = MasterBeforeOpen\r\n"
                     "    Left = 48\r\n"
                     "    Top = 16\r\n"
                     "    object MasterName: TTestField\r\n"
                     "      FieldName = 'Name'\r\n"
                     "      Size = 30\r\n"
                     "      Origin = 'CUSTOMER.Name'\r\n"
                     "    end\r\n"
                     "  end\r\n"
                     "end\r\n");
  EXPECT_EQ(module.Render(), expected);
}

TEST_F(FormSet, MovedBlocksKeepTheirTextAtTheirNewDepth) {
  TFormSet forms;
  TFormModule& module = forms.OpenText(
      "object F: TF\n"
      "  object A: TTestControl\n"
      "    object B: TTestControl\n"
      "      Caption = \n"
      "        'a caption long enough to need a second segment of the string, o' +\n"
      "        'k?'\n"
      "      Unknown = (\n"
      "        1)\n"
      "    end\n"
      "  end\n"
      "end\n",
      "F.dfm");
  TComponent* root = module.Root();
  As<TTestControl>(root->FindComponent(STR("B")))->Parent = root;
  EXPECT_EQ(module.Render(),
            "object F: TF\n"
            "  object A: TTestControl\n"
            "  end\n"
            "  object B: TTestControl\n"
            "    Caption = \n"
            "      'a caption long enough to need a second segment of the string, o' +\n"
            "      'k?'\n"
            "    Unknown = (\n"
            "      1)\n"
            "  end\n"
            "end\n");
}

TEST_F(FormSet, ReferencesAcrossForms) {
  const std::string orders =
      "object OrderForm: TOrderForm\n"
      "  object Items: TTestDataSet\n"
      "    object ItemsPart: TTestField\n"
      "      LookupDataSet = DataModule1.Master\n"
      "      Lookup = True\n"
      "    end\n"
      "  end\n"
      "  object Source: TTestDataSource\n"
      "    DataSet = DataModule1.Detail\n"
      "  end\n"
      "end\n";
  TFormSet forms;
  TFormModule& form = forms.OpenText(orders, "OrderForm.dfm");
  auto* part = As<TTestField>(form.Root()->FindComponent(STR("ItemsPart")));
  auto* source = As<TTestDataSource>(form.Root()->FindComponent(STR("Source")));
  EXPECT_EQ(part->LookupDataSet(), nullptr);
  TFormModule& data = forms.OpenText(kModule, "DataModule1.dfm");
  auto* master = As<TTestDataSet>(data.Root()->FindComponent(STR("Master")));
  EXPECT_EQ(part->LookupDataSet(), master);
  EXPECT_EQ(source->DataSet(), data.Root()->FindComponent(STR("Detail")));
  EXPECT_EQ(form.Render(), orders);
  // A rename in one form shows in the other.
  master->SetName(STR("Customers"));
  EXPECT_EQ(form.Render(), Replace(orders, "DataModule1.Master", "DataModule1.Customers"));
  // Closing the module clears the references; they are written as they were.
  forms.Close(data);
  EXPECT_EQ(part->LookupDataSet(), nullptr);
  EXPECT_EQ(form.Render(), Replace(orders, "DataModule1.Master", "DataModule1.Customers"));
  TFormModule& again =
      forms.OpenText(Replace(kModule, "object Master:", "object Customers:"), "DataModule1.dfm");
  EXPECT_EQ(part->LookupDataSet(), again.Root()->FindComponent(STR("Customers")));
}

// A module of many datasets, each with a field and a data source.
std::string ManyDatasets(int count, const std::function<std::string(int)>& name,
                         const std::function<bool(int)>& present) {
  std::string text = "object DataModule1: TDataModule1\r\n";
  for (int i = 0; i < count; ++i) {
    if (!present(i)) continue;
    const std::string n = std::to_string(i);
    text += "  object " + name(i) + ": TTestDataSet\r\n";
    text +=
        "    object Field" + n + ": TTestField\r\n      FieldName = 'F" + n + "'\r\n    end\r\n";
    text += "  end\r\n";
    text +=
        "  object Source" + n + ": TTestDataSource\r\n    DataSet = " + name(i) + "\r\n  end\r\n";
  }
  return text + "end\r\n";
}

TEST_F(FormSet, ManyComponentsFreedAndRenamedInAnyOrder) {
  const int count = 300;
  auto plain = [](int i) { return "Data" + std::to_string(i); };
  auto all = [](int) { return true; };
  TFormSet forms;
  TFormModule& module = forms.OpenText(ManyDatasets(count, plain, all), "DataModule1.dfm");
  TComponent* root = module.Root();
  EXPECT_EQ(root->ComponentCount(), 3 * count);
  // Free the data sources of every third dataset (from the end, then from the start), rename
  // every seventh dataset, and render twice in between.
  auto freed = [](int i) { return i % 3 == 0; };
  for (int i = count - 1; i >= count / 2; --i) {
    if (freed(i)) delete root->FindComponent(STR("source") + IntToStr(i));
  }
  module.Render();
  for (int i = 0; i < count / 2; ++i) {
    if (freed(i)) delete root->FindComponent(STR("SOURCE") + IntToStr(i));
  }
  auto renamed = [&](int i) { return i % 7 == 0 ? "Renamed" + std::to_string(i) : plain(i); };
  for (int i = 0; i < count; i += 7)
    root->FindComponent(STR("data") + IntToStr(i))->SetName(FromUtf8(renamed(i)));
  std::string expected = ManyDatasets(count, renamed, all);
  for (int i = 0; i < count; ++i) {
    if (!freed(i)) continue;
    const std::string n = std::to_string(i);
    const std::string block = "  object Source" + n +
                              ": TTestDataSource\r\n    DataSet = " + renamed(i) + "\r\n  end\r\n";
    expected.erase(expected.find(block), block.size());
  }
  EXPECT_EQ(module.Render(), expected);
  EXPECT_EQ(root->ComponentCount(), 3 * count - count / 3);
}

TEST_F(FormSet, SaveWritesTheFileAtomically) {
  const auto folder = std::filesystem::temp_directory_path() / "ombrix_formset_save";
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder);
  const auto path = folder / "DataModule1.dfm";
  { std::ofstream(path, std::ios::binary) << kModule; }
  TFormSet forms;
  TFormModule& module = forms.Open(path);
  As<TTestDataSet>(module.Root()->FindComponent(STR("Master")))->Ratio = 0.25;
  module.Save();
  // Declared order puts Ratio before SQL.
  EXPECT_EQ(ReadBytes(path), Replace(kModule, "    SQL.Strings",
                                     "    Ratio = 0.250000000000000000\r\n    SQL.Strings"));
  std::filesystem::remove_all(folder);
}

TEST_F(FormSet, SaveChangedWritesThroughLinksSkipsUnchangedFormsAndIsAllOrNone) {
  namespace fs = std::filesystem;
  const auto folder = fs::temp_directory_path() / "ombrix_formset_changed";
  fs::remove_all(folder);
  fs::create_directories(folder / "real");
  const auto target = folder / "real" / "DataModule1.dfm";
  const auto link = folder / "DataModule1.dfm";
  const auto other = folder / "Other.dfm";
  { std::ofstream(target, std::ios::binary) << kModule; }
  { std::ofstream(other, std::ios::binary) << Replace(kModule, "DataModule1", "Other"); }
  fs::create_symlink("real/DataModule1.dfm", link);
  const auto otherTime = fs::last_write_time(other);
  const std::string changed =
      Replace(kModule, "    SQL.Strings", "    Ratio = 0.250000000000000000\r\n    SQL.Strings");

  {
    TFormSet forms;
    TFormModule& module = forms.Open(link);
    forms.Open(other);
    TFormModule& lost = forms.OpenText(kModule, folder / "missing" / "Lost.dfm");
    As<TTestDataSet>(module.Root()->FindComponent(STR("Master")))->Ratio = 0.25;
    As<TTestDataSet>(lost.Root()->FindComponent(STR("Master")))->Ratio = 0.5;
    // One form cannot be written: none is.
    EXPECT_THROW(forms.SaveChanged(), Exception);
    EXPECT_EQ(ReadBytes(target), kModule);

    forms.Close(lost);
    const std::vector<TFormModule*> written = forms.SaveChanged();
    ASSERT_EQ(written.size(), 1u);
    EXPECT_EQ(written[0], &module);
  }
  EXPECT_TRUE(fs::is_symlink(link));
  EXPECT_EQ(ReadBytes(target), changed);
  EXPECT_EQ(fs::last_write_time(other), otherTime);
  EXPECT_EQ(std::distance(fs::directory_iterator(folder / "real"), fs::directory_iterator()), 1);
  fs::remove_all(folder);
}

// Forms that refer to each other both ways, some of it resolved only when a later form opens.
TEST_F(FormSet, ReferencesWaitForTheirFormAndLetGoWhenTheSetCloses) {
  const std::string a =
      "object A: TDataModule1\n"
      "  object AData: TTestDataSet\n"
      "    object ALookup: TTestField\n"
      "      LookupDataSet = B.BData\n"
      "    end\n"
      "  end\n"
      "  object ASource: TTestDataSource\n"
      "    DataSet = C.CData\n"
      "  end\n"
      "end\n";
  const std::string b =
      "object B: TDataModule1\n"
      "  object BData: TTestDataSet\n"
      "    object BLookup: TTestField\n"
      "      LookupDataSet = C.CData\n"
      "    end\n"
      "  end\n"
      "  object BSource: TTestDataSource\n"
      "    DataSet = A.AData\n"
      "  end\n"
      "end\n";
  const std::string c =
      "object C: TDataModule1\n"
      "  object CData: TTestDataSet\n"
      "  end\n"
      "  object CQuery: TTestQuery\n"
      "    MasterSource = A.ASource\n"
      "  end\n"
      "  object CSource: TTestDataSource\n"
      "    DataSet = Missing.Data\n"
      "  end\n"
      "end\n";
  TTestDataSource outside(nullptr);
  {
    TFormSet forms;
    TFormModule& formA = forms.OpenText(a, "A.dfm");
    auto* aData = As<TTestDataSet>(formA.Root()->FindComponent(STR("AData")));
    auto* aLookup = As<TTestField>(formA.Root()->FindComponent(STR("ALookup")));
    auto* aSource = As<TTestDataSource>(formA.Root()->FindComponent(STR("ASource")));
    outside.SetDataSet(aData);
    TFormModule& formB = forms.OpenText(b, "B.dfm");
    auto* bData = formB.Root()->FindComponent(STR("BData"));
    EXPECT_EQ(aLookup->LookupDataSet(), bData);
    EXPECT_EQ(aSource->DataSet(), nullptr);
    EXPECT_EQ(As<TTestDataSource>(formB.Root()->FindComponent(STR("BSource")))->DataSet(), aData);
    // A form that fails to open takes no place among the forms references look into.
    EXPECT_THROW(forms.OpenText("object C: TDataModule1\n  object", "C.dfm"), EParserError);
    EXPECT_EQ(aSource->DataSet(), nullptr);
    TFormModule& formC = forms.OpenText(c, "C.dfm");
    auto* cData = formC.Root()->FindComponent(STR("CData"));
    EXPECT_EQ(aSource->DataSet(), cData);
    EXPECT_EQ(As<TTestField>(formB.Root()->FindComponent(STR("BLookup")))->LookupDataSet(), cData);
    EXPECT_EQ(As<TTestQuery>(formC.Root()->FindComponent(STR("CQuery")))->MasterSource(), aSource);
    EXPECT_EQ(As<TTestDataSource>(formC.Root()->FindComponent(STR("CSource")))->DataSet(), nullptr);
    EXPECT_EQ(formA.Render(), a);
    EXPECT_EQ(formB.Render(), b);
    EXPECT_EQ(formC.Render(), c);
    // The set frees its forms last first while the earlier ones still point into them.
  }
  EXPECT_EQ(outside.DataSet(), nullptr);
}

TEST_F(FormSet, FailedOpenLeavesTheSetUnchanged) {
  TFormSet forms;
  EXPECT_THROW(forms.OpenText("object A: TA\n  object B: TB\n", "A.dfm"), EParserError);
  EXPECT_THROW(forms.Open("/nonexistent/X.dfm"), EFormError);
  EXPECT_EQ(forms.ModuleCount(), 0);
}

}  // namespace
