#include "forms/Edit.h"

#include <algorithm>

#include "PropHelpers.h"

const TClassInfo& TCustomEdit::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TCustomEdit, TWinControl>(STR("TCustomEdit"))
          .Prop(STR("MaxLength"), &TCustomEdit::MaxLength, &TCustomEdit::SetMaxLength, nullptr, 0)
          .Prop(STR("ReadOnly"), &TCustomEdit::ReadOnly, &TCustomEdit::SetReadOnly, nullptr, 0)
          .OMBRIX_EVENT(TCustomEdit, OnChange, "TNotifyEvent")
          .Build();
  return info;
}

const TClassInfo& TEdit::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TEdit, TCustomEdit>(STR("TEdit"))
          .Creatable()
          .Prop(STR("AutoSelect"), &TEdit::AutoSelect, &TEdit::SetAutoSelect, nullptr, 1)
          // Form files write the character as a string ('*', or #0 for none).
          .Prop(
              STR("PasswordChar"),
              [](const TEdit* self) {
                return self->PasswordChar() == 0 ? String() : String(1, self->PasswordChar());
              },
              [](TEdit* self, const String& value) {
                self->SetPasswordChar(value.empty() ? 0 : value[0]);
              },
              &TypeInfoChar())
          .Prop(STR("Text"), &TEdit::Text, &TEdit::SetText)
          .Build();
  return info;
}

TCustomEdit::TCustomEdit(TComponent* owner) : TWinControl(owner) {
  SetTabStop(true);
  SetColor(clWindow);
}

void TCustomEdit::ClampSelection() {
  const int length = static_cast<int>(GetText().size());
  FSelStart = std::clamp(FSelStart, 0, length);
  FSelLength = std::clamp(FSelLength, 0, length - FSelStart);
}

void TCustomEdit::SetSelStart(int value) {
  FSelStart = value;
  FSelLength = 0;
  ClampSelection();
}

void TCustomEdit::SetSelLength(int value) {
  FSelLength = value;
  ClampSelection();
}

String TCustomEdit::SelText() const {
  return GetText().substr(static_cast<size_t>(FSelStart), static_cast<size_t>(FSelLength));
}

void TCustomEdit::SelectAll() {
  FSelStart = 0;
  FSelLength = static_cast<int>(GetText().size());
}

void TCustomEdit::SetSelText(StringView value) {
  ReplaceSelection(value);
}

void TCustomEdit::ReplaceSelection(StringView text) {
  String value = GetText();
  value.replace(static_cast<size_t>(FSelStart), static_cast<size_t>(FSelLength), text);
  FSelStart += static_cast<int>(text.size());
  FSelLength = 0;
  FModified = true;
  if (value == GetText()) return;
  StoreText(value);
  ClampSelection();
  Change();
  Invalidate();
}

void TCustomEdit::TextChanged() {
  ClampSelection();
  Change();
}

void TCustomEdit::DefaultKeyPress(Char key) {
  if (FReadOnly) return;
  if (key == VK_BACK) {
    if (FSelLength == 0 && FSelStart > 0) {
      --FSelStart;
      FSelLength = 1;
    }
    ReplaceSelection(StringView());
    return;
  }
  if (key < 32) return;
  const int length = static_cast<int>(GetText().size());
  if (FMaxLength > 0 && length - FSelLength >= FMaxLength) return;
  const Char typed[1] = {key};
  ReplaceSelection(StringView(typed, 1));
}

TEdit::TEdit(TComponent* owner) : TCustomEdit(owner) {
  SetBounds(0, 0, 121, 21);
}

String TEdit::DisplayText() const {
  if (FPasswordChar == 0) return GetText();
  return String(GetText().size(), FPasswordChar);
}
