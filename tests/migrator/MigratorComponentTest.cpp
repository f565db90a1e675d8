#include "MigratorFixture.h"
#include "classes/Streams.h"

namespace {

TEST_F(MigratorTest, PublishesItsSettingsInOrderWithTheirDefaults) {
  const auto props = TBDE2Ombrix::StaticClass().Props;
  std::vector<String> names;
  for (const TPropInfo& p : props) names.push_back(p.Name);
  EXPECT_EQ(names, (std::vector<String>{S("About"), S("Database"), S("Execute"),
                                        S("ConvertComponents"), S("DeleteSourceComponents")}));
  TBDE2Ombrix m(nullptr);
  EXPECT_EQ(GetOrdProp(&m, S("ConvertComponents")), 15);
  EXPECT_EQ(GetOrdProp(&m, S("DeleteSourceComponents")), 1);
  EXPECT_EQ(GetOrdProp(&m, S("Execute")), 0);
  EXPECT_EQ(GetPropInfo(&m, S("Execute"))->PropType, &TypeInfoBoolean());
  EXPECT_EQ(GetPropInfo(&m, S("About"))->PropType->Name(), S("TOmbrixAbout"));
  EXPECT_EQ(GetPropInfo(&m, S("ConvertComponents"))->PropType->EnumNames,
            (std::vector<String>{S("convBDE"), S("convADO"), S("convDBX"), S("convZeos")}));
}

TEST_F(MigratorTest, AFormHoldsAndWritesAMigrator) {
  const std::string text =
      "object Main: TForm1\n"
      "  object Database1: TmySQLDatabase\n"
      "  end\n"
      "  object Database2: TmySQLDatabase\n"
      "  end\n"
      "  object BDE2Ombrix1: TBDE2Ombrix\n"
      "    Database = Database1\n"
      "    Execute = False\n"
      "    ConvertComponents = [convBDE, convZeos]\n"
      "    DeleteSourceComponents = False\n"
      "  end\n"
      "end\n";
  TFormModule& module = Open(text, "Main.dfm");
  auto* m = Get<TBDE2Ombrix>("Main", "BDE2Ombrix1");
  EXPECT_EQ(m->GetDatabase(), Find("Main", "Database1"));
  EXPECT_EQ(m->ConvertComponents(),
            SetBit(TConvertComponent::convBDE) | SetBit(TConvertComponent::convZeos));
  EXPECT_FALSE(m->DeleteSourceComponents());
  EXPECT_EQ(module.Render(), text);

  // A new migrator writes every setting but the About button and a default.
  auto* dropped = new TBDE2Ombrix(module.Root());
  dropped->SetName(STR("BDE2Ombrix2"));
  EXPECT_NE(module.Render().find("  object BDE2Ombrix2: TBDE2Ombrix\n"
                                 "    Database = Database2\n"
                                 "    Execute = False\n"
                                 "    ConvertComponents = [convBDE, convADO, convDBX, convZeos]\n"
                                 "  end\n"),
            std::string::npos)
      << module.Render();
}

TEST_F(MigratorTest, ADroppedMigratorTakesTheFormsLastConnectionElseTheLastOfAll) {
  Open(
      "object A: TForm1\n"
      "  object Database1: TmySQLDatabase\n  end\n"
      "  object Database2: TmySQLDatabase\n  end\n"
      "end\n",
      "A.dfm");
  Open(
      "object B: TForm2\n"
      "  object Database3: TmySQLDatabase\n  end\n"
      "end\n",
      "B.dfm");
  Open("object C: TForm3\nend\n", "C.dfm");
  auto* onA = new TBDE2Ombrix(RootOf("A"));
  EXPECT_EQ(onA->GetDatabase(), Find("A", "Database2"));
  auto* onC = new TBDE2Ombrix(RootOf("C"));
  EXPECT_EQ(onC->GetDatabase(), Find("B", "Database3"));
  TComponent plain(nullptr);  // outside the designer
  auto* outside = new TBDE2Ombrix(&plain);
  EXPECT_EQ(outside->GetDatabase(), nullptr);

  // Freeing the connection clears the reference; the one it replaced is not told.
  onA->SetDatabase(As<TmySQLDatabase>(Find("A", "Database1")));
  delete Find("A", "Database2");
  EXPECT_EQ(onA->GetDatabase(), Find("A", "Database1"));
  delete Find("A", "Database1");
  EXPECT_EQ(onA->GetDatabase(), nullptr);
}

}  // namespace
