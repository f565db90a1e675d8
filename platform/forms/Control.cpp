#include "forms/Control.h"

#include "PropHelpers.h"
#include "forms/Form.h"
#include "forms/Menus.h"

const TClassInfo& TSizeConstraints::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TSizeConstraints, TPersistent>(STR("TSizeConstraints"))
          .Prop(STR("MaxHeight"), FieldGetter(&TSizeConstraints::MaxHeight),
                FieldSetter(&TSizeConstraints::MaxHeight), nullptr, 0)
          .Prop(STR("MaxWidth"), FieldGetter(&TSizeConstraints::MaxWidth),
                FieldSetter(&TSizeConstraints::MaxWidth), nullptr, 0)
          .Prop(STR("MinHeight"), FieldGetter(&TSizeConstraints::MinHeight),
                FieldSetter(&TSizeConstraints::MinHeight), nullptr, 0)
          .Prop(STR("MinWidth"), FieldGetter(&TSizeConstraints::MinWidth),
                FieldSetter(&TSizeConstraints::MinWidth), nullptr, 0)
          .Build();
  return info;
}

void TSizeConstraints::Assign(const TPersistent* source) {
  const auto* other = dynamic_cast<const TSizeConstraints*>(source);
  if (other == nullptr) {
    TPersistent::Assign(source);
    return;
  }
  MinWidth = other->MinWidth;
  MinHeight = other->MinHeight;
  MaxWidth = other->MaxWidth;
  MaxHeight = other->MaxHeight;
}

const TClassInfo& TControl::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TControl, TComponent>(STR("TControl"))
          .Prop(STR("Left"), &TControl::Left, &TControl::SetLeft)
          .Prop(STR("Top"), &TControl::Top, &TControl::SetTop)
          .Prop(STR("Width"), &TControl::Width, &TControl::SetWidth)
          .Prop(STR("Height"), &TControl::Height, &TControl::SetHeight)
          .Prop(STR("Align"), &TControl::Align, &TControl::SetAlign, &TypeInfoAlign(), 0)
          .Prop(STR("Anchors"), &TControl::Anchors, &TControl::SetAnchors, &TypeInfoAnchors(),
                kDefaultAnchors)
          .Prop(STR("Caption"), &TControl::Caption, &TControl::SetCaption)
          .Prop(STR("Color"), &TControl::Color, &TControl::SetColor, &TypeInfoColor())
          .Prop(STR("Constraints"), &TControl::Constraints,
                [](TControl* self, TSizeConstraints* value) { self->Constraints()->Assign(value); })
          .Prop(STR("Cursor"), &TControl::Cursor, &TControl::SetCursor, &TypeInfoCursor(), 0)
          .Prop(STR("Enabled"), &TControl::Enabled, &TControl::SetEnabled, nullptr, 1)
          .Prop(STR("Font"), &TControl::Font, &TControl::SetFont)
          .Prop(STR("HelpContext"), &TControl::HelpContext, &TControl::SetHelpContext, nullptr, 0)
          .Prop(STR("Hint"), &TControl::Hint, &TControl::SetHint)
          .Prop(STR("ParentColor"), &TControl::ParentColor, &TControl::SetParentColor, nullptr, 1)
          .Prop(STR("ParentFont"), &TControl::ParentFont, &TControl::SetParentFont, nullptr, 1)
          .Prop(STR("ParentShowHint"), &TControl::ParentShowHint, &TControl::SetParentShowHint,
                nullptr, 1)
          .Prop(STR("PopupMenu"), &TControl::PopupMenu, &TControl::SetPopupMenu)
          .Prop(STR("ShowHint"), &TControl::ShowHint, &TControl::SetShowHint, nullptr, 0)
          .Prop(STR("Tag"), &TControl::Tag, &TControl::SetTag, nullptr, 0)
          .Prop(STR("Visible"), &TControl::Visible, &TControl::SetVisible, nullptr, 1)
          .OMBRIX_EVENT(TControl, OnClick, "TNotifyEvent")
          .OMBRIX_EVENT(TControl, OnDblClick, "TNotifyEvent")
          .Build();
  return info;
}

TControl::TControl(TComponent* owner)
    : TComponent(owner),
      FConstraints(std::make_unique<TSizeConstraints>()),
      FFont(std::make_unique<TFont>()) {}

TControl::~TControl() {
  if (FParent != nullptr) FParent->RemoveControl(this);
}

void TControl::SetParent(TWinControl* parent) {
  if (parent == FParent) return;
  if (parent == this) throw EInvalidOperation(STR("A control cannot have itself as its parent"));
  if (FParent != nullptr) FParent->RemoveControl(this);
  if (parent != nullptr) parent->InsertControl(this);
}

void TControl::SetBounds(int left, int top, int width, int height) {
  const TSizeConstraints& c = *FConstraints;
  if (c.MinWidth > 0 && width < c.MinWidth) width = c.MinWidth;
  if (c.MaxWidth > 0 && width > c.MaxWidth) width = c.MaxWidth;
  if (c.MinHeight > 0 && height < c.MinHeight) height = c.MinHeight;
  if (c.MaxHeight > 0 && height > c.MaxHeight) height = c.MaxHeight;
  if (width < 0) width = 0;
  if (height < 0) height = 0;
  if (left == FLeft && top == FTop && width == FWidth && height == FHeight) return;
  FLeft = left;
  FTop = top;
  FWidth = width;
  FHeight = height;
  if (FAlign != TAlign::alNone) RequestParentRealign();
  Invalidate();
}

void TControl::SetAlign(TAlign value) {
  if (value == FAlign) return;
  FAlign = value;
  RequestParentRealign();
}

void TControl::SetVisible(bool value) {
  if (value == FVisible) return;
  FVisible = value;
  RequestParentRealign();
}

void TControl::SetEnabled(bool value) {
  if (value == FEnabled) return;
  FEnabled = value;
  Invalidate();
}

bool TControl::Showing() const {
  if (!FVisible) return false;
  if (FParent != nullptr) return FParent->Showing();
  return dynamic_cast<const TCustomForm*>(this) != nullptr;
}

void TControl::SetText(const String& value) {
  if (value == GetText()) return;
  StoreText(value);
  if (IsLoading()) return;
  TextChanged();
  Invalidate();
}

void TControl::SetPopupMenu(TPopupMenu* value) {
  FPopupMenu = value;
  if (value != nullptr) value->FreeNotification(this);
}

void TControl::Click() {
  FireNotify(OnClick, this);
}

void TControl::DblClick() {
  FireNotify(OnDblClick, this);
}

void TControl::Invalidate() {
  FPaintPending = true;
  ++FInvalidateCount;
}

void TControl::Repaint() {
  Invalidate();
  Update();
}

void TControl::Update() {
  if (!FPaintPending) return;
  FPaintPending = false;
  FDrawings.clear();
  ++FPaintCount;
}

TComponent* TControl::GetParentComponent() const {
  return FParent;
}

void TControl::SetParentComponent(TComponent* parent) {
  if (auto* control = dynamic_cast<TWinControl*>(parent)) SetParent(control);
}

void TControl::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation == TOperation::opRemove && component == FPopupMenu) FPopupMenu = nullptr;
}

void TControl::Loaded() {
  TComponent::Loaded();
  RequestParentRealign();
}

void TControl::RequestParentRealign() {
  if (FParent != nullptr && !IsLoading()) FParent->Realign();
}

TCustomForm* GetParentForm(const TControl* control) {
  if (control == nullptr) return nullptr;
  while (control->Parent() != nullptr) control = control->Parent();
  return dynamic_cast<TCustomForm*>(const_cast<TControl*>(control));
}

Char GetAccelChar(StringView caption) {
  for (size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != '&') continue;
    if (caption[i + 1] != '&') return caption[i + 1];
    ++i;
  }
  return 0;
}
