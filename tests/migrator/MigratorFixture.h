#pragma once
// Forms opened together in a designer with module services, a migrator on one of them, and
// the scripted driver catching the run's message box and cursor changes.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ScriptedDriver.h"
#include "classes/FormSet.h"
#include "designide/FormSetServices.h"
#include "foreign/ForeignClasses.h"
#include "library/LibraryClasses.h"
#include "library/MySQLDatabase.h"
#include "migrator/BDE2Ombrix.h"

class MigratorTest : public ::testing::Test {
 protected:
  MigratorTest() {
    RegisterForeignClasses();
    RegisterLibraryClasses();
    RegisterClass(TBDE2Ombrix::StaticClass());
    SetBorlandIDEServices(&services);
  }
  ~MigratorTest() override { SetBorlandIDEServices(nullptr); }

  TFormModule& Open(const std::string& text, const char* file) {
    TFormModule& module = forms.OpenText(text, file);
    originals.push_back(text);
    return module;
  }
  // A migrator dropped on the first form, bound to the first connection of that name.
  TBDE2Ombrix& Migrator(const char* connection = "Database1") {
    auto* migrator = new TBDE2Ombrix(forms.Modules(0).Root());
    migrator->SetDatabase(nullptr);
    for (int i = 0; i < forms.ModuleCount() && migrator->GetDatabase() == nullptr; ++i) {
      migrator->SetDatabase(
          As<TmySQLDatabase>(forms.Modules(i).Root()->FindComponent(S(connection))));
    }
    return *migrator;
  }
  // A component by "Form.Name" path, or null.
  TComponent* Find(const char* form, const char* name) const {
    for (int i = 0; i < forms.ModuleCount(); ++i) {
      TComponent* root = forms.Modules(i).Root();
      if (SameText(root->Name(), S(form))) return root->FindComponent(S(name));
    }
    return nullptr;
  }
  template <class T>
  T* Get(const char* form, const char* name) const {
    TComponent* c = Find(form, name);
    EXPECT_NE(c, nullptr) << form << "." << name;
    return As<T>(c);
  }
  // Names of a root's components in its order.
  std::vector<String> Names(const char* form) const {
    std::vector<String> names;
    TComponent* root = RootOf(form);
    for (int i = 0; root != nullptr && i < root->ComponentCount(); ++i) {
      names.push_back(root->Components(i)->Name());
    }
    return names;
  }
  TComponent* RootOf(const char* form) const {
    for (int i = 0; i < forms.ModuleCount(); ++i) {
      if (SameText(forms.Modules(i).Root()->Name(), S(form))) return forms.Modules(i).Root();
    }
    return nullptr;
  }
  // Every form renders as it was read.
  void ExpectFormsUnchanged() {
    for (int i = 0; i < forms.ModuleCount(); ++i) {
      EXPECT_EQ(forms.Modules(i).Render(), originals[static_cast<size_t>(i)])
          << forms.Modules(i).FileName();
    }
  }
  static String S(const char* text) {
    return String(text, text + std::char_traits<char>::length(text));
  }

  TFormSet forms;
  TFormSetServices services{forms};
  TScriptedDriver driver;
  std::vector<std::string> originals;
};

// An update object of a class the migrator does not convert.
inline const TClassInfo& OtherUpdateObjectClass() {
  static const TClassInfo info = [] {
    TClassInfo cls;
    cls.Name = STR("TOtherUpdateSQL");
    cls.Parent = &ForeignUpdateObjectClass();
    cls.Create = [](TComponent* owner) -> TObject* {
      return new TForeignComponent(owner, OtherUpdateObjectClass());
    };
    return cls;
  }();
  return info;
}
