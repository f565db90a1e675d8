#include <gtest/gtest.h>

#include "FormTestClasses.h"
#include "classes/FormSet.h"
#include "classes/FormText.h"

namespace {

class UnicodeNames : public ::testing::Test {
 protected:
  void SetUp() override { RegisterFormTestClasses(); }
};

// Names in Cyrillic, Greek and accented Latin, referred to by a data source, a master source,
// a collection item and a lookup field.
const std::string kModule =
    "object ДанныеМодуль: TDataModule1\r\n"
    "  object ADOTable3Клиент: TTestDataSet\r\n"
    "    object ADOTable3КлиентИмя: TTestField\r\n"
    "      FieldName = 'Имя'\r\n"
    "    end\r\n"
    "  end\r\n"
    "  object ΠηγήΠελατών: TTestDataSource\r\n"
    "    DataSet = ADOTable3Клиент\r\n"
    "  end\r\n"
    "  object CommandesÉté: TTestQuery\r\n"
    "    MasterSource = ΠηγήΠελατών\r\n"
    "    Params = <\r\n"
    "      item\r\n"
    "        Name = 'Numéro'\r\n"
    "        Source = ADOTable3Клиент\r\n"
    "      end>\r\n"
    "    object CommandesÉtéClient: TTestField\r\n"
    "      LookupDataSet = ADOTable3Клиент\r\n"
    "      Lookup = True\r\n"
    "    end\r\n"
    "  end\r\n"
    "end\r\n";

std::string ReplaceAll(std::string text, const std::string& from, const std::string& to) {
  for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
    text.replace(at, from.size(), to);
  return text;
}

TEST_F(UnicodeNames, ReadKeptAndFoundByName) {
  TFormSet forms;
  TFormModule& module = forms.OpenText(kModule, "Данные.dfm");
  EXPECT_EQ(module.Render(), kModule);
  EXPECT_TRUE(module.Warnings().empty());
  TComponent* root = module.Root();
  EXPECT_EQ(root->Name(), FromUtf8("ДанныеМодуль"));
  auto* table = As<TTestDataSet>(root->FindComponent(FromUtf8("ADOTable3Клиент")));
  ASSERT_NE(table, nullptr);
  // Only ASCII letters fold case.
  EXPECT_EQ(root->FindComponent(FromUtf8("adotable3Клиент")), table);
  EXPECT_EQ(root->FindComponent(FromUtf8("ADOTable3КЛИЕНТ")), nullptr);
  auto* source = As<TTestDataSource>(root->FindComponent(FromUtf8("ΠηγήΠελατών")));
  auto* query = As<TTestQuery>(root->FindComponent(FromUtf8("CommandesÉté")));
  EXPECT_EQ(source->DataSet(), table);
  EXPECT_EQ(query->MasterSource(), source);
  EXPECT_EQ(As<TTestParam>(query->Params()->Items(0))->Source, table);
  auto* lookup = As<TTestField>(root->FindComponent(FromUtf8("CommandesÉtéClient")));
  EXPECT_EQ(lookup->LookupDataSet(), table);
  EXPECT_EQ(lookup->DataSet(), query);
  EXPECT_EQ(module.Document().Root->FindChild(FromUtf8("commandesÉté"))->ClassName,
            STR("TTestQuery"));
}

TEST_F(UnicodeNames, RenamedAndNewComponentsWriteTheirNames) {
  TFormSet forms;
  TFormModule& module = forms.OpenText(kModule, "Данные.dfm");
  TComponent* root = module.Root();
  auto* table = As<TTestDataSet>(root->FindComponent(FromUtf8("ADOTable3Клиент")));
  table->SetName(FromUtf8("Κατάλογος"));
  auto* overview = new TTestDataSource(root);
  overview->SetName(FromUtf8("ÜbersichtQuelle"));
  overview->SetDataSet(table);
  std::string expected = ReplaceAll(kModule, "ADOTable3Клиент: ", "Κατάλογος: ");
  expected = ReplaceAll(expected, "= ADOTable3Клиент\r\n", "= Κατάλογος\r\n");
  expected.insert(expected.size() - 5,
                  "  object ÜbersichtQuelle: TTestDataSource\r\n"
                  "    DataSet = Κατάλογος\r\n"
                  "  end\r\n");
  EXPECT_EQ(module.Render(), expected);
  // Read again, the new names resolve.
  TFormSet again;
  TComponent* reread = again.OpenText(expected, "Данные.dfm").Root();
  auto* source = As<TTestDataSource>(reread->FindComponent(FromUtf8("ÜBERSICHTquelle")));
  ASSERT_NE(source, nullptr);
  EXPECT_EQ(source->DataSet(), reread->FindComponent(FromUtf8("Κατάλογος")));
}

TEST_F(UnicodeNames, WindowsCodePageFileKeepsItsEncoding) {
  // "é" is byte 0xE9 here, not UTF-8.
  const std::string bytes =
      "object Donn\xE9\x65s: TDataModule1\r\n"
      "  object Tabl\xE9: TTestDataSet\r\n"
      "  end\r\n"
      "  object Source: TTestDataSource\r\n"
      "    DataSet = Tabl\xE9\r\n"
      "  end\r\n"
      "end\r\n";
  TFormSet forms;
  TFormModule& module = forms.OpenText(bytes, "Donnees.dfm");
  EXPECT_EQ(module.Render(), bytes);
  TComponent* root = module.Root();
  EXPECT_EQ(root->Name(), FromUtf8("Données"));
  auto* table = As<TTestDataSet>(root->FindComponent(FromUtf8("Tablé")));
  ASSERT_NE(table, nullptr);
  EXPECT_EQ(As<TTestDataSource>(root->FindComponent(STR("Source")))->DataSet(), table);

  table->SetName(FromUtf8("Größe"));
  EXPECT_EQ(module.Render(), ReplaceAll(bytes, "Tabl\xE9", "Gr\xF6\xDF\x65"));
  // A name the code page cannot hold is refused before anything is written.
  table->SetName(FromUtf8("Клиент"));
  try {
    module.Render();
    FAIL() << "rendered a Cyrillic name into a Windows-1252 file";
  } catch (const EFormError& e) {
    EXPECT_EQ(e.Describe(),
              FromUtf8("Donnees.dfm: The name Клиент has letters that a Windows-1252 file cannot "
                       "hold"));
  }
}

}  // namespace
