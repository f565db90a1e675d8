#include "QtDriver.h"

#include <QApplication>
#include <QDesktopServices>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QUrl>
#include <map>

#include "FormWindow.h"
#include "QtGraphics.h"
#include "QtText.h"

namespace {

struct TButtonLook {
  const char* Caption;
  QMessageBox::ButtonRole Role;
};

// The host's captions, so that the access keys match what users of the host know.
TButtonLook LookOf(TMsgDlgBtn button) {
  switch (button) {
    case mbYes:
      return {"&Yes", QMessageBox::YesRole};
    case mbNo:
      return {"&No", QMessageBox::NoRole};
    case mbOK:
      return {"OK", QMessageBox::AcceptRole};
    case mbCancel:
      return {"Cancel", QMessageBox::RejectRole};
    case mbAbort:
      return {"&Abort", QMessageBox::RejectRole};
    case mbRetry:
      return {"&Retry", QMessageBox::AcceptRole};
    case mbIgnore:
      return {"&Ignore", QMessageBox::AcceptRole};
    case mbAll:
      return {"&All", QMessageBox::YesRole};
    case mbNoToAll:
      return {"N&o to All", QMessageBox::NoRole};
    case mbYesToAll:
      return {"Yes to &All", QMessageBox::YesRole};
    case mbHelp:
      return {"&Help", QMessageBox::HelpRole};
    case mbClose:
      return {"&Close", QMessageBox::RejectRole};
  }
  return {"", QMessageBox::InvalidRole};
}

QString TitleOf(TMsgDlgType type) {
  switch (type) {
    case TMsgDlgType::mtWarning:
      return QStringLiteral("Warning");
    case TMsgDlgType::mtError:
      return QStringLiteral("Error");
    case TMsgDlgType::mtInformation:
      return QStringLiteral("Information");
    case TMsgDlgType::mtConfirmation:
      return QStringLiteral("Confirm");
    case TMsgDlgType::mtCustom:
      break;
  }
  return ToQString(Application()->Title());
}

QMessageBox::Icon IconOf(TMsgDlgType type) {
  switch (type) {
    case TMsgDlgType::mtWarning:
      return QMessageBox::Warning;
    case TMsgDlgType::mtError:
      return QMessageBox::Critical;
    case TMsgDlgType::mtInformation:
      return QMessageBox::Information;
    case TMsgDlgType::mtConfirmation:
      return QMessageBox::Question;
    case TMsgDlgType::mtCustom:
      break;
  }
  return QMessageBox::NoIcon;
}

}  // namespace

TQtDriver::TQtDriver(QWidget* mainWindow)
    : OpenDocument([](const QString& document) {
        return QDesktopServices::openUrl(QUrl::fromUserInput(document));
      }),
      FPrevious(SetUIDriver(this)),
      FMainWindow(mainWindow) {}

TQtDriver::~TQtDriver() {
  if (FCursorSet) QApplication::restoreOverrideCursor();
  SetUIDriver(FPrevious);
}

QWidget* TQtDriver::Parent() const {
  return FWindows.empty() ? FMainWindow : FWindows.back();
}

TModalResult TQtDriver::ShowModal(TCustomForm& form) {
  // What the window behind shows is current while the new one is open.
  if (TFormWindow* behind = ActiveWindow()) behind->Sync();
  TFormWindow window(form, Parent());
  FWindows.push_back(&window);
  struct TPop {
    std::vector<TFormWindow*>& Windows;
    ~TPop() { Windows.pop_back(); }
  } pop{FWindows};
  form.BeginModal();
  try {
    QTimer::singleShot(0, &window, [this, &window, &form] {
      if (OnShown) OnShown(window, &form);
    });
    window.RunModal();
  } catch (...) {
    form.EndModal();
    throw;
  }
  const TModalResult result = form.ModalResult();
  form.EndModal();
  return result;
}

TModalResult TQtDriver::MessageDlg(const String& message, TMsgDlgType type, TMsgDlgButtons buttons,
                                   int helpContext) {
  if (TFormWindow* behind = ActiveWindow()) behind->Sync();
  QMessageBox box(Parent());
  box.setWindowTitle(TitleOf(type));
  box.setIcon(IconOf(type));
  box.setText(ToQString(message));
  box.setTextFormat(Qt::PlainText);
  std::map<QAbstractButton*, TMsgDlgBtn> shown;
  QPushButton* escape = nullptr;
  for (int b = mbYes; b <= mbClose; ++b) {
    if ((buttons & (1u << b)) == 0) continue;
    const auto button = static_cast<TMsgDlgBtn>(b);
    const TButtonLook look = LookOf(button);
    QPushButton* added = box.addButton(QString::fromUtf8(look.Caption), look.Role);
    shown[added] = button;
    if (shown.size() == 1) box.setDefaultButton(added);
    if (button == mbCancel || (button == mbNo && escape == nullptr) ||
        (button == mbOK && escape == nullptr)) {
      escape = added;
    }
  }
  if (shown.empty()) shown[box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole)] = mbOK;
  if (escape != nullptr) box.setEscapeButton(escape);
  for (;;) {
    QTimer::singleShot(0, &box, [this, &box] {
      if (OnShown) OnShown(box, nullptr);
    });
    box.exec();
    auto it = shown.find(box.clickedButton());
    if (it == shown.end()) return escape != nullptr ? ModalResultOf(shown[escape]) : mrCancel;
    if (it->second != mbHelp) return ModalResultOf(it->second);
    HelpContext(helpContext);
  }
}

void TQtDriver::CursorChanged(TCursor cursor) {
  if (cursor == crDefault) {
    if (FCursorSet) QApplication::restoreOverrideCursor();
    FCursorSet = false;
  } else if (FCursorSet) {
    QApplication::changeOverrideCursor(ToQCursorShape(cursor));
  } else {
    QApplication::setOverrideCursor(ToQCursorShape(cursor));
    FCursorSet = true;
  }
}

// No help files are installed on this desktop; the user learns which topic was asked for.
void TQtDriver::HelpContext(int context) {
  MessageDlg(STR("No help is installed for help context ") + IntToStr(context) + STR("."),
             TMsgDlgType::mtInformation, Buttons({mbOK}), 0);
}

int TQtDriver::ShellExecute(const String& operation, const String& file, const String&,
                            const String&, int) {
  if (!operation.empty() && !SameText(operation, STR("open"))) return 31;
  return OpenDocument(ToQString(file)) ? 42 : 2;
}
