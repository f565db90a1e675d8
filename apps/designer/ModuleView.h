#pragma once
// The surface of one form: its non-visual components as icons at their design positions. A
// click selects, a drag moves, a double click runs the component editor's default action, the
// context menu offers its verbs.
#include <QWidget>
#include <functional>

#include "DesignSession.h"

class TModuleView : public QWidget {
 public:
  TModuleView(TDesignSession& session, TFormModule& module, QWidget* parent = nullptr);

  TFormModule& Module() const { return FModule; }
  TComponent* Selected() const { return FSelected; }
  void Select(TComponent* component);
  // The icon tile of the component on the surface.
  QRect TileOf(const TComponent& component) const;
  // The components shown: those the root owns that are not controls.
  std::vector<TComponent*> Components() const;

  // A component was selected (null for the form itself).
  std::function<void(TComponent*)> OnSelect;
  // A component editor ran: the inspector and tree may show stale values.
  std::function<void()> OnEdited;

  // What the context menu and a double click do, also for the tree.
  static void ShowVerbs(TDesignSession& session, TComponent& component, const QPoint& globalPos,
                        const std::function<void()>& done);
  static void RunDefault(TDesignSession& session, TComponent& component);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  TComponent* ComponentAt(const QPoint& pos) const;

  TDesignSession& FSession;
  TFormModule& FModule;
  TComponent* FSelected = nullptr;
  QPoint FDragStart;
  QPoint FDragOffset;
  bool FDragging = false;
};

// The palette picture of a class: the bitmap resource named after it in capitals, from the
// session's packages, else the host's own; else its initials on a tile.
QPixmap ClassIcon(const TDesignSession& session, const TClassInfo& cls);
