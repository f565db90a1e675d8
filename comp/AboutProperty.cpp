#include "comp/AboutProperty.h"

#include "comp/ComponentAbout.h"

const TClassInfo& TAboutProperty::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TAboutProperty, TPropertyEditor>(STR("TAboutProperty")).Build();
  return info;
}

void TAboutProperty::Edit() {
  ShowComponentAbout(GetComponent(0)->ClassName());
}

TPropertyAttributes TAboutProperty::GetAttributes() {
  return Attributes({paDialog, paReadOnly});
}

String TAboutProperty::GetValue() {
  return STR("About...");
}
