#pragma once
// The base of every control: a model of position, visibility, text, font and events. Nothing is
// drawn; a UI driver reads the models and acts on them through their events.
#include <memory>
#include <vector>

#include "classes/Component.h"
#include "forms/FormTypes.h"
#include "forms/Graphics.h"

class TWinControl;
class TCustomForm;
class TPopupMenu;

// Minimum and maximum sizes (0 = no limit), enforced when bounds change.
class TSizeConstraints : public TPersistent {
  OMBRIX_CLASS(TSizeConstraints)
  TSizeConstraints() = default;
  int MinWidth = 0;
  int MinHeight = 0;
  int MaxWidth = 0;
  int MaxHeight = 0;
  void Assign(const TPersistent* source) override;
};

class TControl : public TComponent {
  OMBRIX_CLASS(TControl)
  explicit TControl(TComponent* owner);
  ~TControl() override;

  TWinControl* Parent() const { return FParent; }
  virtual void SetParent(TWinControl* parent);

  int Left() const { return FLeft; }
  int Top() const { return FTop; }
  int Width() const { return FWidth; }
  int Height() const { return FHeight; }
  void SetLeft(int value) { SetBounds(value, FTop, FWidth, FHeight); }
  void SetTop(int value) { SetBounds(FLeft, value, FWidth, FHeight); }
  void SetWidth(int value) { SetBounds(FLeft, FTop, value, FHeight); }
  void SetHeight(int value) { SetBounds(FLeft, FTop, FWidth, value); }
  virtual void SetBounds(int left, int top, int width, int height);
  // The area inside the borders that children are laid out in.
  virtual int ClientWidth() const { return FWidth; }
  virtual int ClientHeight() const { return FHeight; }
  virtual void SetClientWidth(int value) { SetWidth(value); }
  virtual void SetClientHeight(int value) { SetHeight(value); }
  TSizeConstraints* Constraints() const { return FConstraints.get(); }

  TAlign Align() const { return FAlign; }
  void SetAlign(TAlign value);
  TAnchors Anchors() const { return FAnchors; }
  void SetAnchors(TAnchors value) { FAnchors = value; }

  bool Visible() const { return FVisible; }
  virtual void SetVisible(bool value);
  bool Enabled() const { return FEnabled; }
  virtual void SetEnabled(bool value);
  // Visible, and every parent up to the form visible, and the form visible.
  bool Showing() const;

  // The control's text: the caption of labels and buttons, the text of edits.
  String Caption() const { return GetText(); }
  void SetCaption(const String& value) { SetText(value); }
  virtual String GetText() const { return FText; }
  virtual void SetText(const String& value);

  const String& Hint() const { return FHint; }
  void SetHint(const String& value) { FHint = value; }
  bool ShowHint() const { return FShowHint; }
  void SetShowHint(bool value) { FShowHint = value; }
  bool ParentShowHint() const { return FParentShowHint; }
  void SetParentShowHint(bool value) { FParentShowHint = value; }
  TColor Color() const { return FColor; }
  void SetColor(TColor value) { FColor = value; }
  bool ParentColor() const { return FParentColor; }
  void SetParentColor(bool value) { FParentColor = value; }
  TFont* Font() const { return FFont.get(); }
  void SetFont(TFont* value) { FFont->Assign(value); }
  bool ParentFont() const { return FParentFont; }
  void SetParentFont(bool value) { FParentFont = value; }
  TCursor Cursor() const { return FCursor; }
  void SetCursor(TCursor value) { FCursor = value; }
  int HelpContext() const { return FHelpContext; }
  void SetHelpContext(int value) { FHelpContext = value; }
  int Tag() const { return FTag; }
  void SetTag(int value) { FTag = value; }
  TPopupMenu* PopupMenu() const { return FPopupMenu; }
  void SetPopupMenu(TPopupMenu* value);

  TMethod OnClick;     // TNotifyEvent
  TMethod OnDblClick;  // TNotifyEvent

  // What a user's click does: the OnClick event (buttons first set the form's modal result).
  virtual void Click();
  virtual void DblClick();

  // Painting: Invalidate asks for a paint at the next idle moment, Repaint paints at once,
  // Update paints now if a paint is pending. A paint erases what canvases drew on the control.
  void Invalidate();
  void Repaint();
  void Update();
  bool PaintPending() const { return FPaintPending; }
  int InvalidateCount() const { return FInvalidateCount; }
  int PaintCount() const { return FPaintCount; }
  const std::vector<TCanvasDrawing>& Drawings() const { return FDrawings; }
  void AddDrawing(const TCanvasDrawing& drawing) { FDrawings.push_back(drawing); }

  bool HasParent() const override { return true; }
  TComponent* GetParentComponent() const override;
  void SetParentComponent(TComponent* parent) override;
  void Notification(TComponent* component, TOperation operation) override;
  void Loaded() override;

 protected:
  // Keeps a new text; SetText calls it and then TextChanged (not while loading).
  virtual void StoreText(const String& value) { FText = value; }
  virtual void TextChanged() {}
  // Called after a change that moves or resizes the control or hides it.
  void RequestParentRealign();
  // Lets a windowed control keep its tab order when it joins a parent.
  virtual void ParentChanged() {}
  bool IsLoading() const { return (ComponentState() & csLoading) != 0; }

 private:
  friend class TWinControl;
  TWinControl* FParent = nullptr;
  int FLeft = 0;
  int FTop = 0;
  int FWidth = 0;
  int FHeight = 0;
  std::unique_ptr<TSizeConstraints> FConstraints;
  TAlign FAlign = TAlign::alNone;
  TAnchors FAnchors = kDefaultAnchors;
  bool FVisible = true;
  bool FEnabled = true;
  String FText;
  String FHint;
  bool FShowHint = false;
  bool FParentShowHint = true;
  TColor FColor = clBtnFace;
  bool FParentColor = true;
  std::unique_ptr<TFont> FFont;
  bool FParentFont = true;
  TCursor FCursor = crDefault;
  int FHelpContext = 0;
  int FTag = 0;
  TPopupMenu* FPopupMenu = nullptr;
  bool FPaintPending = false;
  int FInvalidateCount = 0;
  int FPaintCount = 0;
  std::vector<TCanvasDrawing> FDrawings;
};

// A control without a window of its own (labels, bevels, images): it never takes the focus.
class TGraphicControl : public TControl {
  OMBRIX_CLASS(TGraphicControl)
  using TControl::TControl;
};

// The access key of a caption ("&Tables:" gives 'T'; "&&" is a literal ampersand), or 0.
Char GetAccelChar(StringView caption);

// The form that holds the control (the control itself for a form), or null.
TCustomForm* GetParentForm(const TControl* control);
