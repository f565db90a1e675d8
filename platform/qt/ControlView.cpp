#include "ControlView.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>
#include <QSignalBlocker>

#include "FormWindow.h"
#include "QtGraphics.h"
#include "QtText.h"
#include "Views.h"
#include "forms/UserInput.h"

TControlView::TControlView(TFormWindow& window, TControl& control, QWidget* widget)
    : FWindow(window), FControl(control), FWidget(widget) {
  FWidget->setObjectName(ToQString(control.Name()));
  FWidget->setContextMenuPolicy(Qt::DefaultContextMenu);
  FWidget->setAcceptDrops(false);
  FWidget->setAttribute(Qt::WA_InputMethodEnabled, false);
  auto* windowed = dynamic_cast<TWinControl*>(&control);
  const bool focusable = windowed != nullptr && windowed->TakesFocusOnClick();
  FWidget->setFocusPolicy(focusable ? Qt::ClickFocus : Qt::NoFocus);
}

TControlView::~TControlView() = default;

// Controls without a window of their own are drawn beneath the windowed ones, as on the host.
void TControlView::Adopt(TControlView& child) {
  child.Widget()->setParent(ChildHost());
  child.Widget()->raise();
  if (dynamic_cast<TGraphicControl*>(&child.Control()) == nullptr) return;
  for (QObject* sibling : ChildHost()->children()) {
    TControlView* view = FWindow.ViewOf(sibling);
    if (view != nullptr && view != this && view->Widget() == sibling &&
        dynamic_cast<TWinControl*>(&view->Control()) != nullptr) {
      view->Widget()->raise();
    }
  }
}

const TFont& TControlView::EffectiveFont() const {
  const TControl* c = &FControl;
  while (c->ParentFont() && c->Parent() != nullptr) c = c->Parent();
  return *c->Font();
}

void TControlView::Pull() {
  const QSignalBlocker block(FWidget);
  if (!PlacedByParent()) {
    FWidget->setGeometry(FControl.Left(), FControl.Top(), FControl.Width(), FControl.Height());
    FWidget->setVisible(FControl.Visible());
  }
  FWidget->setEnabled(FControl.Enabled());
  const TFont& font = EffectiveFont();
  FWidget->setFont(ToQFont(font));
  // Every role is set, so that a parent's colours never leak into a child that has none.
  QPalette palette = FWidget->palette();
  const QPalette defaults = QApplication::palette(FWidget);
  const QColor text = ToQColor(font.Color());
  for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
    palette.setColor(role, text.isValid() ? text : defaults.color(role));
  }
  const QColor back = FControl.ParentColor() ? QColor() : ToQColor(FControl.Color());
  palette.setColor(QPalette::Window, back.isValid() ? back : defaults.color(QPalette::Window));
  FWidget->setPalette(palette);
  if (FControl.Cursor() == crDefault) {
    FWidget->unsetCursor();
  } else {
    FWidget->setCursor(ToQCursorShape(FControl.Cursor()));
  }
  FWidget->setToolTip(FControl.ShowHint() ? ToQString(FControl.Hint()) : QString());
  PullOwn();
  PullDrawings();
}

// What code drew on the control stays until the control's next paint, as on the host.
void TControlView::PullDrawings() {
  if (FShownPaint == FControl.PaintCount() && FDrawings.size() == FControl.Drawings().size()) {
    return;
  }
  FShownPaint = FControl.PaintCount();
  for (QWidget* w : FDrawings) delete w;
  FDrawings.clear();
  for (const TCanvasDrawing& drawing : FControl.Drawings()) {
    if (drawing.Bitmap == nullptr) continue;
    auto* overlay = new QLabel(FWidget);
    overlay->setAttribute(Qt::WA_TransparentForMouseEvents);
    overlay->setPixmap(QPixmap::fromImage(ToQImage(*drawing.Bitmap)));
    overlay->setGeometry(drawing.X, drawing.Y, drawing.Width, drawing.Height);
    overlay->show();
    overlay->raise();
    FDrawings.push_back(overlay);
  }
}

bool TControlView::MousePress(QMouseEvent&, QWidget&) {
  return false;
}

bool TControlView::MouseRelease(QMouseEvent& event, QWidget& target) {
  if (target.rect().contains(event.position().toPoint())) {
    Window().Act([this] { UserInput::Click(FControl); });
  }
  return true;
}

bool TControlView::MouseMove(QMouseEvent&, QWidget&) {
  return false;
}

bool TControlView::DoubleClick(QMouseEvent&, QWidget&) {
  Window().Act([this] {
    UserInput::CheckReachable(FControl);
    FControl.DblClick();
  });
  return true;
}

bool TControlView::OtherKey(QKeyEvent&) {
  return true;
}

namespace {

// A view for controls without a widget of their own kind: an empty area at their bounds.
class TPlainView : public TControlView {
 public:
  TPlainView(TFormWindow& window, TControl& control) : TControlView(window, control, new QWidget) {}
};

}  // namespace

std::unique_ptr<TControlView> CreateControlView(TFormWindow& window, TControl& control) {
  if (auto view = CreateContainerView(window, control)) return view;
  if (auto view = CreateTextView(window, control)) return view;
  if (auto view = CreateChoiceView(window, control)) return view;
  return std::make_unique<TPlainView>(window, control);
}

QString MnemonicText(const String& caption) {
  return ToQString(caption);
}

QString UnderlinedAccessKey(const String& caption) {
  QString html;
  const QString text = ToQString(caption);
  for (qsizetype i = 0; i < text.size(); ++i) {
    QChar c = text.at(i);
    if (c == u'&' && i + 1 < text.size()) {
      c = text.at(++i);
      if (c != u'&') {
        html += QStringLiteral("<u>") + QString(c).toHtmlEscaped() + QStringLiteral("</u>");
        continue;
      }
    }
    html += QString(c).toHtmlEscaped();
  }
  html.replace(u'\n', QStringLiteral("<br>"));
  return html;
}
