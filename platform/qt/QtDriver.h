#pragma once
// The interactive UI driver: forms as real windows (FormWindow.h), message boxes, the hourglass
// cursor, help and the desktop's open-a-document, all on Qt Widgets. A QApplication must exist.
#include <QString>
#include <functional>
#include <vector>

#include "forms/UIDriver.h"

class QWidget;
class TFormWindow;

class TQtDriver : public TUIDriver {
 public:
  // Installs itself until destroyed; dialogs open over the given window.
  explicit TQtDriver(QWidget* mainWindow = nullptr);
  ~TQtDriver() override;
  TQtDriver(const TQtDriver&) = delete;
  TQtDriver& operator=(const TQtDriver&) = delete;

  // Called from inside the modal loop once a dialog (form set) or message box (form null) shows:
  // tests and the screenshot mode act on the window there.
  std::function<void(QWidget& window, TCustomForm* form)> OnShown;
  // Opens a document or address; the desktop's handler by default. True on success.
  std::function<bool(const QString& document)> OpenDocument;
  void SetMainWindow(QWidget* window) { FMainWindow = window; }
  // The innermost dialog shown, or null.
  TFormWindow* ActiveWindow() const { return FWindows.empty() ? nullptr : FWindows.back(); }

  TModalResult ShowModal(TCustomForm& form) override;
  TModalResult MessageDlg(const String& message, TMsgDlgType type, TMsgDlgButtons buttons,
                          int helpContext) override;
  void CursorChanged(TCursor cursor) override;
  void HelpContext(int context) override;
  int ShellExecute(const String& operation, const String& file, const String& parameters,
                   const String& directory, int showCommand) override;

 private:
  QWidget* Parent() const;

  TUIDriver* FPrevious;
  QWidget* FMainWindow;
  std::vector<TFormWindow*> FWindows;
  bool FCursorSet = false;
};
