#include "forms/Panel.h"

const TClassInfo& TPanel::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TPanel, TWinControl>(STR("TPanel"))
          .Creatable()
          .Prop(STR("Alignment"), &TPanel::Alignment, &TPanel::SetAlignment, &TypeInfoAlignment(),
                static_cast<int64_t>(TAlignment::taCenter))
          .Prop(STR("BevelInner"), &TPanel::BevelInner, &TPanel::SetBevelInner, &TypeInfoBevelCut(),
                static_cast<int64_t>(TBevelCut::bvNone))
          .Prop(STR("BevelOuter"), &TPanel::BevelOuter, &TPanel::SetBevelOuter, &TypeInfoBevelCut(),
                static_cast<int64_t>(TBevelCut::bvRaised))
          .Prop(STR("BevelWidth"), &TPanel::BevelWidth, &TPanel::SetBevelWidth, nullptr, 1)
          .Prop(STR("BorderStyle"), &TPanel::BorderStyle, &TPanel::SetBorderStyle,
                &TypeInfoBorderStyle(), 0)
          .Prop(STR("BorderWidth"), &TPanel::BorderWidth, &TPanel::SetBorderWidth, nullptr, 0)
          .Prop(STR("FullRepaint"), &TPanel::FullRepaint, &TPanel::SetFullRepaint, nullptr, 1)
          .Build();
  return info;
}

TPanel::TPanel(TComponent* owner) : TWinControl(owner) {
  SetBounds(0, 0, 185, 41);
}
