#include "forms/Splitter.h"

#include <algorithm>

#include "PropHelpers.h"
#include "forms/WinControl.h"

const TClassInfo& TSplitter::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TSplitter, TGraphicControl>(STR("TSplitter"))
          .Creatable()
          .Prop(STR("AutoSnap"), &TSplitter::AutoSnap, &TSplitter::SetAutoSnap, nullptr, 1)
          .Prop(STR("Beveled"), &TSplitter::Beveled, &TSplitter::SetBeveled, nullptr, 0)
          .Prop(STR("MinSize"), &TSplitter::MinSize, &TSplitter::SetMinSize, nullptr, 30)
          .OMBRIX_EVENT(TSplitter, OnCanResize, "TCanResizeEvent")
          .OMBRIX_EVENT(TSplitter, OnMoved, "TNotifyEvent")
          .Build();
  return info;
}

TSplitter::TSplitter(TComponent* owner) : TGraphicControl(owner) {
  SetAlign(TAlign::alLeft);
  SetBounds(0, 0, 3, 100);
  SetCursor(crHSplit);
}

namespace {

bool Horizontal(TAlign align) {
  return align == TAlign::alLeft || align == TAlign::alRight;
}

// The edge of the control that faces the splitter.
int FacingEdge(const TControl& c, TAlign align) {
  switch (align) {
    case TAlign::alLeft:
      return c.Left() + c.Width();
    case TAlign::alRight:
      return c.Left();
    case TAlign::alTop:
      return c.Top() + c.Height();
    default:
      return c.Top();
  }
}

int SplitterEdge(const TControl& s, TAlign align) {
  switch (align) {
    case TAlign::alLeft:
      return s.Left();
    case TAlign::alRight:
      return s.Left() + s.Width();
    case TAlign::alTop:
      return s.Top();
    default:
      return s.Top() + s.Height();
  }
}

}  // namespace

TControl* TSplitter::ResizeControl() const {
  TWinControl* parent = Parent();
  if (parent == nullptr || Align() == TAlign::alNone || Align() == TAlign::alClient) return nullptr;
  for (int i = 0; i < parent->ControlCount(); ++i) {
    TControl* c = parent->Controls(i);
    if (c != this && c->Visible() && c->Align() == Align() &&
        FacingEdge(*c, Align()) == SplitterEdge(*this, Align())) {
      return c;
    }
  }
  return nullptr;
}

// The host's limits: at least MinSize, and at most what leaves MinSize for the rest.
bool TSplitter::MoveTo(int newSize) {
  TControl* control = ResizeControl();
  if (control == nullptr) return false;
  TWinControl* parent = Parent();
  const bool horizontal = Horizontal(Align());
  int maxSize = (horizontal ? parent->ClientWidth() : parent->ClientHeight()) - FMinSize;
  for (int i = 0; i < parent->ControlCount(); ++i) {
    const TControl* c = parent->Controls(i);
    if (!c->Visible()) continue;
    if (horizontal && Horizontal(c->Align())) maxSize -= c->Width();
    if (!horizontal && (c->Align() == TAlign::alTop || c->Align() == TAlign::alBottom)) {
      maxSize -= c->Height();
    }
  }
  maxSize += horizontal ? control->Width() : control->Height();
  newSize = std::max(FMinSize, std::min(newSize, maxSize));
  bool accept = true;
  FireCanResize(OnCanResize, this, newSize, accept);
  if (!accept) return false;
  if (horizontal) {
    control->SetWidth(newSize);
  } else {
    control->SetHeight(newSize);
  }
  parent->Realign();
  FireNotify(OnMoved, this);
  return true;
}
