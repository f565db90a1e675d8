#include "forms/GroupBox.h"

const TClassInfo& TCustomGroupBox::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TCustomGroupBox, TWinControl>(STR("TCustomGroupBox")).Build();
  return info;
}

const TClassInfo& TGroupBox::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TGroupBox, TCustomGroupBox>(STR("TGroupBox")).Creatable().Build();
  return info;
}

TCustomGroupBox::TCustomGroupBox(TComponent* owner) : TWinControl(owner) {
  SetBounds(0, 0, 185, 105);
}
