#include "DesignerWindow.h"

#include <QCloseEvent>
#include <QDockWidget>
#include <QHBoxLayout>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>

#include "Inspector.h"
#include "ModuleView.h"
#include "QtText.h"
#include "designide/Registry.h"
#include "forms/Forms.h"

namespace {

QString ModuleTitle(const TFormModule& module, bool modified) {
  return ToQString(module.Root()->Name()) + QStringLiteral(" (") +
         QString::fromStdString(module.FileName().filename().string()) +
         (modified ? QStringLiteral(") *") : QStringLiteral(")"));
}

QString ItemText(const TComponent& c) {
  return ToQString(c.Name()) + QStringLiteral(": ") + ToQString(c.ClassName());
}

}  // namespace

TDesignerWindow::TDesignerWindow(TDesignSession& session) : FSession(session) {
  setObjectName(QStringLiteral("Designer"));
  setWindowTitle(QStringLiteral("Ombrix Designer"));
  FArea = new QMdiArea;
  FArea->setObjectName(QStringLiteral("Forms"));
  setCentralWidget(FArea);
  FTree = new QTreeWidget;
  FTree->setObjectName(QStringLiteral("ComponentTree"));
  FTree->setHeaderHidden(true);
  FTree->setContextMenuPolicy(Qt::CustomContextMenu);
  auto* treeDock = new QDockWidget(QStringLiteral("Components"));
  treeDock->setObjectName(QStringLiteral("ComponentsDock"));
  treeDock->setWidget(FTree);
  addDockWidget(Qt::LeftDockWidgetArea, treeDock);
  FInspector = new TInspector(session);
  auto* inspectorDock = new QDockWidget(QStringLiteral("Object Inspector"));
  inspectorDock->setObjectName(QStringLiteral("InspectorDock"));
  inspectorDock->setWidget(FInspector);
  addDockWidget(Qt::RightDockWidgetArea, inspectorDock);
  BuildMenus();
  BuildPalette();

  QObject::connect(FTree, &QTreeWidget::currentItemChanged, [this](QTreeWidgetItem* item) {
    if (FSelecting || item == nullptr) return;
    Select(static_cast<TComponent*>(item->data(0, Qt::UserRole).value<void*>()));
  });
  QObject::connect(FTree, &QTreeWidget::itemDoubleClicked, [this](QTreeWidgetItem* item) {
    auto* c = static_cast<TComponent*>(item->data(0, Qt::UserRole).value<void*>());
    if (c == nullptr || FSession.ModuleOf(c)->Root() == c) return;
    TModuleView::RunDefault(FSession, *c);
    FInspector->Refresh();
  });
  QObject::connect(FTree, &QTreeWidget::customContextMenuRequested, [this](const QPoint& pos) {
    QTreeWidgetItem* item = FTree->itemAt(pos);
    if (item == nullptr) return;
    auto* c = static_cast<TComponent*>(item->data(0, Qt::UserRole).value<void*>());
    if (c == nullptr || FSession.ModuleOf(c)->Root() == c) return;
    TModuleView::ShowVerbs(FSession, *c, FTree->viewport()->mapToGlobal(pos),
                           [this] { FInspector->Refresh(); });
  });
  FSession.OnModified = [this](TFormModule&) {
    RefreshTitles();
    RefreshTree();
    for (auto& [module, view] : FViews) view->update();
  };
  QObject::connect(FArea, &QMdiArea::subWindowActivated, [this](QMdiSubWindow* window) {
    if (window == nullptr) return;
    if (auto* view = dynamic_cast<TModuleView*>(window->widget())) Select(view->Selected());
  });
  resize(1180, 680);
  resizeDocks({treeDock, inspectorDock}, {240, 330}, Qt::Horizontal);
}

void TDesignerWindow::BuildMenus() {
  QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
  file->addAction(QStringLiteral("&Save"), QKeySequence::Save, [this] { SaveActive(); });
  file->addAction(QStringLiteral("Save A&ll"), QKeySequence(QStringLiteral("Ctrl+Shift+S")),
                  [this] { SaveAll(); });
  file->addSeparator();
  file->addAction(QStringLiteral("E&xit"), QKeySequence::Quit, [this] { close(); });
  QMenu* edit = menuBar()->addMenu(QStringLiteral("&Edit"));
  edit->addAction(QStringLiteral("&Delete"), QKeySequence::Delete, [this] { DeleteSelected(); });
}

void TDesignerWindow::BuildPalette() {
  auto* pages = new QTabWidget;
  pages->setObjectName(QStringLiteral("Palette"));
  std::map<String, QWidget*> byPage;
  for (const TPaletteEntry& entry : PaletteEntries()) {
    QWidget*& page = byPage[entry.Page];
    if (page == nullptr) {
      page = new QWidget;
      page->setLayout(new QHBoxLayout);
      page->layout()->setContentsMargins(2, 2, 2, 2);
      pages->addTab(page, ToQString(entry.Page));
    }
    auto* button = new QToolButton;
    button->setObjectName(ToQString(entry.Class->Name));
    button->setIcon(QIcon(ClassIcon(FSession, *entry.Class)));
    button->setIconSize(QSize(24, 24));
    button->setToolTip(ToQString(entry.Class->Name));
    const TClassInfo* cls = entry.Class;
    QObject::connect(button, &QToolButton::clicked, [this, cls] { AddFromPalette(*cls); });
    page->layout()->addWidget(button);
  }
  for (auto& [name, page] : byPage) static_cast<QHBoxLayout*>(page->layout())->addStretch();
  auto* bar = new QToolBar(QStringLiteral("Palette"));
  bar->setObjectName(QStringLiteral("PaletteBar"));
  bar->addWidget(pages);
  addToolBar(bar);
}

void TDesignerWindow::AddModule(TFormModule& module) {
  auto* view = new TModuleView(FSession, module);
  auto* window = FArea->addSubWindow(view);
  window->setObjectName(view->objectName() + QStringLiteral("Window"));
  int right = 320, bottom = 240;
  for (TComponent* c : view->Components()) {
    right = std::max(right, view->TileOf(*c).right() + 60);
    bottom = std::max(bottom, view->TileOf(*c).bottom() + 40);
  }
  window->resize(right, bottom);
  view->OnSelect = [this](TComponent* c) {
    if (!FSelecting) Select(c);
  };
  view->OnEdited = [this] {
    FInspector->Refresh();
    RefreshTree();
  };
  FViews[&module] = view;
  window->show();
  RefreshTitles();
  RefreshTree();
}

TModuleView* TDesignerWindow::ViewOf(const TFormModule& module) const {
  auto it = FViews.find(&module);
  return it == FViews.end() ? nullptr : it->second;
}

TModuleView* TDesignerWindow::ActiveView() const {
  QMdiSubWindow* window = FArea->activeSubWindow();
  if (window == nullptr && !FArea->subWindowList().isEmpty())
    window = FArea->subWindowList().front();
  return window != nullptr ? dynamic_cast<TModuleView*>(window->widget()) : nullptr;
}

void TDesignerWindow::Select(TComponent* component) {
  FSelecting = true;
  TFormModule* module = FSession.ModuleOf(component);
  if (TModuleView* view = module != nullptr ? ViewOf(*module) : nullptr) {
    view->Select(component == module->Root() ? nullptr : component);
    for (QMdiSubWindow* window : FArea->subWindowList()) {
      if (window->widget() == view && FArea->activeSubWindow() != window) {
        FArea->setActiveSubWindow(window);
      }
    }
  }
  for (QTreeWidgetItemIterator it(FTree); *it != nullptr; ++it) {
    if ((*it)->data(0, Qt::UserRole).value<void*>() == component) FTree->setCurrentItem(*it);
  }
  FInspector->Inspect(component != nullptr ? component : (module ? module->Root() : nullptr));
  FSelecting = false;
}

void TDesignerWindow::RefreshTree() {
  FSelecting = true;
  FTree->clear();
  for (int i = 0; i < FSession.ModuleCount(); ++i) {
    TComponent* root = FSession.Module(i).Root();
    auto* top = new QTreeWidgetItem(FTree, {ItemText(*root)});
    top->setData(0, Qt::UserRole, QVariant::fromValue(static_cast<void*>(root)));
    for (int k = 0; k < root->ComponentCount(); ++k) {
      TComponent* c = root->Components(k);
      auto* item = new QTreeWidgetItem(top, {ItemText(*c)});
      item->setData(0, Qt::UserRole, QVariant::fromValue(static_cast<void*>(c)));
      if (c == FInspector->Inspected()) FTree->setCurrentItem(item);
    }
  }
  FTree->expandAll();
  FSelecting = false;
}

void TDesignerWindow::RefreshTitles() {
  for (QMdiSubWindow* window : FArea->subWindowList()) {
    if (auto* view = dynamic_cast<TModuleView*>(window->widget())) {
      const TFormModule& module = view->Module();
      window->setWindowTitle(ModuleTitle(module, FSession.DesignerOf(module).IsModified()));
    }
  }
}

void TDesignerWindow::AddFromPalette(const TClassInfo& cls) {
  TModuleView* view = ActiveView();
  if (view == nullptr) return;
  // The next free place in a row of tiles.
  TDesignPos pos{24, 24};
  for (bool taken = true; taken;) {
    taken = false;
    for (TComponent* c : view->Components()) {
      const TDesignPos at = DesignPos(*c);
      if (std::abs(at.X - pos.X) < 40 && std::abs(at.Y - pos.Y) < 40) taken = true;
    }
    if (taken) {
      pos.X += 64;
      if (pos.X > 400) pos = {24, pos.Y + 56};
    }
  }
  try {
    TComponent& added = FSession.AddComponent(view->Module(), cls, pos);
    Select(&added);
  } catch (const Exception& error) {
    Application()->ShowException(error);
  }
}

void TDesignerWindow::DeleteSelected() {
  TModuleView* view = ActiveView();
  TComponent* selected = view != nullptr ? view->Selected() : nullptr;
  if (selected == nullptr) return;
  view->Select(nullptr);
  FInspector->Inspect(nullptr);
  try {
    FSession.DeleteComponent(*selected);
  } catch (const Exception& error) {
    Application()->ShowException(error);
  }
  Select(view->Module().Root());
}

bool TDesignerWindow::Save(TFormModule& module) {
  try {
    const String note = FSession.Save(module);
    if (!note.empty()) MessageDlg(note, TMsgDlgType::mtWarning, Buttons({mbOK}), 0);
  } catch (const Exception& error) {
    Application()->ShowException(error);
    return false;
  } catch (const std::exception& error) {
    MessageDlg(FromUtf8(error.what()), TMsgDlgType::mtError, Buttons({mbOK}), 0);
    return false;
  }
  RefreshTitles();
  return true;
}

bool TDesignerWindow::SaveActive() {
  TModuleView* view = ActiveView();
  return view != nullptr && Save(view->Module());
}

bool TDesignerWindow::SaveAll() {
  bool saved = true;
  for (int i = 0; i < FSession.ModuleCount(); ++i) {
    if (FSession.DesignerOf(FSession.Module(i)).IsModified())
      saved = Save(FSession.Module(i)) && saved;
  }
  return saved;
}

void TDesignerWindow::closeEvent(QCloseEvent* event) {
  for (int i = 0; i < FSession.ModuleCount(); ++i) {
    TFormModule& module = FSession.Module(i);
    if (!FSession.DesignerOf(module).IsModified()) continue;
    const TModalResult answer =
        MessageDlg(STR("Save changes to ") + module.Root()->Name() + STR("?"),
                   TMsgDlgType::mtConfirmation, mbYesNoCancel, 0);
    if (answer == mrCancel || (answer == mrYes && !Save(module))) {
      event->ignore();
      return;
    }
  }
  event->accept();
}
