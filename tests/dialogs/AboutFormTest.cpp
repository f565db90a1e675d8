// The About box: its texts, and the links opened through the shell.
#include <gtest/gtest.h>

#include <ctime>

#include "ScriptedDriver.h"
#include "aboutfrm/AboutForm.h"
#include "aboutfrm/AboutText.h"
#include "comp/ComponentAbout.h"
#include "library/MySQLQuery.h"

namespace {

String LabelText(TCustomForm& form, const Char* name) {
  return form.Field<TLabel>(name)->Caption();
}

int ThisYear() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return local.tm_year + 1900;
}

TEST(AboutTextTest, RevisionMarkers) {
  EXPECT_EQ(RevisionNumber(STR("$Revision: 1109 $")), 1109);
  EXPECT_EQ(RevisionNumber(STR("$REVISION: 42 $")), 42);
  EXPECT_EQ(RevisionNumber(STR("$Revision: unknown $")), 0);
  EXPECT_EQ(RevisionNumber(STR("$Revision:  $")), 0);
  EXPECT_EQ(ProductRevision(), 1114);
  EXPECT_EQ(VersionLine(1114), STR("v.3.0.5 (r1114)"));
}

TEST(AboutTextTest, TheNoticeEndsWithTheGivenYear) {
  const String notice = CopyrightNotice(2030);
  EXPECT_TRUE(notice.ends_with(STR("-2030 Ombrix developers"))) << ToUtf8(notice);
}

class AboutFormTest : public ::testing::Test {
 protected:
  void SetUp() override { RegisterFormsClasses(); }
  TScriptedDriver driver;
};

TEST_F(AboutFormTest, ShowsTheComponentsClassAndVersion) {
  TmySQLQuery query(nullptr);
  const int owned = Application()->ComponentCount();
  driver.Expect(TScript(STR("TMySQLAboutComp"))
                    .Run([](TCustomForm& f) {
                      EXPECT_EQ(f.Caption(), STR("About..."));
                      EXPECT_EQ(f.ClientWidth(), 287);
                      EXPECT_EQ(f.ClientHeight(), 278);
                      EXPECT_EQ(LabelText(f, STR("Label1")), STR("TmySQLQuery"));
                      EXPECT_TRUE(f.Field<TLabel>(STR("Label1"))->Font()->HasStyle(fsBold));
                      EXPECT_EQ(LabelText(f, STR("VersionLabel")), STR("v.3.0.5 (r1114)"));
                      EXPECT_EQ(LabelText(f, STR("Label5")), STR("Ombrix(tm)"));
                      const String year = IntToStr(ThisYear());
                      EXPECT_TRUE(LabelText(f, STR("lCopyright")).find(STR("-") + year) !=
                                  String::npos);
                    })
                    .Click(STR("Button1")));
  ShowComponentAbout(query.ClassName());
  EXPECT_EQ(driver.PendingScripts(), 0u);
  EXPECT_EQ(Application()->ComponentCount(), owned);
}

TEST_F(AboutFormTest, TheLinksOpenPagesAndKeepTheBoxOpen) {
  driver.ShellResult = 2;  // no browser: nothing is reported
  driver.Expect(TScript(STR("TMySQLAboutComp"))
                    .Click(STR("Label3"))
                    .Click(STR("Label4"))
                    .Click(STR("Button1")));
  ShowComponentAbout(STR("TmySQLDatabase"));
  ASSERT_EQ(driver.ShellCalls().size(), 2u);
  const TShellRecord& support = driver.ShellCalls()[0];
  EXPECT_EQ(support.Operation, STR("Open"));
  EXPECT_EQ(support.File, kSupportPage);
  EXPECT_EQ(support.Parameters, String());
  EXPECT_EQ(support.Directory, String());
  EXPECT_EQ(support.ShowCommand, SW_SHOWNORMAL);
  EXPECT_EQ(driver.ShellCalls()[1].File, kProductPage);
  EXPECT_TRUE(driver.Messages().empty());
}

#if OMBRIX_WIDE_STRINGS
TEST_F(AboutFormTest, TheProductBoxNamesTheProduct) {
  driver.Expect(TScript(STR("TMySQLAboutComp"))
                    .Run([](TCustomForm& f) {
                      EXPECT_EQ(LabelText(f, STR("Label1")), STR("Ombrix"));
                      EXPECT_EQ(LabelText(f, STR("VersionLabel")), STR("v.3.0.5 (r1114)"));
                    })
                    .Key(VK_ESCAPE));
  OmbrixShowAbout();
  EXPECT_EQ(driver.Shown().back().Result, mrOk);
}
#endif

}  // namespace
