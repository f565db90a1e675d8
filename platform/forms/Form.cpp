#include "forms/Form.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "PropHelpers.h"
#include "forms/Application.h"
#include "forms/UIDriver.h"

const TClassInfo& TCustomForm::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TCustomForm, TWinControl>(STR("TCustomForm"))
          .Prop(STR("ActiveControl"), &TCustomForm::ActiveControl, &TCustomForm::SetActiveControl)
          .Prop(STR("BorderIcons"), &TCustomForm::BorderIcons, &TCustomForm::SetBorderIcons,
                &TypeInfoBorderIcons())
          .Prop(STR("BorderStyle"), &TCustomForm::BorderStyle, &TCustomForm::SetBorderStyle,
                &TypeInfoFormBorderStyle(), static_cast<int64_t>(TFormBorderStyle::bsSizeable))
          .Prop(STR("ClientHeight"), &TCustomForm::ClientHeight, &TCustomForm::SetClientHeight)
          .Prop(STR("ClientWidth"), &TCustomForm::ClientWidth, &TCustomForm::SetClientWidth)
          .Prop(STR("KeyPreview"), &TCustomForm::KeyPreview, &TCustomForm::SetKeyPreview, nullptr,
                0)
          .Prop(STR("OldCreateOrder"), &TCustomForm::OldCreateOrder,
                &TCustomForm::SetOldCreateOrder)
          .Prop(STR("PixelsPerInch"), &TCustomForm::PixelsPerInch, &TCustomForm::SetPixelsPerInch)
          .Prop(STR("Position"), &TCustomForm::Position, &TCustomForm::SetPosition,
                &TypeInfoPosition(), 0)
          .Prop(STR("Scaled"), &TCustomForm::Scaled, &TCustomForm::SetScaled, nullptr, 1)
          .Prop(STR("TextHeight"), &TCustomForm::TextHeight, &TCustomForm::SetTextHeight)
          .OMBRIX_EVENT(TCustomForm, OnClose, "TCloseEvent")
          .OMBRIX_EVENT(TCustomForm, OnCloseQuery, "TCloseQueryEvent")
          .OMBRIX_EVENT(TCustomForm, OnCreate, "TNotifyEvent")
          .OMBRIX_EVENT(TCustomForm, OnDestroy, "TNotifyEvent")
          .OMBRIX_EVENT(TCustomForm, OnHide, "TNotifyEvent")
          .OMBRIX_EVENT(TCustomForm, OnShow, "TNotifyEvent")
          .Build();
  return info;
}

const TClassInfo& TForm::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TForm, TCustomForm>(STR("TForm")).Creatable().Build();
  return info;
}

TCustomForm::TCustomForm(TComponent* owner) : TWinControl(owner) {
  TControl::SetVisible(false);
}

TCustomForm::~TCustomForm() {
  // A handler bound to OnDestroy can no longer run once the form class's part is gone; a form
  // class that forgot DoDestroy would silently skip its clean-up.
  if (!FDestroyed && OnDestroy.Data == this && FCreatedClass != nullptr &&
      FCreatedClass->FindMethod(OnDestroy.Name) != nullptr) {
    std::fprintf(stderr, "%s: OnDestroy handler %s is bound but DoDestroy() was never called\n",
                 ToUtf8(FCreatedClass->Name).c_str(), ToUtf8(OnDestroy.Name).c_str());
    std::abort();
  }
}

int TCustomForm::FrameWidth() const {
  switch (FBorderStyle) {
    case TFormBorderStyle::bsNone:
      return 0;
    case TFormBorderStyle::bsSizeable:
    case TFormBorderStyle::bsSizeToolWin:
      return 8;
    default:
      return 6;
  }
}

int TCustomForm::FrameHeight() const {
  switch (FBorderStyle) {
    case TFormBorderStyle::bsNone:
      return 0;
    case TFormBorderStyle::bsToolWindow:
    case TFormBorderStyle::bsSizeToolWin:
      return FrameWidth() + 15;
    default:
      return FrameWidth() + 19;
  }
}

int TCustomForm::ClientWidth() const {
  return std::max(0, Width() - FrameWidth());
}

int TCustomForm::ClientHeight() const {
  return std::max(0, Height() - FrameHeight());
}

void TCustomForm::SetClientWidth(int value) {
  SetWidth(value + FrameWidth());
}

void TCustomForm::SetClientHeight(int value) {
  SetHeight(value + FrameHeight());
}

// The client area keeps its size when the frame changes.
void TCustomForm::SetBorderStyle(TFormBorderStyle value) {
  const int width = ClientWidth();
  const int height = ClientHeight();
  FBorderStyle = value;
  SetBounds(Left(), Top(), width + FrameWidth(), height + FrameHeight());
}

void TCustomForm::SetActiveControl(TWinControl* control) {
  if (control == FActiveControl) return;
  const bool loading = (ComponentState() & csLoading) != 0;
  if (control != nullptr &&
      (GetParentForm(control) != this || (!loading && !control->CanFocus()))) {
    throw EInvalidOperation(STR("Cannot focus a disabled or invisible window"));
  }
  if (Showing() && !loading) {
    FocusControl(control);
  } else {
    FActiveControl = control;
  }
}

void TCustomForm::FocusControl(TWinControl* control) {
  if (control == FActiveControl) return;
  TWinControl* previous = FActiveControl;
  FActiveControl = control;
  if (!Showing()) return;
  if (previous != nullptr) previous->DoExit();
  if (control != nullptr && control == FActiveControl) control->DoEnter();
}

void TCustomForm::ForgetControl(const TControl* control) {
  for (const TControl* c = FActiveControl; c != nullptr; c = c->Parent()) {
    if (c == control) {
      FActiveControl = nullptr;
      return;
    }
  }
}

namespace {

void CollectTabStops(const TWinControl& parent, std::vector<TWinControl*>& out) {
  for (TWinControl* c : parent.TabList()) {
    if (c->TabStop() && c->CanFocus()) out.push_back(c);
    CollectTabStops(*c, out);
  }
}

}  // namespace

std::vector<TWinControl*> TCustomForm::TabSequence() const {
  std::vector<TWinControl*> sequence;
  CollectTabStops(*this, sequence);
  return sequence;
}

TModalResult TCustomForm::ShowModal() {
  if (Visible() || !Enabled() || FModal) {
    throw EInvalidOperation(STR("Cannot make a visible window modal"));
  }
  return UIDriver().ShowModal(*this);
}

void TCustomForm::Show() {
  SetVisible(true);
}

void TCustomForm::Hide() {
  SetVisible(false);
}

void TCustomForm::SetVisible(bool value) {
  if (value == Visible()) return;
  TControl::SetVisible(value);
  if ((ComponentState() & csLoading) != 0) return;
  if (value) {
    Realign();
    FireNotify(OnShow, this);
  } else {
    FireNotify(OnHide, this);
  }
}

void TCustomForm::Close() {
  if (FModal) {
    FModalResult = mrCancel;
    return;
  }
  if (!CloseQuery()) return;
  TCloseAction action = TCloseAction::caHide;
  DoClose(action);
  if (action != TCloseAction::caNone) Hide();
}

bool TCustomForm::CloseQuery() {
  bool canClose = true;
  FireBoolQuery(OnCloseQuery, this, canClose);
  return canClose;
}

void TCustomForm::DoClose(TCloseAction& action) {
  FireClose(OnClose, this, action);
}

void TCustomForm::BeginModal() {
  FModal = true;
  try {
    Show();
    FModalResult = mrNone;
    FocusFirstControl();
  } catch (...) {
    EndModal();
    throw;
  }
}

// The stored active control if it can take the focus now, else the first tab stop.
void TCustomForm::FocusFirstControl() {
  TWinControl* target = FActiveControl;
  if (target == nullptr || !target->CanFocus()) {
    const auto sequence = TabSequence();
    target = sequence.empty() ? nullptr : sequence.front();
  }
  FActiveControl = nullptr;
  if (target != nullptr) FocusControl(target);
}

// As the host does: OnCloseQuery, then OnClose; a refusal or a failure keeps the form open.
void TCustomForm::CloseModal() {
  try {
    TCloseAction action = TCloseAction::caNone;
    if (CloseQuery()) {
      action = TCloseAction::caHide;
      DoClose(action);
    }
    if (action == TCloseAction::caNone) FModalResult = mrNone;
  } catch (const Exception& error) {
    FModalResult = mrNone;
    Application()->ShowException(error);
  }
}

void TCustomForm::EndModal() {
  FModal = false;
  Hide();
}

void TCustomForm::DoCreate() {
  if (FCreatedClass != nullptr) return;
  FCreatedClass = &ClassType();
  FireNotify(OnCreate, this);
}

void TCustomForm::DoDestroy() {
  if (FDestroyed) return;
  FDestroyed = true;
  FireNotify(OnDestroy, this);
}

TComponent* TCustomForm::RequireComponent(StringView name, const TClassInfo& cls) const {
  TComponent* component = FindComponent(name);
  if (component == nullptr) {
    throw EComponentError(ClassName() + STR(" has no component named ") + String(name));
  }
  if (!component->InheritsFrom(cls)) {
    throw EComponentError(ClassName() + STR(".") + String(name) + STR(" is a ") +
                          component->ClassName() + STR(", not a ") + cls.Name);
  }
  return component;
}

void TCustomForm::GetChildren(const std::function<void(TComponent*)>& proc,
                              TComponent* root) const {
  TWinControl::GetChildren(proc, root);
  if (root != this) return;
  for (int i = 0; i < ComponentCount(); ++i) {
    if (!Components(i)->HasParent()) proc(Components(i));
  }
}

void TCustomForm::Notification(TComponent* component, TOperation operation) {
  TWinControl::Notification(component, operation);
  if (operation == TOperation::opRemove && component == FActiveControl) FActiveControl = nullptr;
}
