#pragma once
// Forms: the top-level windows that dialogs are. A dialog class derives from TForm, builds its
// controls from its layout, and is shown modally through the UI driver.
#include <filesystem>

#include "forms/WinControl.h"

class TCustomForm : public TWinControl {
  OMBRIX_CLASS(TCustomForm)
  explicit TCustomForm(TComponent* owner);
  ~TCustomForm() override;

  // The frame around the client area follows the border style.
  int ClientWidth() const override;
  int ClientHeight() const override;
  void SetClientWidth(int value) override;
  void SetClientHeight(int value) override;

  TFormBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TFormBorderStyle value);
  TBorderIcons BorderIcons() const { return FBorderIcons; }
  void SetBorderIcons(TBorderIcons value) { FBorderIcons = value; }
  TPosition Position() const { return FPosition; }
  void SetPosition(TPosition value) { FPosition = value; }
  bool KeyPreview() const { return FKeyPreview; }
  void SetKeyPreview(bool value) { FKeyPreview = value; }
  TModalResult ModalResult() const { return FModalResult; }
  void SetModalResult(TModalResult value) { FModalResult = value; }
  // Stored by form files; the headless forms do not scale.
  int PixelsPerInch() const { return FPixelsPerInch; }
  void SetPixelsPerInch(int value) { FPixelsPerInch = value; }
  int TextHeight() const { return FTextHeight; }
  void SetTextHeight(int value) { FTextHeight = value; }
  bool OldCreateOrder() const { return FOldCreateOrder; }
  void SetOldCreateOrder(bool value) { FOldCreateOrder = value; }
  bool Scaled() const { return FScaled; }
  void SetScaled(bool value) { FScaled = value; }

  // The control that has (or, while hidden, will get) the focus. Setting it raises
  // EInvalidOperation "Cannot focus a disabled or invisible window" for a control that is not
  // on this form or cannot take the focus (not while loading).
  TWinControl* ActiveControl() const { return FActiveControl; }
  void SetActiveControl(TWinControl* control);
  // Moves the focus: OnExit of the control that had it, then OnEnter of the new one.
  void FocusControl(TWinControl* control);
  // Drops the focus without events when the focused control (or one holding it) leaves.
  void ForgetControl(const TControl* control);
  // The controls that Tab visits, in tab order (TabStop set and able to take the focus).
  std::vector<TWinControl*> TabSequence() const;

  TMethod OnCreate;      // TNotifyEvent
  TMethod OnDestroy;     // TNotifyEvent
  TMethod OnShow;        // TNotifyEvent
  TMethod OnHide;        // TNotifyEvent
  TMethod OnClose;       // TCloseEvent
  TMethod OnCloseQuery;  // TCloseQueryEvent

  // Shows the form modally through the current UI driver and returns the modal result.
  // Raises EInvalidOperation "Cannot make a visible window modal" for a shown form.
  virtual TModalResult ShowModal();
  void Show();
  void Hide();
  // A modal form closes with mrCancel; another asks OnCloseQuery, runs OnClose and hides.
  void Close();
  // Runs OnCloseQuery; true when the form may close.
  virtual bool CloseQuery();
  bool IsModal() const { return FModal; }
  void SetVisible(bool value) override;

  // The modal protocol that UI drivers follow:
  //   BeginModal (shows the form: OnShow, then the focus goes to the first control),
  //   events until ModalResult is set, CloseModal after each (OnCloseQuery, OnClose; a refusal
  //   sets ModalResult back to mrNone), EndModal (hides the form).
  void BeginModal();
  void CloseModal();
  void EndModal();

  // Builds the form's controls from its layout file LayoutDirectory()/<name>.dfm (the class
  // name when name is empty), in the form text format of user forms. Event names in the layout
  // bind to this form's handler methods by name. A class, property or value that does not fit
  // raises EReadError naming the file, line and column; properties that the headless controls
  // do not model are skipped.
  void LoadLayout(StringView name = StringView());

  // Runs OnCreate. A form class calls it at the end of its constructor, once its controls
  // exist; it runs once.
  void DoCreate();
  // Runs OnDestroy. A form class that binds OnDestroy calls it first thing in its destructor
  // (the handlers are gone once the base destructor runs); it runs once.
  void DoDestroy();

  // The owned component of that name, of class T. Raises EComponentError naming the form when
  // the layout lacks it or it has another class.
  template <class T>
  T* Field(StringView name) const {
    return As<T>(RequireComponent(name, T::StaticClass()));
  }

  void GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) const override;
  void Notification(TComponent* component, TOperation operation) override;

 private:
  TComponent* RequireComponent(StringView name, const TClassInfo& cls) const;
  void FocusFirstControl();
  void DoClose(TCloseAction& action);
  int FrameWidth() const;
  int FrameHeight() const;

  TFormBorderStyle FBorderStyle = TFormBorderStyle::bsSizeable;
  TBorderIcons FBorderIcons = (1 << biSystemMenu) | (1 << biMinimize) | (1 << biMaximize);
  TPosition FPosition = TPosition::poDesigned;
  bool FKeyPreview = false;
  TModalResult FModalResult = mrNone;
  int FPixelsPerInch = kPixelsPerInch;
  int FTextHeight = 13;
  bool FOldCreateOrder = false;
  bool FScaled = true;
  TWinControl* FActiveControl = nullptr;
  bool FModal = false;
  bool FCreated = false;
  bool FDestroyed = false;
  const TClassInfo* FCreatedClass = nullptr;
};

// Where layouts are read from: OMBRIX_FORMS_DIR in the environment, else the folder set here,
// else the forms/ folder of the source tree the host was built from.
std::filesystem::path LayoutDirectory();
void SetLayoutDirectory(const std::filesystem::path& directory);

class TForm : public TCustomForm {
  OMBRIX_CLASS(TForm)
  using TCustomForm::TCustomForm;
};
