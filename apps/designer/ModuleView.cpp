#include "ModuleView.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QPainter>

#include "QtGraphics.h"
#include "QtText.h"
#include "designide/Registry.h"
#include "forms/Forms.h"
#include "forms/Resources.h"

namespace {

constexpr int kTile = 28;

// Exceptions of editors are shown as the host shows them; the session goes on.
void Guarded(const std::function<void()>& work) {
  try {
    work();
  } catch (const Exception& error) {
    Application()->ShowException(error);
  } catch (const std::exception& error) {
    MessageDlg(FromUtf8(error.what()), TMsgDlgType::mtError, Buttons({mbOK}), 0);
  }
}

}  // namespace

QPixmap ClassIcon(const TDesignSession& session, const TClassInfo& cls) {
  String upper = cls.Name;
  for (Char& c : upper) {
    if (c >= 'a' && c <= 'z') c = static_cast<Char>(c - 'a' + 'A');
  }
  std::shared_ptr<TBitmap> bitmap;
  try {
    for (const TPackageResourceTable* resources : session.PackageResources()) {
      if ((bitmap = LoadBitmapResource(*resources, upper)) != nullptr) break;
    }
    if (bitmap == nullptr) bitmap = LoadBitmapResource(upper);
  } catch (const Exception&) {
    bitmap = nullptr;  // a broken picture gets the lettered tile
  }
  if (bitmap != nullptr && !bitmap->Empty()) return QPixmap::fromImage(ToQImage(*bitmap));
  QPixmap tile(24, 24);
  tile.fill(QColor(0xe8, 0xe8, 0xf0));
  QPainter painter(&tile);
  painter.setPen(Qt::darkBlue);
  painter.drawRect(0, 0, 23, 23);
  QFont font = painter.font();
  font.setPixelSize(9);
  painter.setFont(font);
  painter.drawText(tile.rect(), Qt::AlignCenter, ToQString(cls.Name).mid(1, 3));
  return tile;
}

TModuleView::TModuleView(TDesignSession& session, TFormModule& module, QWidget* parent)
    : QWidget(parent), FSession(session), FModule(module) {
  setObjectName(ToQString(module.Root()->Name()));
  setAutoFillBackground(true);
  setMinimumSize(320, 240);
}

std::vector<TComponent*> TModuleView::Components() const {
  std::vector<TComponent*> result;
  TComponent* root = FModule.Root();
  for (int i = 0; i < root->ComponentCount(); ++i) {
    TComponent* c = root->Components(i);
    if (dynamic_cast<TControl*>(c) == nullptr) result.push_back(c);
  }
  return result;
}

QRect TModuleView::TileOf(const TComponent& component) const {
  const TDesignPos pos = DesignPos(component);
  return QRect(pos.X, pos.Y, kTile, kTile);
}

TComponent* TModuleView::ComponentAt(const QPoint& pos) const {
  const auto components = Components();
  for (auto it = components.rbegin(); it != components.rend(); ++it) {
    if (TileOf(**it).contains(pos)) return *it;
  }
  return nullptr;
}

void TModuleView::Select(TComponent* component) {
  FSelected = component;
  update();
  if (OnSelect) OnSelect(component);
}

void TModuleView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), palette().color(QPalette::Base));
  painter.setPen(palette().color(QPalette::Mid));
  for (int x = 0; x < width(); x += 8) {
    for (int y = 0; y < height(); y += 8) painter.drawPoint(x, y);
  }
  for (TComponent* c : Components()) {
    const QRect tile = TileOf(*c);
    painter.fillRect(tile, palette().color(QPalette::Button));
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawRect(tile.adjusted(0, 0, -1, -1));
    painter.drawPixmap(tile.left() + 2, tile.top() + 2, ClassIcon(FSession, c->ClassType()));
    painter.setPen(palette().color(QPalette::Text));
    painter.drawText(QRect(tile.left() - 40, tile.bottom() + 2, kTile + 80, 16),
                     Qt::AlignHCenter | Qt::AlignTop, ToQString(c->Name()));
    if (c == FSelected) {
      painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
      painter.drawRect(tile.adjusted(-2, -2, 1, 1));
    }
  }
}

void TModuleView::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  TComponent* hit = ComponentAt(event->position().toPoint());
  Select(hit);
  if (hit != nullptr) {
    FDragStart = event->position().toPoint();
    FDragOffset = FDragStart - TileOf(*hit).topLeft();
    FDragging = true;
  }
}

void TModuleView::mouseMoveEvent(QMouseEvent* event) {
  if (FDragging) update();
  QWidget::mouseMoveEvent(event);
}

void TModuleView::mouseReleaseEvent(QMouseEvent* event) {
  if (!FDragging || FSelected == nullptr) return;
  FDragging = false;
  const QPoint to = event->position().toPoint();
  if ((to - FDragStart).manhattanLength() < 4) return;
  const QPoint corner = to - FDragOffset;
  FSelected->SetDesignInfo(DesignInfoOf({std::max(0, corner.x()), std::max(0, corner.y())}));
  FSession.DesignerOf(FModule).Modified();
  update();
}

void TModuleView::mouseDoubleClickEvent(QMouseEvent* event) {
  TComponent* hit = ComponentAt(event->position().toPoint());
  if (hit == nullptr) return;
  FDragging = false;
  RunDefault(FSession, *hit);
  if (OnEdited) OnEdited();
  update();
}

void TModuleView::contextMenuEvent(QContextMenuEvent* event) {
  TComponent* hit = ComponentAt(event->pos());
  if (hit == nullptr) return;
  Select(hit);
  ShowVerbs(FSession, *hit, event->globalPos(), [this] {
    if (OnEdited) OnEdited();
    update();
  });
}

void TModuleView::ShowVerbs(TDesignSession& session, TComponent& component, const QPoint& globalPos,
                            const std::function<void()>& done) {
  TFormModule* module = session.ModuleOf(&component);
  if (module == nullptr) return;
  IDesigner* designer = &session.DesignerOf(*module);
  QMenu menu;
  menu.setObjectName(QStringLiteral("VerbMenu"));
  Guarded([&] {
    auto editor = GetComponentEditor(&component, designer);
    for (int i = 0; i < editor->GetVerbCount(); ++i) {
      menu.addAction(ToQString(editor->GetVerb(i)))->setData(i);
    }
  });
  if (menu.isEmpty()) return;
  QAction* chosen = menu.exec(globalPos);
  if (chosen == nullptr) return;
  Guarded([&] {
    // A fresh editor, as the host makes one per use: captions follow the component's state.
    GetComponentEditor(&component, designer)->ExecuteVerb(chosen->data().toInt());
  });
  done();
}

void TModuleView::RunDefault(TDesignSession& session, TComponent& component) {
  TFormModule* module = session.ModuleOf(&component);
  if (module == nullptr) return;
  Guarded([&] { GetComponentEditor(&component, &session.DesignerOf(*module))->Edit(); });
}
