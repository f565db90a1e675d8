#pragma once
// The designer's main window: the palette, one window per open form, the component tree and
// the object inspector, and the File menu.
#include <QMainWindow>
#include <map>

#include "DesignSession.h"

class QMdiArea;
class QTreeWidget;
class QTreeWidgetItem;
class TInspector;
class TModuleView;

class TDesignerWindow : public QMainWindow {
 public:
  explicit TDesignerWindow(TDesignSession& session);

  // Adds the window of a module opened in the session.
  void AddModule(TFormModule& module);
  TModuleView* ViewOf(const TFormModule& module) const;
  TModuleView* ActiveView() const;
  TInspector& Inspector() const { return *FInspector; }
  QTreeWidget& Tree() const { return *FTree; }
  // Selects the component in its form window, the tree and the inspector.
  void Select(TComponent* component);
  // Saves the active module; false when there is none or it failed (the error was shown).
  bool SaveActive();
  bool SaveAll();
  // Deletes the component selected in the active form window.
  void DeleteSelected();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildPalette();
  void BuildMenus();
  void RefreshTree();
  void RefreshTitles();
  bool Save(TFormModule& module);
  void AddFromPalette(const TClassInfo& cls);

  TDesignSession& FSession;
  QMdiArea* FArea;
  QTreeWidget* FTree;
  TInspector* FInspector;
  std::map<const TFormModule*, TModuleView*> FViews;
  bool FSelecting = false;
};
