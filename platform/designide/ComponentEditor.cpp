#include "designide/ComponentEditor.h"

const TClassInfo& TComponentEditor::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TComponentEditor, TObject>(STR("TComponentEditor")).Build();
  return info;
}

const TClassInfo& TDSDesigner::StaticClass() {
  static const TClassInfo info = TClassBuilder<TDSDesigner, TObject>(STR("TDSDesigner")).Build();
  return info;
}

void TComponentEditor::Initialize(TComponent* component, IDesigner* designer) {
  FComponent = component;
  FDesigner = designer;
}

int TComponentEditor::GetVerbCount() {
  return 0;
}

String TComponentEditor::GetVerb(int) {
  return String();
}

void TComponentEditor::ExecuteVerb(int) {}

void TComponentEditor::Edit() {
  if (GetVerbCount() > 0) ExecuteVerb(0);
}
