#include "forms/Bevel.h"

const TClassInfo& TBevel::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TBevel, TGraphicControl>(STR("TBevel"))
          .Creatable()
          .Prop(STR("Shape"), &TBevel::Shape, &TBevel::SetShape, &TypeInfoBevelShape(), 0)
          .Prop(STR("Style"), &TBevel::Style, &TBevel::SetStyle, &TypeInfoBevelStyle(), 0)
          .Build();
  return info;
}

TBevel::TBevel(TComponent* owner) : TGraphicControl(owner) {
  SetBounds(0, 0, 50, 50);
}
