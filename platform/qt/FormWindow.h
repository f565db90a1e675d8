#pragma once
// A form shown as a real window: one widget per control, kept in step with the models. Every
// mouse and key input on the window becomes user input on the models (forms/UserInput.h); after
// each, the idle paint runs, a close request is handled and the widgets follow the models.
#include <QDialog>
#include <functional>
#include <map>
#include <memory>

#include "ControlView.h"

class QEventLoop;

class TFormWindow : public QDialog {
 public:
  TFormWindow(TCustomForm& form, QWidget* parent);
  ~TFormWindow() override;

  TCustomForm& Form() const { return FForm; }
  // Runs the modal protocol's loop: returns when the form's ModalResult stays set.
  void RunModal();
  // One user input: its exceptions are shown as the host shows them (EAbort silently), then the
  // idle paint, the close request, and the widgets follow the models.
  void Act(const std::function<void()>& input);
  // Widgets follow the models: new controls get widgets, freed ones lose them.
  void Sync();
  // The view of the control shown by the widget (or one of its parents), or null.
  TControlView* ViewOf(QObject* object) const;
  TControlView* ViewOf(const TControl* control) const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void reject() override {}

 private:
  struct TEntry {
    std::unique_ptr<TControlView> View;
    const TClassInfo* Class;
    const TWinControl* Parent;
  };
  bool Key(QKeyEvent& event, TControlView* view);
  bool ContextMenu(const QPoint& globalPos, TControlView* view);
  void FocusPrevious();

  TCustomForm& FForm;
  std::map<const TControl*, TEntry> FViews;
  QEventLoop* FLoop = nullptr;
  // The input event last acted on: Qt hands an event that a widget ignored on to its parents,
  // and a parent must not act on it a second time.
  const QEvent* FLastInput = nullptr;
  quint64 FLastStamp = 0;
  int FLastType = 0;
  bool FSyncing = false;
};
