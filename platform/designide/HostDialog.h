#pragma once
// Building the host's own small dialogs in code: controls named, placed and bound to the
// dialog's handlers.
#include "forms/Forms.h"

template <class T>
T* AddControl(TForm* form, const Char* name, const String& caption, int left, int top, int width,
              int height) {
  auto* control = new T(form);
  control->SetName(name);
  control->SetParent(form);
  control->SetBounds(left, top, width, height);
  control->SetCaption(caption);
  return control;
}

inline TButton* AddButton(TForm* form, const Char* name, const String& caption, int top,
                          const Char* handler) {
  auto* button = AddControl<TButton>(form, name, caption, form->ClientWidth() - 83, top, 75, 25);
  if (handler != nullptr) button->OnClick = TMethod{form, handler};
  return button;
}
