#pragma once
#include "forms/WinControl.h"

// Single- and multi-line text boxes: text, selection, the modified mark and typing.
class TCustomEdit : public TWinControl {
  OMBRIX_CLASS(TCustomEdit)
  explicit TCustomEdit(TComponent* owner);

  String Text() const { return GetText(); }
  // The caret is at SelStart + SelLength; offsets count characters of Text.
  int SelStart() const { return FSelStart; }
  void SetSelStart(int value);
  int SelLength() const { return FSelLength; }
  void SetSelLength(int value);
  String SelText() const;
  // Replaces the selection, as typing or pasting would (marks the text modified).
  void SetSelText(StringView value);
  // The select-all request of edit controls: selects from offset 0 to the end.
  void SelectAll();
  bool Modified() const { return FModified; }
  void SetModified(bool value) { FModified = value; }
  bool ReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool value) { FReadOnly = value; }
  int MaxLength() const { return FMaxLength; }
  void SetMaxLength(int value) { FMaxLength = value; }

  TMethod OnChange;  // TNotifyEvent: every change of the text, typed or set

  // Printable characters replace the selection, Backspace deletes; the rest is ignored
  // (a multi-line box also takes Enter).
  void DefaultKeyPress(Char key) override;

 protected:
  void TextChanged() override;
  void Change() { FireNotify(OnChange, this); }
  void ClampSelection();

 private:
  // Puts text in place of the selection and leaves the caret after it.
  void ReplaceSelection(StringView text);

  int FSelStart = 0;
  int FSelLength = 0;
  bool FModified = false;
  bool FReadOnly = false;
  int FMaxLength = 0;
};

class TEdit : public TCustomEdit {
  OMBRIX_CLASS(TEdit)
  explicit TEdit(TComponent* owner);

  // Shown in place of every character when not 0.
  Char PasswordChar() const { return FPasswordChar; }
  void SetPasswordChar(Char value) { FPasswordChar = value; }
  // What the box shows.
  String DisplayText() const;
  bool AutoSelect() const { return FAutoSelect; }
  void SetAutoSelect(bool value) { FAutoSelect = value; }

 private:
  Char FPasswordChar = 0;
  bool FAutoSelect = true;
};
