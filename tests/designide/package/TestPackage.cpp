// A tiny design-time package for the loader tests: one palette class with a component editor
// and a property editor, a splash entry when the designer has a splash screen, and messages
// from Initialize and Finalize so that the test sees them run.
#include "designide/Package.h"
#include "designide/Registry.h"
#include "designide/SplashScreen.h"
#include "forms/Dialogs.h"
#include "forms/Resources.h"

namespace {

class TTestWidget : public TComponent {
  OMBRIX_CLASS(TTestWidget)
  explicit TTestWidget(TComponent* owner) : TComponent(owner) {}
};

const TClassInfo& TTestWidget::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TTestWidget, TComponent>(STR("TTestWidget")).Creatable().Build();
  return info;
}

class TTestWidgetEditor : public TComponentEditor {
  OMBRIX_CLASS(TTestWidgetEditor)
  int GetVerbCount() override { return 1; }
  String GetVerb(int) override { return STR("&Poke"); }
  void ExecuteVerb(int) override {
    Component()->SetName(STR("Poked"));
    GetDesigner()->Modified();
  }
};

const TClassInfo& TTestWidgetEditor::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TTestWidgetEditor, TComponentEditor>(STR("TTestWidgetEditor")).Build();
  return info;
}

class TWidgetNameProperty : public TStringProperty {
  OMBRIX_CLASS(TWidgetNameProperty)
  TPropertyAttributes GetAttributes() override { return Attributes({paValueList}); }
  void GetValues(const TGetStrProc& proc) override {
    proc(STR("Alpha"));
    proc(STR("Beta"));
  }
};

const TClassInfo& TWidgetNameProperty::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TWidgetNameProperty, TStringProperty>(STR("TWidgetNameProperty")).Build();
  return info;
}

}  // namespace

extern "C" {

void Initialize() {
  ShowMessage(STR("test package initialized"));
}

void Finalize() {
  ShowMessage(STR("test package finalized"));
}

const TPackageResourceTable* GetPackageResources() {
  static const TPackageResourceTable none{nullptr, 0};
  return &none;
}

const TPackageInfoTable* GetPackageInfoTable() {
  static const char* const required[] = {"ombrix_host"};
  static const char* const units[] = {"TestPackage"};
  static const TPackageInfoTable table{pfDesignOnly, "Test package", required, 1, units, 1};
  return &table;
}

void Register() __asm__("TestPackage.Register");
void Register() {
  if (ISplashScreenServices* splash = SplashScreenServices()) {
    ForceDemandLoadState(dlDisable);
    splash->AddPluginBitmap(STR("Test Suite 1.0"),
                            LoadBitmapResource(*GetPackageResources(), STR("LOGO")));
  }
  RegisterComponents(STR("Test"), {&TTestWidget::StaticClass()});
  RegisterComponentEditor(TTestWidget::StaticClass(), ComponentEditorClass<TTestWidgetEditor>());
  RegisterPropertyEditor(TypeInfoString(), &TTestWidget::StaticClass(), STR("Name"),
                         PropertyEditorClass<TWidgetNameProperty>());
}
}
