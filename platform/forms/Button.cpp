#include "forms/Button.h"

#include "forms/Form.h"

const TClassInfo& TButton::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TButton, TWinControl>(STR("TButton"))
          .Creatable()
          .Prop(STR("Cancel"), &TButton::Cancel, &TButton::SetCancel, nullptr, 0)
          .Prop(STR("Default"), &TButton::Default, &TButton::SetDefault, nullptr, 0)
          .Prop(STR("ModalResult"), &TButton::ModalResult, &TButton::SetModalResult,
                &TypeInfoModalResult(), 0)
          .Build();
  return info;
}

TButton::TButton(TComponent* owner) : TWinControl(owner) {
  SetTabStop(true);
  SetBounds(0, 0, 75, 25);
}

// The modal result goes to the form before the handler runs, so a handler can take it back.
void TButton::Click() {
  if (TCustomForm* form = GetParentForm(this)) form->SetModalResult(FModalResult);
  TWinControl::Click();
}
