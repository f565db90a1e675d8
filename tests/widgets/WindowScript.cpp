#include "WindowScript.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QTest>

#include "forms/Forms.h"

TWindowScript::TWindowScript(TQtDriver& driver) : FDriver(driver) {
  FDriver.OnShown = [this](QWidget& window, TCustomForm* form) { Shown(window, form); };
}

TWindowScript::~TWindowScript() {
  FDriver.OnShown = nullptr;
  EXPECT_TRUE(FActions.empty()) << FActions.size() << " window actions were not used";
}

TWindowScript& TWindowScript::Then(TAction action) {
  FActions.push_back(std::move(action));
  return *this;
}

void TWindowScript::Shown(QWidget& window, TCustomForm* form) {
  FTitles.push_back(window.windowTitle());
  if (FActions.empty()) {
    ADD_FAILURE() << "No action for the window '" << window.windowTitle().toStdString() << "'";
  } else {
    TAction action = std::move(FActions.front());
    FActions.pop_front();
    try {
      action(window);
    } catch (const std::exception& error) {
      ADD_FAILURE() << "The action for '" << window.windowTitle().toStdString()
                    << "' failed: " << error.what();
    }
    // A dialog hides once its loop returns; its modal result already says it is closing.
    if (form != nullptr ? form->ModalResult() != mrNone : !window.isVisible()) return;
    ADD_FAILURE() << "The window '" << window.windowTitle().toStdString()
                  << "' is still open after its action";
  }
  if (auto* box = qobject_cast<QMessageBox*>(&window)) {
    box->reject();
  } else {
    window.close();
  }
}

void ClickBoxButton(QWidget& box, const QString& caption) {
  for (QAbstractButton* button : box.findChildren<QAbstractButton*>()) {
    if (button->text() == caption) {
      QTest::mouseClick(button, Qt::LeftButton);
      return;
    }
  }
  ADD_FAILURE() << "The message box has no button " << caption.toStdString();
  throw std::runtime_error("no such button");
}
