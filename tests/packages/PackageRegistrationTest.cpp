// The build's packages loaded as a designer loads them: what each registers, in order, with and
// without a splash screen, and which editor the designer then picks for each property.
#include <gtest/gtest.h>

#include <tuple>

#include "RecordingSplash.h"
#include "ScriptedDriver.h"
#include "classes/FormLoader.h"
#include "designide/PackageLoader.h"
#include "designide/RegistryScope.h"
#include "designide/SplashScreen.h"
#include "forms/Resources.h"
#include "library/LibraryClasses.h"
#include "library/MySQLStoredProc.h"
#include "library/MySQLTable.h"

namespace {

bool IsOldest(const std::string& package) {
  return package == "dcl_OmbrixBCB6";
}

std::vector<std::string> Packages() {
  if (kWideStrings) return {"dcl_Ombrix18"};
  return {"dcl_Ombrix11", "dcl_Ombrix9", "dcl_OmbrixBCB6"};
}

std::unique_ptr<TPackage> Load(const std::string& name) {
  RegisterLibraryClasses();
  auto package = std::make_unique<TPackage>(std::string(OMBRIX_PACKAGE_DIR "/") + name + ".so");
  package->Register();
  return package;
}

std::vector<String> Names(const std::vector<const char*>& names) {
  std::vector<String> out;
  for (const char* n : names) out.push_back(FromUtf8(n));
  return out;
}

class PackageRegistration : public ::testing::TestWithParam<std::string> {
 protected:
  void TearDown() override { SetSplashScreenServices(nullptr); }
  TScriptedDriver FDriver;
};

TEST_P(PackageRegistration, InformationRecord) {
  auto package = Load(GetParam());
  const TPackageInfoTable& info = package->Info();
  EXPECT_EQ(info.Flags & pfDesignOnly, pfDesignOnly);
  EXPECT_STREQ(info.Description, "Ombrix");
  ASSERT_EQ(info.RequiresCount, 2);
  EXPECT_STREQ(info.Requires[0], "Ombrix18");
  std::vector<std::string> units(info.Units, info.Units + info.UnitCount);
  std::vector<std::string> expected{"Mysqlcomp", "Mysqlupdsqled", "Mysqlqueryedit", "Mysqlfldlinks",
                                    "Mysqlmigrator"};
  if (kWideStrings) expected.insert(expected.end(), {"Mysqlconnfrm", "Mysqlaboutfrm"});
  EXPECT_EQ(units, expected);
}

TEST_P(PackageRegistration, PaletteAndEditorsInOrder) {
  auto package = Load(GetParam());
  const bool oldest = IsOldest(GetParam());

  std::vector<String> classes;
  for (const TPaletteEntry& e : PackagePalette(package->Name())) {
    EXPECT_EQ(e.Page, kWideStrings ? String(STR("Ombrix\u2122")) : String(STR("Ombrix\x99")));
    classes.push_back(e.Class->Name);
  }
  EXPECT_EQ(classes,
            Names({"TmySQLDatabase", "TmySQLTable", "TmySQLQuery", "TmySQLStoredProc",
                   "TmySQLDirectQuery", "TmySQLUpdateSQL", "TMySQLMacroQuery", "TBDE2Ombrix",
                   "TMySQLBatchExecute", "TMySQLMonitor", "TmySQLDump", "TMySQLTools"}));

  std::vector<std::pair<String, String>> componentEditors;
  for (const auto& r : PackageComponentEditors(package->Name())) {
    componentEditors.emplace_back(r.ComponentClass->Name, r.Editor->Name);
  }
  std::vector<std::pair<String, String>> expectedComponentEditors{
      {STR("TmySQLDatabase"), STR("TMySQLDatabaseEditor")}};
  if (!oldest) expectedComponentEditors.push_back({STR("TmySQLQuery"), STR("TMySQLQueryEditor")});
  expectedComponentEditors.push_back({STR("TmySQLUpdateSQL"), STR("TMySQLUpdateSQLEditor")});
  EXPECT_EQ(componentEditors, expectedComponentEditors);

  using TRow = std::tuple<String, String, String, String>;
  std::vector<TRow> propertyEditors;
  for (const auto& r : PackagePropertyEditors(package->Name())) {
    propertyEditors.emplace_back(r.Type->Name(),
                                 r.ComponentClass ? r.ComponentClass->Name : String(), r.Name,
                                 r.Editor->Name);
  }
  std::vector<TRow> expected{
      {STR("TFileName"), STR("TmySQLTable"), STR("TableName"),
       STR("TmySQLTableNamePropertyEditor")},
      {STR("string"), STR("TmySQLTable"), STR("IndexName"), STR("TmySQLIndexNamePropertyEditor")},
      {STR("string"), STR("TmySQLTable"), STR("IndexFieldNames"),
       STR("TmySQLIndexFieldNamesPropertyEditor")},
      {STR("TDataSource"), STR("TmySQLTable"), STR("MasterSource"),
       STR("TmySQLDataSourcePropertyEditor")},
      {STR("string"), STR("TmySQLTable"), STR("MasterFields"), STR("TmySQLTableFieldLinkProperty")},
      {STR("TOmbrixAbout"), STR(""), STR(""), STR("TAboutProperty")},
      {STR("Boolean"), STR("TBDE2Ombrix"), STR("Execute"), STR("TMigrateExecutePropertyEditor")},
      {STR("string"), STR("TmySQLStoredProc"), STR("ProcedureName"),
       STR("TmySQLStoredProcNamePropertyEditor")},
      {STR("string"), STR("TmySQLDatabase"), STR("ConnectionCharacterSet"),
       STR("TmySQLDatabaseCharsetPropertyEditor")},
      {STR("string"), STR("TmySQLDatabase"), STR("ConnectionCollation"),
       STR("TmySQLDatabaseCollationPropertyEditor")}};
  if (!oldest) {
    expected.push_back(
        {STR("TParams"), STR("TmySQLStoredProc"), STR("Params"), STR("TMySQLSPParamsProperty")});
  }
  EXPECT_EQ(propertyEditors, expected);
}

// What the designer picks: the package's editor where it registered one, the host's otherwise.
TEST_P(PackageRegistration, TheDesignerFindsTheEditors) {
  auto package = Load(GetParam());
  const bool oldest = IsOldest(GetParam());
  auto editorFor = [](const TClassInfo& cls, const char* prop) {
    return FindPropertyEditorClass(cls, *GetPropInfo(cls, FromUtf8(prop))).Class->Name;
  };
  const TClassInfo& table = TmySQLTable::StaticClass();
  EXPECT_EQ(editorFor(table, "TableName"), STR("TmySQLTableNamePropertyEditor"));
  EXPECT_EQ(editorFor(table, "MasterSource"), STR("TmySQLDataSourcePropertyEditor"));
  EXPECT_EQ(editorFor(table, "MasterFields"), STR("TmySQLTableFieldLinkProperty"));
  EXPECT_EQ(editorFor(*GetClass(STR("TBDE2Ombrix")), "Execute"),
            STR("TMigrateExecutePropertyEditor"));
  EXPECT_EQ(editorFor(TmySQLDatabase::StaticClass(), "DatabaseName"), STR("TStringProperty"));
  EXPECT_EQ(editorFor(TmySQLStoredProc::StaticClass(), "Params"),
            oldest ? STR("TCollectionProperty") : STR("TMySQLSPParamsProperty"));
  // The About pseudo-property of every palette class, whatever class it is on.
  for (const TPaletteEntry& e : PackagePalette(package->Name())) {
    EXPECT_EQ(editorFor(*e.Class, "About"), STR("TAboutProperty")) << ToUtf8(e.Class->Name);
  }
  EXPECT_EQ(FindComponentEditorClass(*GetClass(STR("TmySQLQuery"))).Class->Name,
            oldest ? STR("TComponentEditor") : STR("TMySQLQueryEditor"));
  EXPECT_EQ(FindComponentEditorClass(table).Class->Name, STR("TComponentEditor"));
}

TEST_P(PackageRegistration, SplashEntryOnlyWhereTheDesignerHasASplashScreen) {
  TRecordingSplash splash;
  SetSplashScreenServices(&splash);
  {
    auto package = Load(GetParam());
    if (IsOldest(GetParam())) {
      // The oldest generation has no splash step at all, even in a designer that offers one.
      EXPECT_TRUE(splash.Captions.empty());
      EXPECT_EQ(DemandLoadState(package->Name()), dlDefault);
    } else {
      ASSERT_EQ(splash.Captions, (std::vector<String>{STR("Ombrix Component Suite 3.0.5")}));
      ASSERT_NE(splash.Bitmaps[0], nullptr);
      EXPECT_EQ(splash.Bitmaps[0]->Width(), 24);
      EXPECT_EQ(splash.Bitmaps[0]->Height(), 24);
      EXPECT_EQ(splash.Bitmaps[0]->BitsPerPixel(), 24);
      EXPECT_EQ(DemandLoadState(package->Name()), dlDisable);
    }
  }
  SetSplashScreenServices(nullptr);
  auto package = Load(GetParam());
  EXPECT_EQ(splash.Captions.size(), IsOldest(GetParam()) ? 0u : 1u);  // nothing new
  EXPECT_EQ(DemandLoadState(package->Name()), dlDefault);
  EXPECT_EQ(PackagePalette(package->Name()).size(), 12u);
  EXPECT_EQ(PackagePropertyEditors(package->Name()).size(), IsOldest(GetParam()) ? 10u : 11u);
}

TEST_P(PackageRegistration, PalettePicturesAreResourcesOfThePackage) {
  auto package = Load(GetParam());
  const TPackageResourceTable& resources = package->Resources();
  for (const char* name :
       {"TMYSQLDATABASE", "TMYSQLTABLE", "TMYSQLQUERY", "TMYSQLSTOREDPROC", "TMYSQLDIRECTQUERY",
        "TMYSQLUPDATESQL", "TMYSQLMACROQUERY", "TBDE2OMBRIX", "TMYSQLBATCHEXECUTE", "TMYSQLMONITOR",
        "TMYSQLDUMP", "TMYSQLTOOLS"}) {
    auto bitmap = LoadBitmapResource(resources, FromUtf8(name));
    ASSERT_NE(bitmap, nullptr) << name;
    EXPECT_EQ(bitmap->Width(), 24) << name;
    EXPECT_EQ(bitmap->Height(), 24) << name;
    EXPECT_EQ(bitmap->BitsPerPixel(), 8) << name;
  }
  EXPECT_EQ(LoadBitmapResource(resources, STR("logo"))->BitsPerPixel(), 24);
  EXPECT_EQ(LoadBitmapResource(resources, STR("TMYSQLNOTHING")), nullptr);
}

// Unloading takes the package's registrations back, but the library's classes stay: forms
// holding them still load.
TEST_P(PackageRegistration, UnloadingKeepsTheLibrarysClasses) {
  Load(GetParam()).reset();
  EXPECT_NE(GetClass(STR("TmySQLTable")), nullptr);
  EXPECT_NE(GetClass(STR("TMySQLTools")), nullptr);
  EXPECT_EQ(FindComponentEditorClass(*GetClass(STR("TmySQLDatabase"))).Class->Name,
            STR("TComponentEditor"));
}

INSTANTIATE_TEST_SUITE_P(Build, PackageRegistration, ::testing::ValuesIn(Packages()),
                         [](const auto& info) { return info.param; });

}  // namespace
