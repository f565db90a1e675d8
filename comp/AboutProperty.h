#pragma once
// The About pseudo-property of every library component: a button that shows the About box
// for the component's class.
#include "designide/PropertyEditor.h"

class TAboutProperty : public TPropertyEditor {
  OMBRIX_CLASS(TAboutProperty)
  void Edit() override;
  TPropertyAttributes GetAttributes() override;
  String GetValue() override;
};
