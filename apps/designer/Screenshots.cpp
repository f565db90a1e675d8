#include "Screenshots.h"

#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QPixmap>
#include <QSaveFile>
#include <iostream>

#include "DesignerWindow.h"
#include "Json.h"
#include "QtDriver.h"
#include "QtText.h"
#include "designide/Registry.h"
#include "forms/Forms.h"
#include "library/MySQLDatabase.h"

namespace {

struct TTarget {
  String Via;
  bool Verb;  // else a property whose editor opens the dialog
};

// The dialogs and how a user reaches them, in the order of the pictures.
const std::vector<TTarget>& Targets() {
  static const std::vector<TTarget> targets = {
      {STR("MySQLDatabase &Editor..."), true},
      {STR("SQL Editor..."), true},
      {STR("&MySQLUpdateSQL Editor..."), true},
      {STR("MasterFields"), false},
      {STR("About"), false},
  };
  return targets;
}

void Settle() {
  for (int i = 0; i < 5; ++i) QApplication::processEvents();
}

String Slug(const String& text) {
  String slug;
  for (Char c : text) {
    if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) {
      slug += c;
    }
  }
  return slug;
}

// Runs the way into the dialog on the first component that offers it; false when none does.
bool Reach(TDesignSession& session, const TTarget& target, String& component) {
  for (int m = 0; m < session.ModuleCount(); ++m) {
    TFormModule& module = session.Module(m);
    TModuleDesigner& designer = session.DesignerOf(module);
    TComponent* root = module.Root();
    for (int i = 0; i < root->ComponentCount(); ++i) {
      TComponent* c = root->Components(i);
      if (target.Verb) {
        auto editor = GetComponentEditor(c, &designer);
        for (int v = 0; v < editor->GetVerbCount(); ++v) {
          if (editor->GetVerb(v) != target.Via) continue;
          component = module.Root()->Name() + STR(".") + c->Name();
          editor->ExecuteVerb(v);
          return true;
        }
      } else if (c->ClassType().FindProp(target.Via) != nullptr) {
        auto editor = GetPropertyEditor(&designer, {c}, target.Via);
        if (!HasAttribute(editor->GetAttributes(), paDialog)) continue;
        component = module.Root()->Name() + STR(".") + c->Name();
        editor->Edit();
        return true;
      }
    }
  }
  return false;
}

// As a designer opening the forms would: the connections stored as connected are opened (with
// the run's settings), so that lists and dialogs show the server's data. False when one fails.
bool ConnectStored(TDesignSession& session) {
  bool ok = true;
  for (int m = 0; m < session.ModuleCount(); ++m) {
    TComponent* root = session.Module(m).Root();
    for (int i = 0; i < root->ComponentCount(); ++i) {
      auto* database = dynamic_cast<TmySQLDatabase*>(root->Components(i));
      if (database == nullptr || !database->StoredConnected()) continue;
      try {
        database->SetConnected(true);
      } catch (const Exception& error) {
        std::cerr << "ombrix-designer: " << ToUtf8(root->Name() + STR(".") + database->Name())
                  << ": " << ToUtf8(error.Message()) << '\n';
        ok = false;
      }
    }
  }
  return ok;
}

bool WriteIndex(const QString& folder, const std::vector<TShot>& shots) {
  std::vector<std::string> entries;
  for (const TShot& shot : shots) {
    entries.push_back(JsonObject({{"file", JsonString(FromUtf8(shot.File))},
                                  {"window", JsonString(shot.Window)},
                                  {"component", JsonString(shot.Component)},
                                  {"via", JsonString(shot.Via)}}));
  }
  QSaveFile file(QDir(folder).filePath(QStringLiteral("index.json")));
  if (!file.open(QIODevice::WriteOnly)) return false;
  const std::string text = JsonArray(entries) + "\n";
  file.write(text.data(), static_cast<qint64>(text.size()));
  return file.commit();
}

}  // namespace

bool TakeScreenshots(TDesignSession& session, TDesignerWindow& window, TQtDriver& driver,
                     const QString& folder, std::vector<TShot>& shots) {
  bool ok = QDir().mkpath(folder);
  auto save = [&](QWidget& widget, const std::string& name) {
    Settle();
    if (!widget.grab().save(QDir(folder).filePath(QString::fromStdString(name)), "PNG")) {
      std::cerr << "ombrix-designer: cannot write " << name << " in " << folder.toStdString()
                << '\n';
      ok = false;
    }
  };
  ok = ConnectStored(session) && ok;
  window.show();
  // The first component selected, so that the inspector shows rows.
  if (session.ModuleCount() > 0 && session.Module(0).Root()->ComponentCount() > 0) {
    window.Select(session.Module(0).Root()->Components(0));
  }
  save(window, "designer.png");
  shots.push_back({"designer.png", STR("designer"), String(), String()});

  const TTarget* current = nullptr;
  String component;
  int taken = 0;
  driver.OnShown = [&](QWidget& shown, TCustomForm* form) {
    if (form == nullptr) {
      // An error on the way: reported, and the box closed so that the run goes on.
      if (auto* box = qobject_cast<QMessageBox*>(&shown)) {
        std::cerr << "ombrix-designer: " << ToUtf8(current->Via) << ": "
                  << box->text().toStdString() << '\n';
        ok = false;
        box->reject();
      }
      return;
    }
    const std::string name =
        std::to_string(++taken) + "-" + ToUtf8(Slug(form->ClassName())) + ".png";
    save(shown, name);
    shots.push_back({name, form->ClassName(), component, current->Via});
    shown.close();  // the close box: the dialog is cancelled
  };
  for (const TTarget& target : Targets()) {
    current = &target;
    component.clear();
    try {
      if (!Reach(session, target, component)) {
        std::cerr << "ombrix-designer: no component offers " << ToUtf8(target.Via) << '\n';
        ok = false;
      }
    } catch (const Exception& error) {
      std::cerr << "ombrix-designer: " << ToUtf8(target.Via) << ": " << ToUtf8(error.Message())
                << '\n';
      ok = false;
    }
  }
  driver.OnShown = nullptr;
  if (!WriteIndex(folder, shots)) {
    std::cerr << "ombrix-designer: cannot write index.json in " << folder.toStdString() << '\n';
    ok = false;
  }
  return ok;
}
