#pragma once
// Acts on the windows that the interactive driver shows, one action per window in the order
// they appear, from inside their modal loops; a window left open by its action (or shown
// without one) fails the test and is closed, so that no test hangs.
#include <gtest/gtest.h>

#include <QWidget>
#include <deque>
#include <functional>

#include "QtDriver.h"

class TWindowScript {
 public:
  using TAction = std::function<void(QWidget& window)>;
  explicit TWindowScript(TQtDriver& driver);
  ~TWindowScript();
  TWindowScript& Then(TAction action);
  size_t Pending() const { return FActions.size(); }
  // The captions of the windows shown so far.
  const std::vector<QString>& Titles() const { return FTitles; }

 private:
  void Shown(QWidget& window, TCustomForm* form);
  TQtDriver& FDriver;
  std::deque<TAction> FActions;
  std::vector<QString> FTitles;
};

// The named child of the window, of type W; fails the test when it is missing.
template <class W>
W& Child(QWidget& window, const char* name) {
  W* child = window.findChild<W*>(QString::fromUtf8(name));
  if (child == nullptr) {
    ADD_FAILURE() << window.objectName().toStdString() << " has no " << name;
    throw std::runtime_error(name);
  }
  return *child;
}

// A click on the message box button with that caption.
void ClickBoxButton(QWidget& box, const QString& caption);
