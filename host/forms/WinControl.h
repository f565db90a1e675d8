#pragma once
// A control that holds other controls and can take the keyboard focus.
#include "forms/Control.h"

class TWinControl : public TControl {
  OMBRIX_CLASS(TWinControl)
  explicit TWinControl(TComponent* owner);
  ~TWinControl() override;

  int ControlCount() const { return static_cast<int>(FControls.size()); }
  // Raises EListError outside 0..ControlCount-1.
  TControl* Controls(int index) const;
  void InsertControl(TControl* control);
  void RemoveControl(TControl* control);
  bool ContainsControl(const TControl* control) const;

  // Position among the parent's windowed children for Tab; -1 without a parent.
  int TabOrder() const;
  void SetTabOrder(int value);
  bool TabStop() const { return FTabStop; }
  void SetTabStop(bool value) { FTabStop = value; }
  // The windowed children in tab order.
  const std::vector<TWinControl*>& TabList() const { return FTabList; }

  // Visible and enabled up to its form, and inside one.
  bool CanFocus() const;
  // Raises EInvalidOperation "Cannot focus a disabled or invisible window" when the control
  // cannot take the focus or its form is not shown.
  virtual void SetFocus();
  bool Focused() const;

  TMethod OnEnter;     // TNotifyEvent
  TMethod OnExit;      // TNotifyEvent
  TMethod OnKeyPress;  // TKeyPressEvent

  // Runs OnKeyPress; a handler may change the key or swallow it (set it to 0).
  virtual void KeyPress(Char& key);
  // What the control does with a key nobody swallowed (typing into edits).
  virtual void DefaultKeyPress(Char /*key*/) {}
  // Whether Enter or Escape go to the control instead of the default and cancel buttons.
  virtual bool WantsDialogKey(Char /*key*/) const { return false; }
  // Whether a mouse click gives this control the focus.
  virtual bool TakesFocusOnClick() const { return FTabStop; }
  void DoEnter() { FireNotify(OnEnter, this); }
  void DoExit() { FireNotify(OnExit, this); }

  // Lays out the aligned children and moves anchored ones after a size change.
  void Realign();
  // Paints every pending control in this tree (the idle step of a message loop).
  void UpdateAll();
  void SetBounds(int left, int top, int width, int height) override;

  void GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) const override;
  void Loaded() override;

 protected:
  void ParentChanged() override;
  // Moves the anchored children when the client area changed by dw, dh.
  void AnchorChildren(int dw, int dh);

 private:
  std::vector<TControl*> FControls;
  std::vector<TWinControl*> FTabList;
  bool FTabStop = false;
  int FPendingTabOrder = -1;  // read before the control had a parent
  bool FAligning = false;
};
