// The form itself, panels, group boxes, page controls, bevels, images and splitters.
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <QTabBar>
#include <QTabWidget>

#include "FormWindow.h"
#include "QtGraphics.h"
#include "QtText.h"
#include "Views.h"
#include "forms/UserInput.h"

namespace {

class TFormView : public TControlView {
 public:
  TFormView(TFormWindow& window, TCustomForm& form)
      : TControlView(window, form, &window), FForm(form) {
    Qt::WindowFlags flags = Qt::Dialog | Qt::WindowTitleHint;
    if ((form.BorderIcons() & (1 << biSystemMenu)) != 0) {
      flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    }
    if (Sizeable() && (form.BorderIcons() & (1 << biMaximize)) != 0) {
      flags |= Qt::WindowMaximizeButtonHint;
    }
    window.setWindowFlags(flags);
  }

 protected:
  bool PlacedByParent() const override { return true; }
  void PullOwn() override {
    QWidget& window = *Widget();
    window.setWindowTitle(ToQString(FForm.Caption()));
    if (Sizeable()) {
      window.setMinimumSize(0, 0);
      window.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
      window.resize(FForm.ClientWidth(), FForm.ClientHeight());
    } else {
      window.setFixedSize(FForm.ClientWidth(), FForm.ClientHeight());
    }
    if (!FPlaced) Place(window);
  }

 private:
  bool Sizeable() const {
    return FForm.BorderStyle() == TFormBorderStyle::bsSizeable ||
           FForm.BorderStyle() == TFormBorderStyle::bsSizeToolWin;
  }
  void Place(QWidget& window) {
    FPlaced = true;
    if (FForm.Position() == TPosition::poDesigned) {
      window.move(FForm.Left(), FForm.Top());
      return;
    }
    QRect area = window.screen()->availableGeometry();
    if (window.parentWidget() != nullptr && (FForm.Position() == TPosition::poMainFormCenter ||
                                             FForm.Position() == TPosition::poOwnerFormCenter)) {
      area = window.parentWidget()->window()->frameGeometry();
    }
    window.move(area.center() - QPoint(window.width() / 2, window.height() / 2));
  }
  TCustomForm& FForm;
  bool FPlaced = false;
};

// A frame in the host's bevel styles, which Qt's frames do not all have.
class TBevelFrame : public QFrame {
 public:
  TBevelShape Shape = TBevelShape::bsBox;
  bool Raised = false;
  TBevelCut Outer = TBevelCut::bvNone;
  QString Caption;
  Qt::Alignment CaptionAlignment = Qt::AlignCenter;

 protected:
  void paintEvent(QPaintEvent* event) override {
    QFrame::paintEvent(event);
    QPainter painter(this);
    if (!Caption.isEmpty()) {
      painter.setPen(palette().color(QPalette::WindowText));
      painter.drawText(rect().adjusted(4, 0, -4, 0), CaptionAlignment, Caption);
    }
    const QColor first = palette().color(Raised ? QPalette::Light : QPalette::Dark);
    const QColor second = palette().color(Raised ? QPalette::Dark : QPalette::Light);
    const int w = width() - 1, h = height() - 1;
    auto box = [&](int inset, const QColor& topLeft, const QColor& bottomRight) {
      painter.setPen(topLeft);
      painter.drawLine(inset, inset, w - inset, inset);
      painter.drawLine(inset, inset, inset, h - inset);
      painter.setPen(bottomRight);
      painter.drawLine(w - inset, inset, w - inset, h - inset);
      painter.drawLine(inset, h - inset, w - inset, h - inset);
    };
    auto line = [&](QPoint a, QPoint b, QPoint step) {
      painter.setPen(first);
      painter.drawLine(a, b);
      painter.setPen(second);
      painter.drawLine(a + step, b + step);
    };
    if (Outer != TBevelCut::bvNone) {
      const bool raised = Outer == TBevelCut::bvRaised;
      box(0, palette().color(raised ? QPalette::Light : QPalette::Dark),
          palette().color(raised ? QPalette::Dark : QPalette::Light));
      return;
    }
    switch (Shape) {
      case TBevelShape::bsBox:
        box(0, first, second);
        break;
      case TBevelShape::bsFrame:
        box(0, first, first);
        box(1, second, second);
        break;
      case TBevelShape::bsTopLine:
        line({0, 0}, {w, 0}, {0, 1});
        break;
      case TBevelShape::bsBottomLine:
        line({0, h - 1}, {w, h - 1}, {0, 1});
        break;
      case TBevelShape::bsLeftLine:
        line({0, 0}, {0, h}, {1, 0});
        break;
      case TBevelShape::bsRightLine:
        line({w - 1, 0}, {w - 1, h}, {1, 0});
        break;
      case TBevelShape::bsSpacer:
        break;
    }
  }
};

class TBevelView : public TControlView {
 public:
  TBevelView(TFormWindow& window, TBevel& bevel)
      : TControlView(window, bevel, new TBevelFrame), FBevel(bevel) {
    Widget()->setAttribute(Qt::WA_TransparentForMouseEvents);
  }

 protected:
  void PullOwn() override {
    auto& frame = *static_cast<TBevelFrame*>(Widget());
    frame.Shape = FBevel.Shape();
    frame.Raised = FBevel.Style() == TBevelStyle::bsRaised;
    frame.update();
  }

 private:
  TBevel& FBevel;
};

class TPanelView : public TControlView {
 public:
  TPanelView(TFormWindow& window, TPanel& panel)
      : TControlView(window, panel, new TBevelFrame), FPanel(panel) {}

 protected:
  void PullOwn() override {
    auto& frame = *static_cast<TBevelFrame*>(Widget());
    frame.Outer = FPanel.BevelOuter();
    frame.Caption = ToQString(FPanel.Caption());
    frame.CaptionAlignment =
        (FPanel.Alignment() == TAlignment::taLeftJustify    ? Qt::AlignLeft
         : FPanel.Alignment() == TAlignment::taRightJustify ? Qt::AlignRight
                                                            : Qt::AlignHCenter) |
        Qt::AlignVCenter;
    frame.setFrameStyle(FPanel.BorderStyle() == TBorderStyle::bsSingle ? QFrame::Box
                                                                       : QFrame::NoFrame);
    frame.setAutoFillBackground(!FPanel.ParentColor());
    frame.update();
  }

 private:
  TPanel& FPanel;
};

class TGroupBoxView : public TControlView {
 public:
  TGroupBoxView(TFormWindow& window, TGroupBox& group)
      : TControlView(window, group, new QGroupBox), FGroup(group) {}

 protected:
  void PullOwn() override {
    static_cast<QGroupBox*>(Widget())->setTitle(MnemonicText(FGroup.Caption()));
  }

 private:
  TGroupBox& FGroup;
};

class TSheetView : public TControlView {
 public:
  TSheetView(TFormWindow& window, TTabSheet& sheet) : TControlView(window, sheet, new QWidget) {}

 protected:
  bool PlacedByParent() const override { return true; }
};

// The tabs are Qt's; which page shows is the model's, and a click on a tab is the user's switch.
class TPageView : public TControlView {
 public:
  TPageView(TFormWindow& window, TPageControl& pages)
      : TControlView(window, pages, new QTabWidget), FPages(pages) {}

  void Adopt(TControlView& child) override {
    if (dynamic_cast<TTabSheet*>(&child.Control()) == nullptr) {
      TControlView::Adopt(child);
      return;
    }
    Tabs().addTab(child.Widget(), QString());
  }
  bool MousePress(QMouseEvent& event, QWidget& target) override {
    if (&target != Tabs().tabBar()) return false;
    const int index = Tabs().tabBar()->tabAt(event.position().toPoint());
    if (index < 0) return true;
    TControlView* view = Window().ViewOf(Tabs().widget(index));
    if (auto* sheet = view != nullptr ? dynamic_cast<TTabSheet*>(&view->Control()) : nullptr) {
      Window().Act([this, sheet] { UserInput::SelectTab(FPages, *sheet); });
    }
    return true;
  }
  bool MouseRelease(QMouseEvent& event, QWidget& target) override {
    return &target == Tabs().tabBar() || TControlView::MouseRelease(event, target);
  }

 protected:
  void PullOwn() override {
    QTabWidget& tabs = Tabs();
    // The sheets fill the page area, which the model learns from the widget.
    const int sheetWidth = std::max(0, FPages.Width() - 8);
    const int sheetHeight = std::max(0, FPages.Height() - tabs.tabBar()->sizeHint().height() - 8);
    for (int i = 0; i < FPages.PageCount(); ++i) {
      TTabSheet* sheet = FPages.Pages(i);
      TControlView* view = Window().ViewOf(sheet);
      if (view == nullptr) continue;
      int index = tabs.indexOf(view->Widget());
      if (index < 0) continue;
      if (index != i && i < tabs.count()) {
        tabs.tabBar()->moveTab(index, i);
        index = i;
      }
      tabs.setTabText(index, MnemonicText(sheet->Caption()));
      tabs.setTabVisible(index, sheet->TabVisible());
      tabs.setTabEnabled(index, sheet->Enabled());
      if (sheet->Width() != sheetWidth || sheet->Height() != sheetHeight) {
        sheet->SetBounds(0, 0, sheetWidth, sheetHeight);
      }
    }
    if (TControlView* active = Window().ViewOf(FPages.ActivePage())) {
      tabs.setCurrentWidget(active->Widget());
    }
  }

 private:
  QTabWidget& Tabs() const { return *static_cast<QTabWidget*>(Widget()); }
  TPageControl& FPages;
};

class TImageView : public TControlView {
 public:
  TImageView(TFormWindow& window, TImage& image)
      : TControlView(window, image, new QLabel), FImage(image) {}

 protected:
  void PullOwn() override {
    auto& label = *static_cast<QLabel*>(Widget());
    const TBitmap& bitmap = *FImage.Picture()->Bitmap();
    if (bitmap.Empty()) {
      label.clear();
    } else if (FShownData != FImage.Picture()->Data() || label.pixmap().isNull()) {
      label.setPixmap(QPixmap::fromImage(ToQImage(bitmap)));
    }
    FShownData = FImage.Picture()->Data();
    label.setScaledContents(FImage.Stretch());
    label.setAlignment(FImage.Center() ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignTop);
  }

 private:
  TImage& FImage;
  std::vector<uint8_t> FShownData;
};

// A drag resizes the neighbouring control when the button is released.
class TSplitterView : public TControlView {
 public:
  TSplitterView(TFormWindow& window, TSplitter& splitter)
      : TControlView(window, splitter, new QWidget), FSplitter(splitter) {}

  bool MousePress(QMouseEvent& event, QWidget&) override {
    FStart = event.globalPosition().toPoint();
    FDragging = true;
    return true;
  }
  bool MouseMove(QMouseEvent&, QWidget&) override { return FDragging; }
  bool MouseRelease(QMouseEvent& event, QWidget&) override {
    if (!FDragging) return true;
    FDragging = false;
    TControl* resized = FSplitter.ResizeControl();
    if (resized == nullptr) return true;
    const QPoint delta = event.globalPosition().toPoint() - FStart;
    int size = 0;
    switch (FSplitter.Align()) {
      case TAlign::alLeft:
        size = resized->Width() + delta.x();
        break;
      case TAlign::alRight:
        size = resized->Width() - delta.x();
        break;
      case TAlign::alTop:
        size = resized->Height() + delta.y();
        break;
      case TAlign::alBottom:
        size = resized->Height() - delta.y();
        break;
      default:
        return true;
    }
    Window().Act([this, size] { UserInput::DragSplitter(FSplitter, size); });
    return true;
  }
  bool DoubleClick(QMouseEvent&, QWidget&) override { return true; }

 protected:
  void PullOwn() override {
    const bool across = FSplitter.Align() == TAlign::alTop || FSplitter.Align() == TAlign::alBottom;
    Widget()->setCursor(across ? Qt::SplitVCursor : Qt::SplitHCursor);
  }

 private:
  TSplitter& FSplitter;
  QPoint FStart;
  bool FDragging = false;
};

}  // namespace

std::unique_ptr<TControlView> CreateContainerView(TFormWindow& window, TControl& control) {
  if (auto* form = dynamic_cast<TCustomForm*>(&control)) {
    return std::make_unique<TFormView>(window, *form);
  }
  if (auto* panel = dynamic_cast<TPanel*>(&control)) {
    return std::make_unique<TPanelView>(window, *panel);
  }
  if (auto* group = dynamic_cast<TGroupBox*>(&control)) {
    return std::make_unique<TGroupBoxView>(window, *group);
  }
  if (auto* pages = dynamic_cast<TPageControl*>(&control)) {
    return std::make_unique<TPageView>(window, *pages);
  }
  if (auto* sheet = dynamic_cast<TTabSheet*>(&control)) {
    return std::make_unique<TSheetView>(window, *sheet);
  }
  if (auto* bevel = dynamic_cast<TBevel*>(&control)) {
    return std::make_unique<TBevelView>(window, *bevel);
  }
  if (auto* image = dynamic_cast<TImage*>(&control)) {
    return std::make_unique<TImageView>(window, *image);
  }
  if (auto* splitter = dynamic_cast<TSplitter*>(&control)) {
    return std::make_unique<TSplitterView>(window, *splitter);
  }
  return nullptr;
}
