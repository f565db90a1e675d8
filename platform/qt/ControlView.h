#pragma once
// The widget of one control. A view owns no state of its own: Pull copies the model into the
// widget, and what the user does on the widget goes to the form window, which turns it into the
// control's events. Widgets never change behind the model's back.
#include <QWidget>
#include <memory>
#include <vector>

#include "forms/Forms.h"

class TFormWindow;
class QKeyEvent;
class QMouseEvent;

class TControlView {
 public:
  TControlView(TFormWindow& window, TControl& control, QWidget* widget);
  virtual ~TControlView();
  TControlView(const TControlView&) = delete;
  TControlView& operator=(const TControlView&) = delete;

  TControl& Control() const { return FControl; }
  QWidget* Widget() const { return FWidget; }
  // Where the widgets of child controls go.
  virtual QWidget* ChildHost() const { return FWidget; }
  // Takes the widget of a child control (page controls make tabs of their sheets).
  virtual void Adopt(TControlView& child);
  // The widget that gets the keyboard focus when the control has it.
  virtual QWidget* FocusWidget() const { return FWidget; }
  // Model to widget.
  void Pull();

  // Mouse input that the view turns into user input; true when consumed.
  virtual bool MousePress(QMouseEvent& event, QWidget& target);
  virtual bool MouseRelease(QMouseEvent& event, QWidget& target);
  virtual bool MouseMove(QMouseEvent& event, QWidget& target);
  virtual bool DoubleClick(QMouseEvent& event, QWidget& target);
  // Keys that are neither typing nor dialog keys (arrows, Delete, ...); true when consumed.
  // By default they are swallowed, so that no widget changes state on its own.
  virtual bool OtherKey(QKeyEvent& event);
  // Ctrl+C, Ctrl+X and Ctrl+V after the key press went to the control.
  virtual void ClipboardKey(int /*key*/) {}

 protected:
  virtual void PullOwn() {}
  // Tab sheets are placed by their page control, not by their model bounds.
  virtual bool PlacedByParent() const { return false; }
  TFormWindow& Window() const { return FWindow; }
  // The font the control shows: its own, or its parent's while ParentFont is set.
  const TFont& EffectiveFont() const;

 private:
  void PullDrawings();

  TFormWindow& FWindow;
  TControl& FControl;
  QWidget* FWidget;
  std::vector<QWidget*> FDrawings;
  int FShownPaint = -1;
};

std::unique_ptr<TControlView> CreateControlView(TFormWindow& window, TControl& control);
// The caption with its access key for widgets that show one ("&&" stays a literal ampersand).
QString MnemonicText(const String& caption);
// The caption as rich text with the access key underlined, for labels.
QString UnderlinedAccessKey(const String& caption);
