#include "FormWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QKeyEvent>
#include <QMenu>
#include <set>

#include "QtText.h"
#include "forms/UserInput.h"

namespace {

// Parents before children, so that a child's parent view exists when the child's is made.
void CollectControls(TWinControl& parent, std::vector<TControl*>& out) {
  for (int i = 0; i < parent.ControlCount(); ++i) {
    TControl* c = parent.Controls(i);
    out.push_back(c);
    if (auto* windowed = dynamic_cast<TWinControl*>(c)) CollectControls(*windowed, out);
  }
}

Char LetterOf(int key) {
  if (key >= Qt::Key_A && key <= Qt::Key_Z) return static_cast<Char>('A' + (key - Qt::Key_A));
  if (key >= Qt::Key_0 && key <= Qt::Key_9) return static_cast<Char>('0' + (key - Qt::Key_0));
  return 0;
}

void AddMenuItems(QMenu& qmenu, TMenuItem& parent, std::map<QAction*, TMenuItem*>& actions) {
  for (int i = 0; i < parent.Count(); ++i) {
    TMenuItem* item = parent.Items(i);
    if (!item->Visible()) continue;
    if (item->Caption() == STR("-")) {
      qmenu.addSeparator();
      continue;
    }
    if (item->Count() > 0) {
      QMenu* sub = qmenu.addMenu(MnemonicText(item->Caption()));
      sub->setEnabled(item->Enabled());
      AddMenuItems(*sub, *item, actions);
      continue;
    }
    QAction* action = qmenu.addAction(MnemonicText(item->Caption()));
    action->setEnabled(item->Enabled());
    action->setCheckable(item->Checked());
    action->setChecked(item->Checked());
    actions[action] = item;
  }
}

}  // namespace

TFormWindow::TFormWindow(TCustomForm& form, QWidget* parent) : QDialog(parent), FForm(form) {
  setObjectName(ToQString(form.Name()));
  setWindowModality(Qt::ApplicationModal);
  setFocusPolicy(Qt::NoFocus);
  qApp->installEventFilter(this);
  Sync();
}

TFormWindow::~TFormWindow() {
  qApp->removeEventFilter(this);
}

void TFormWindow::RunModal() {
  Sync();
  show();
  activateWindow();
  if (FForm.ModalResult() == mrNone) {
    QEventLoop loop;
    FLoop = &loop;
    loop.exec();
    FLoop = nullptr;
  }
  hide();
}

void TFormWindow::Act(const std::function<void()>& input) {
  try {
    try {
      input();
    } catch (const EUserInput&) {
      // The widget showed something the model no longer allows; the sync below corrects it.
    } catch (const Exception& error) {
      Application()->ShowException(error);
    }
    FForm.UpdateAll();
    if (FForm.ModalResult() != mrNone) FForm.CloseModal();
  } catch (const Exception& error) {
    Application()->ShowException(error);
  } catch (const std::exception& error) {
    MessageDlg(FromUtf8(error.what()), TMsgDlgType::mtError, Buttons({mbOK}), 0);
  }
  if (FForm.ModalResult() != mrNone && FLoop != nullptr) FLoop->exit();
  Sync();
}

void TFormWindow::Sync() {
  if (FSyncing) return;
  FSyncing = true;
  std::vector<TControl*> live{&FForm};
  CollectControls(FForm, live);
  const std::set<const TControl*> alive(live.begin(), live.end());
  for (auto it = FViews.begin(); it != FViews.end();) {
    const TControl* c = it->first;
    const bool same = alive.count(c) != 0 && &c->ClassType() == it->second.Class &&
                      (c == &FForm || c->Parent() == it->second.Parent);
    if (same) {
      ++it;
      continue;
    }
    QWidget* widget = it->second.View->Widget();
    it = FViews.erase(it);
    if (widget != this) {
      widget->hide();
      widget->deleteLater();
    }
  }
  for (TControl* c : live) {
    if (FViews.count(c) != 0) continue;
    auto view = CreateControlView(*this, *c);
    if (c != &FForm) FViews.at(c->Parent()).View->Adopt(*view);
    FViews[c] = TEntry{std::move(view), &c->ClassType(), c->Parent()};
  }
  for (TControl* c : live) FViews.at(c).View->Pull();
  if (TControlView* active = ViewOf(FForm.ActiveControl())) {
    QWidget* focus = active->FocusWidget();
    if (focus->focusPolicy() == Qt::NoFocus) focus->setFocusPolicy(Qt::ClickFocus);
    focus->setFocus(Qt::OtherFocusReason);
  }
  FSyncing = false;
}

TControlView* TFormWindow::ViewOf(const TControl* control) const {
  auto it = FViews.find(control);
  return it == FViews.end() ? nullptr : it->second.View.get();
}

TControlView* TFormWindow::ViewOf(QObject* object) const {
  if (object == nullptr || !object->isWidgetType()) return nullptr;
  auto* widget = static_cast<QWidget*>(object);
  if (widget != this && !isAncestorOf(widget)) return nullptr;
  for (QWidget* w = widget; w != nullptr; w = w->parentWidget()) {
    for (const auto& [control, entry] : FViews) {
      if (entry.View->Widget() == w) return entry.View.get();
    }
    if (w == this) break;
  }
  return nullptr;
}

bool TFormWindow::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::ShortcutOverride:
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::ContextMenu:
      break;
    default:
      return false;
  }
  TControlView* view = ViewOf(watched);
  if (view == nullptr) return false;
  auto& target = *static_cast<QWidget*>(watched);
  if (event->type() != QEvent::ShortcutOverride && event->type() != QEvent::KeyPress) {
    const quint64 stamp = static_cast<QInputEvent*>(event)->timestamp();
    if (event == FLastInput && stamp == FLastStamp && event->type() == FLastType) return false;
    FLastInput = event;
    FLastStamp = stamp;
    FLastType = event->type();
  }
  switch (event->type()) {
    case QEvent::ShortcutOverride:
      // Every key goes to the models as a key press; Qt's own shortcuts and mnemonics stay out.
      event->accept();
      return true;
    case QEvent::KeyPress:
      return Key(*static_cast<QKeyEvent*>(event), ViewOf(FForm.ActiveControl()));
    case QEvent::MouseButtonPress: {
      auto& mouse = *static_cast<QMouseEvent*>(event);
      if (mouse.button() == Qt::MiddleButton) return true;  // no selection pasting
      if (mouse.button() != Qt::LeftButton) return false;
      auto* windowed = dynamic_cast<TWinControl*>(&view->Control());
      if (windowed != nullptr && windowed != FForm.ActiveControl() &&
          windowed->TakesFocusOnClick() && windowed->CanFocus()) {
        Act([windowed] { UserInput::Focus(*windowed); });
        view = ViewOf(windowed);
        if (view == nullptr || FForm.ModalResult() != mrNone) return true;
      }
      return view->MousePress(mouse, target);
    }
    case QEvent::MouseButtonRelease: {
      auto& mouse = *static_cast<QMouseEvent*>(event);
      return mouse.button() == Qt::LeftButton && view->MouseRelease(mouse, target);
    }
    case QEvent::MouseButtonDblClick: {
      auto& mouse = *static_cast<QMouseEvent*>(event);
      return mouse.button() == Qt::LeftButton && view->DoubleClick(mouse, target);
    }
    case QEvent::MouseMove:
      return view->MouseMove(*static_cast<QMouseEvent*>(event), target);
    case QEvent::ContextMenu:
      return ContextMenu(static_cast<QContextMenuEvent*>(event)->globalPos(), view);
    default:
      return false;
  }
}

bool TFormWindow::Key(QKeyEvent& event, TControlView* view) {
  const auto mods = event.modifiers();
  const int key = event.key();
  const bool ctrl = (mods & Qt::ControlModifier) != 0;
  const bool alt = (mods & Qt::AltModifier) != 0;
  auto press = [this](Char c) { Act([this, c] { UserInput::PressKey(FForm, c); }); };
  if (alt && !ctrl) {
    if (const Char letter = LetterOf(key)) {
      Act([this, letter] { UserInput::PressAccelerator(FForm, letter); });
    }
    return true;
  }
  switch (key) {
    case Qt::Key_Tab:
      press(VK_TAB);
      return true;
    case Qt::Key_Backtab:
      Act([this] { FocusPrevious(); });
      return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      press(VK_RETURN);
      return true;
    case Qt::Key_Escape:
      press(VK_ESCAPE);
      return true;
    case Qt::Key_Backspace:
      press(VK_BACK);
      return true;
    case Qt::Key_F1:
      Act([this] {
        const TControl* c = FForm.ActiveControl();
        while (c != nullptr && c->HelpContext() == 0) c = c->Parent();
        const int context = c != nullptr ? c->HelpContext() : FForm.HelpContext();
        if (context != 0) Application()->HelpContext(context);
      });
      return true;
    default:
      break;
  }
  if (ctrl) {
    if (const Char letter = LetterOf(key); letter >= 'A' && letter <= 'Z') {
      press(static_cast<Char>(letter - 'A' + 1));
      if (view != nullptr && (key == Qt::Key_C || key == Qt::Key_X || key == Qt::Key_V)) {
        view->ClipboardKey(key);
      }
    }
    return true;
  }
  const QString text = event.text();
  if (!text.isEmpty() && text.at(0).isPrint()) {
    for (QChar c : text) {
      if (const Char typed = FromQChar(c)) press(typed);
    }
    // Space also presses the focused button or check box, as it does on release in the host.
    if (key == Qt::Key_Space && view != nullptr) {
      TControl& control = view->Control();
      if (dynamic_cast<TButton*>(&control) != nullptr ||
          dynamic_cast<TCheckBox*>(&control) != nullptr) {
        Act([&control] { UserInput::Click(control); });
      }
    }
    return true;
  }
  return view == nullptr || view->OtherKey(event);
}

void TFormWindow::FocusPrevious() {
  const auto sequence = FForm.TabSequence();
  if (sequence.empty()) return;
  auto at = std::find(sequence.begin(), sequence.end(), FForm.ActiveControl());
  const size_t index = at == sequence.end() ? 0 : static_cast<size_t>(at - sequence.begin());
  FForm.FocusControl(sequence[(index + sequence.size() - 1) % sequence.size()]);
}

bool TFormWindow::ContextMenu(const QPoint& globalPos, TControlView* view) {
  TControl* owner = &view->Control();
  while (owner != nullptr && owner->PopupMenu() == nullptr) owner = owner->Parent();
  if (owner == nullptr) return true;
  TPopupMenu* menu = nullptr;
  Act([&] { menu = &UserInput::OpenPopupMenu(*owner); });
  if (menu == nullptr || FForm.ModalResult() != mrNone) return true;
  QMenu qmenu(this);
  std::map<QAction*, TMenuItem*> actions;
  AddMenuItems(qmenu, *menu->Items(), actions);
  QAction* picked = qmenu.exec(globalPos);
  if (picked != nullptr && actions.count(picked) != 0) {
    TMenuItem* item = actions[picked];
    Act([menu, item] { UserInput::ClickMenuItem(*menu, *item); });
  }
  return true;
}

void TFormWindow::closeEvent(QCloseEvent* event) {
  event->ignore();
  if (isVisible() && FForm.Showing()) Act([this] { UserInput::CloseWindow(FForm); });
}

void TFormWindow::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  if (FSyncing || !isVisible()) return;
  if (width() == FForm.ClientWidth() && height() == FForm.ClientHeight()) return;
  Act([this] {
    FForm.SetClientWidth(width());
    FForm.SetClientHeight(height());
  });
}
