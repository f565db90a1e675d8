#pragma once
// Pictures for the README and for review: the designer window with its forms open, then, for
// the first component that offers each, the package's dialogs, each cancelled once taken. Only
// verbs and property editors that open a dialog are used, never a toggling verb or a migration.
#include <QString>
#include <vector>

#include "DesignSession.h"

class TDesignerWindow;
class TQtDriver;

struct TShot {
  std::string File;
  String Window;     // "designer" or the dialog's class
  String Component;  // empty for the designer window
  String Via;        // the verb's caption or the property's name
};

// Takes the pictures into the folder and writes its index.json. Failures (a dialog that no
// component offers, an error box) are printed on standard error; false when any occurred.
bool TakeScreenshots(TDesignSession& session, TDesignerWindow& window, TQtDriver& driver,
                     const QString& folder, std::vector<TShot>& shots);
