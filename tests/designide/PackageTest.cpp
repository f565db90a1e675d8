// Loading a built package: entry points, registrations that go with it, the splash screen.
#include <gtest/gtest.h>

#include "RecordingSplash.h"
#include "ScriptedDriver.h"
#include "designide/FormDesigner.h"
#include "designide/PackageLoader.h"
#include "designide/Registry.h"
#include "designide/RegistryScope.h"
#include "designide/SplashScreen.h"
#include "forms/Resources.h"

namespace {

std::vector<String> Texts(const TScriptedDriver& driver) {
  std::vector<String> texts;
  for (const auto& m : driver.Messages()) texts.push_back(m.Text);
  return texts;
}

TEST(Package, LoadRegisterAndUnload) {
  TScriptedDriver driver;
  TRecordingSplash splash;
  SetSplashScreenServices(&splash);
  EXPECT_EQ(LoadBitmapResource(STR("NO_SUCH_PICTURE")), nullptr);
  {
    TPackage package(TEST_PACKAGE);
    EXPECT_EQ(Texts(driver), (std::vector<String>{STR("test package initialized")}));
    EXPECT_EQ(package.Info().Flags & pfDesignOnly, pfDesignOnly);
    EXPECT_STREQ(package.Info().Description, "Test package");
    EXPECT_EQ(GetClass(STR("TTestWidget")), nullptr);  // nothing before Register
    package.Register();
    const TClassInfo* widgetClass = GetClass(STR("TTestWidget"));
    ASSERT_NE(widgetClass, nullptr);
    EXPECT_EQ(PaletteEntries().back().Page, STR("Test"));
    EXPECT_EQ(splash.Captions, (std::vector<String>{STR("Test Suite 1.0")}));
    EXPECT_EQ(splash.Bitmaps[0], nullptr);  // no LOGO resource: an empty handle
    EXPECT_EQ(DemandLoadState(package.Name()), dlDisable);

    // The package's editors work on a component of its class.
    TComponent root(nullptr);
    root.SetName(STR("Form1"));
    auto* widget = static_cast<TComponent*>(widgetClass->Create(&root));
    TFormDesigner designer(&root);
    auto verbs = GetComponentEditor(widget, &designer);
    ASSERT_EQ(verbs->GetVerbCount(), 1);
    EXPECT_EQ(verbs->GetVerb(0), STR("&Poke"));
    verbs->Edit();
    EXPECT_EQ(widget->Name(), STR("Poked"));
    EXPECT_EQ(designer.ModifiedCount(), 1);
    auto names = GetPropertyEditor(&designer, {widget}, STR("Name"));
    names->Edit();
    EXPECT_EQ(widget->Name(), STR("Alpha"));
    verbs.reset();
    names.reset();
    delete widget;
  }
  // Unloading took the registrations back and ran Finalize.
  EXPECT_EQ(GetClass(STR("TTestWidget")), nullptr);
  EXPECT_EQ(Texts(driver).back(), STR("test package finalized"));
  SetSplashScreenServices(nullptr);
}

TEST(Package, WithoutASplashScreenTheOtherRegistrationsStillHappen) {
  TScriptedDriver driver;
  TPackage package(TEST_PACKAGE);
  package.Register();
  EXPECT_NE(GetClass(STR("TTestWidget")), nullptr);
  EXPECT_EQ(DemandLoadState(package.Name()), dlDefault);
}

TEST(Package, MissingFilesAndEntryPointsAreErrors) {
  try {
    TPackage package("/nonexistent/dcl_nothing.so");
    FAIL() << "a missing package loaded";
  } catch (const EPackageError& error) {
    EXPECT_NE(error.Message().find(STR("/nonexistent/dcl_nothing.so")), String::npos);
  }
  // A shared object that is no package: the C library has none of the entry points.
  EXPECT_THROW(TPackage("libm.so.6"), EPackageError);
}

}  // namespace
