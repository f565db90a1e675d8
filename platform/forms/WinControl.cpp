#include "forms/WinControl.h"

#include <algorithm>

#include "PropHelpers.h"
#include "forms/Form.h"

const TClassInfo& TWinControl::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TWinControl, TControl>(STR("TWinControl"))
          .Prop(STR("TabOrder"), &TWinControl::TabOrder, &TWinControl::SetTabOrder)
          .Prop(STR("TabStop"), &TWinControl::TabStop, &TWinControl::SetTabStop)
          .OMBRIX_EVENT(TWinControl, OnEnter, "TNotifyEvent")
          .OMBRIX_EVENT(TWinControl, OnExit, "TNotifyEvent")
          .OMBRIX_EVENT(TWinControl, OnKeyPress, "TKeyPressEvent")
          .Build();
  return info;
}

TWinControl::TWinControl(TComponent* owner) : TControl(owner) {}

// Children go with their parent, whoever owns them (they leave their owner as they go).
TWinControl::~TWinControl() {
  while (!FControls.empty()) delete FControls.back();
}

TControl* TWinControl::Controls(int index) const {
  if (index < 0 || index >= ControlCount()) {
    throw EListError(STR("Control index out of bounds (") + IntToStr(index) + STR(")"));
  }
  return FControls[static_cast<size_t>(index)];
}

void TWinControl::InsertControl(TControl* control) {
  if (control->FParent == this) return;
  if (control->FParent != nullptr) control->FParent->RemoveControl(control);
  control->FParent = this;
  FControls.push_back(control);
  if (auto* windowed = dynamic_cast<TWinControl*>(control)) FTabList.push_back(windowed);
  control->ParentChanged();
  if (!IsLoading()) Realign();
}

void TWinControl::RemoveControl(TControl* control) {
  if (control->FParent != this) return;
  if (TCustomForm* form = GetParentForm(this)) form->ForgetControl(control);
  FControls.erase(std::remove(FControls.begin(), FControls.end(), control), FControls.end());
  FTabList.erase(std::remove(FTabList.begin(), FTabList.end(), control), FTabList.end());
  control->FParent = nullptr;
  if (!IsLoading() && (ComponentState() & csDestroying) == 0) Realign();
}

bool TWinControl::ContainsControl(const TControl* control) const {
  for (const TControl* c = control; c != nullptr; c = c->Parent()) {
    if (c == this) return true;
  }
  return false;
}

int TWinControl::TabOrder() const {
  if (Parent() == nullptr) return FPendingTabOrder;
  const auto& list = Parent()->FTabList;
  return static_cast<int>(std::find(list.begin(), list.end(), this) - list.begin());
}

// The host's rule: the position is cut to the parent's list, the others move up or down.
void TWinControl::SetTabOrder(int value) {
  if (Parent() == nullptr) {
    FPendingTabOrder = value;
    return;
  }
  auto& list = Parent()->FTabList;
  auto at = std::find(list.begin(), list.end(), this);
  if (at == list.end()) return;
  list.erase(at);
  const int index = std::clamp(value, 0, static_cast<int>(list.size()));
  list.insert(list.begin() + index, this);
}

void TWinControl::ParentChanged() {
  if (FPendingTabOrder >= 0) {
    const int pending = FPendingTabOrder;
    FPendingTabOrder = -1;
    SetTabOrder(pending);
  }
}

bool TWinControl::CanFocus() const {
  const TCustomForm* form = GetParentForm(this);
  if (form == nullptr || form == this) return false;
  for (const TControl* c = this; c != form; c = c->Parent()) {
    if (!c->Visible() || !c->Enabled()) return false;
  }
  return true;
}

void TWinControl::SetFocus() {
  TCustomForm* form = GetParentForm(this);
  if (form == nullptr || !form->Showing() || !CanFocus()) {
    throw EInvalidOperation(STR("Cannot focus a disabled or invisible window"));
  }
  form->FocusControl(this);
}

bool TWinControl::Focused() const {
  const TCustomForm* form = GetParentForm(this);
  return form != nullptr && form->Showing() && form->ActiveControl() == this;
}

void TWinControl::KeyPress(Char& key) {
  FireKeyPress(OnKeyPress, this, key);
}

void TWinControl::SetBounds(int left, int top, int width, int height) {
  const int oldWidth = ClientWidth();
  const int oldHeight = ClientHeight();
  TControl::SetBounds(left, top, width, height);
  if (IsLoading()) return;
  AnchorChildren(ClientWidth() - oldWidth, ClientHeight() - oldHeight);
}

void TWinControl::AnchorChildren(int dw, int dh) {
  if (dw != 0 || dh != 0) {
    for (TControl* c : FControls) {
      if (c->Align() != TAlign::alNone) continue;
      const TAnchors a = c->Anchors();
      int left = c->Left(), top = c->Top(), width = c->Width(), height = c->Height();
      const bool l = a & (1 << akLeft), r = a & (1 << akRight);
      const bool t = a & (1 << akTop), b = a & (1 << akBottom);
      if (r && l)
        width += dw;
      else if (r)
        left += dw;
      else if (!l)
        left += dw / 2;
      if (b && t)
        height += dh;
      else if (b)
        top += dh;
      else if (!t)
        top += dh / 2;
      c->SetBounds(left, top, width, height);
    }
  }
  Realign();
}

// Aligned children fill the client area in the host's order: top, bottom, left, right, client;
// within one side in the order of their positions.
void TWinControl::Realign() {
  if (FAligning || IsLoading()) return;
  FAligning = true;
  int left = 0, top = 0, right = ClientWidth(), bottom = ClientHeight();
  auto pass = [&](TAlign align, auto before) {
    std::vector<TControl*> side;
    for (TControl* c : FControls) {
      if (c->Visible() && c->Align() == align) side.push_back(c);
    }
    std::stable_sort(side.begin(), side.end(), before);
    for (TControl* c : side) {
      const int width = std::max(0, right - left), height = std::max(0, bottom - top);
      switch (align) {
        case TAlign::alTop:
          c->SetBounds(left, top, width, c->Height());
          top += c->Height();
          break;
        case TAlign::alBottom:
          c->SetBounds(left, bottom - c->Height(), width, c->Height());
          bottom -= c->Height();
          break;
        case TAlign::alLeft:
          c->SetBounds(left, top, c->Width(), height);
          left += c->Width();
          break;
        case TAlign::alRight:
          c->SetBounds(right - c->Width(), top, c->Width(), height);
          right -= c->Width();
          break;
        default:
          c->SetBounds(left, top, width, height);
          break;
      }
    }
  };
  pass(TAlign::alTop, [](TControl* a, TControl* b) { return a->Top() < b->Top(); });
  pass(TAlign::alBottom,
       [](TControl* a, TControl* b) { return a->Top() + a->Height() > b->Top() + b->Height(); });
  pass(TAlign::alLeft, [](TControl* a, TControl* b) { return a->Left() < b->Left(); });
  pass(TAlign::alRight,
       [](TControl* a, TControl* b) { return a->Left() + a->Width() > b->Left() + b->Width(); });
  pass(TAlign::alClient, [](TControl*, TControl*) { return false; });
  FAligning = false;
}

void TWinControl::UpdateAll() {
  Update();
  for (TControl* c : FControls) {
    if (auto* windowed = dynamic_cast<TWinControl*>(c)) {
      windowed->UpdateAll();
    } else {
      c->Update();
    }
  }
}

void TWinControl::GetChildren(const std::function<void(TComponent*)>& proc,
                              TComponent* root) const {
  for (TControl* c : FControls) {
    if (c->Owner() == root) proc(c);
  }
}

void TWinControl::Loaded() {
  TControl::Loaded();
  Realign();
}
