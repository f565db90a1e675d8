// A dialog shown as real widgets: what the widgets show follows the models, and mouse and key
// input reaches the handlers exactly as a user's would.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

#include "TestDialog.h"
#include "WindowScript.h"
#include "forms/Shell.h"

namespace {

using Log = std::vector<String>;

class DialogWindowTest : public ::testing::Test {
 protected:
  DialogWindowTest() {
    RegisterFormsClasses();
    D.NameEdit->SetBounds(8, 8, 150, 21);
    D.FieldList->SetBounds(8, 40, 150, 80);
    D.TableCombo->SetBounds(170, 8, 150, 21);
    D.QuoteBox->SetBounds(170, 40, 120, 17);
    D.QuoteBox->SetCaption(STR("&Quote names"));
    D.KindGroup->SetBounds(170, 70, 150, 80);
    D.OkButton->SetBounds(150, 262, 75, 25);
    D.OkButton->SetCaption(STR("OK"));
    D.CancelButton->SetBounds(232, 262, 75, 25);
    D.CancelButton->SetCaption(STR("Cancel"));
    D.HelpButton->SetBounds(314, 262, 75, 25);
    D.HelpButton->SetCaption(STR("&Help"));
    D.Log.clear();
  }
  // The log from the first entry that starts with the given text.
  Log LogFrom(const String& first) const {
    auto it = std::find(D.Log.begin(), D.Log.end(), first);
    return Log(it, D.Log.end());
  }

  TQtDriver Driver;
  TWindowScript Script{Driver};
  TTestDialog D{nullptr};
};

TEST_F(DialogWindowTest, WidgetsShowTheModelsAndTypingClicksAndKeysReachTheHandlers) {
  Script.Then([this](QWidget& w) {
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Test"));
    EXPECT_EQ(w.size(), QSize(400, 300));
    auto& name = Child<QLineEdit>(w, "NameEdit");
    EXPECT_EQ(name.geometry(), QRect(8, 8, 150, 21));
    EXPECT_EQ(Child<QPushButton>(w, "OkButton").text(), QStringLiteral("OK"));
    EXPECT_TRUE(Child<QPushButton>(w, "OkButton").isDefault());
    EXPECT_EQ(Child<QCheckBox>(w, "QuoteBox").text(), QStringLiteral("&Quote names"));
    EXPECT_EQ(Child<QListWidget>(w, "FieldList").count(), 3);

    QTest::mouseClick(&name, Qt::LeftButton);
    EXPECT_EQ(D.ActiveControl(), D.NameEdit);
    QTest::keyClicks(&name, "ab");
    QTest::keyClick(&name, Qt::Key_Left);
    QTest::keyClick(&name, Qt::Key_Backspace);
    EXPECT_EQ(D.NameEdit->Text(), STR("b"));
    EXPECT_EQ(name.text(), QStringLiteral("b"));

    // The access key clicks the check box; the widget follows the model it changed.
    QTest::keyClick(&name, Qt::Key_Q, Qt::AltModifier);
    EXPECT_TRUE(D.QuoteBox->Checked());
    EXPECT_TRUE(Child<QCheckBox>(w, "QuoteBox").isChecked());
    // A model change from code shows at the next turn of the loop.
    D.HelpButton->SetEnabled(false);
    QTest::mouseClick(&Child<QCheckBox>(w, "QuoteBox"), Qt::LeftButton);
    EXPECT_FALSE(Child<QPushButton>(w, "HelpButton").isEnabled());
    EXPECT_FALSE(Child<QCheckBox>(w, "QuoteBox").isChecked());

    QTest::keyClick(&w, Qt::Key_Return);
  });
  EXPECT_EQ(D.ShowModal(), mrOk);
  EXPECT_EQ(LogFrom(STR("enter:NameEdit")),
            (Log{STR("enter:NameEdit"), STR("name:a"), STR("name:ab"), STR("name:b"),
                 STR("exit:NameEdit"), STR("quote:on"), STR("quote:off"), STR("ok:1"),
                 STR("closequery")}));
}

TEST_F(DialogWindowTest, ListsCombosAndPagesTakeMouseAndKeyboard) {
  Script.Then([this](QWidget& w) {
    auto& list = Child<QListWidget>(w, "FieldList");
    auto at = [&list](int row) { return list.visualItemRect(list.item(row)).center(); };
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, at(0));
    QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::ControlModifier, at(2));
    EXPECT_TRUE(D.FieldList->Selected(0) && D.FieldList->Selected(2));
    EXPECT_TRUE(list.item(0)->isSelected() && list.item(2)->isSelected());
    EXPECT_FALSE(list.item(1)->isSelected());

    auto& combo = Child<QComboBox>(w, "TableCombo");
    QTest::mouseClick(&combo, Qt::LeftButton);
    if (QWidget* popup = QApplication::activePopupWidget()) popup->close();
    QTest::keyClick(&combo, Qt::Key_Down);
    EXPECT_EQ(D.TableCombo->Text(), STR("orders"));
    EXPECT_EQ(combo.currentText(), QStringLiteral("orders"));

    auto& tabs = Child<QTabWidget>(w, "Pages");
    QTest::mouseClick(tabs.tabBar(), Qt::LeftButton, {}, tabs.tabBar()->tabRect(1).center());
    EXPECT_EQ(D.Pages->ActivePage(), D.SQLPage);
    auto& memo = Child<QPlainTextEdit>(w, "SQLMemo");
    EXPECT_EQ(tabs.currentWidget(), memo.parentWidget());
    EXPECT_GT(memo.width(), 300);  // aligned to the page the tab widget gives it
    QTest::mouseClick(memo.viewport(), Qt::LeftButton);
    QTest::keyClicks(&memo, "x");
    QTest::keyClick(&memo, Qt::Key_Return);
    QTest::keyClicks(&memo, "y");
    EXPECT_EQ(D.SQLMemo->Text(), STR("x\ny"));
    EXPECT_EQ(memo.toPlainText(), QStringLiteral("x\ny"));
    QTest::keyClick(&memo, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(D.SQLMemo->SelLength(), 3);
    EXPECT_EQ(memo.textCursor().selectedText().size(), 3);
    QTest::keyClick(&memo, Qt::Key_Escape);  // the memo's handler closes the dialog
  });
  EXPECT_EQ(D.ShowModal(), mrCancel);
  const Log fields = LogFrom(STR("fields:1"));
  ASSERT_GE(fields.size(), 2u);
  EXPECT_EQ(fields[1], STR("fields:2"));
  EXPECT_NE(std::find(D.Log.begin(), D.Log.end(), STR("click:orders")), D.Log.end());
  EXPECT_NE(std::find(D.Log.begin(), D.Log.end(), STR("page:SQLPage")), D.Log.end());
}

TEST_F(DialogWindowTest, AQuestionIsAnsweredInARealMessageBoxAndHelpSaysWhatIsMissing) {
  Script
      .Then([this](QWidget& w) {
        auto& list = Child<QListWidget>(w, "FieldList");
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {},
                          list.visualItemRect(list.item(1)).center());
        QTest::mouseClick(&Child<QPushButton>(w, "OkButton"), Qt::LeftButton);
        EXPECT_EQ(D.ModalResult(), mrNone);  // "No" kept the dialog open
        QTest::mouseClick(&Child<QPushButton>(w, "HelpButton"), Qt::LeftButton);
        QTest::mouseClick(&Child<QPushButton>(w, "CancelButton"), Qt::LeftButton);
      })
      .Then([](QWidget& box) {
        EXPECT_EQ(box.windowTitle(), QStringLiteral("Confirm"));
        ClickBoxButton(box, QStringLiteral("&No"));
      })
      .Then([](QWidget& box) {
        EXPECT_EQ(box.windowTitle(), QStringLiteral("Information"));
        QTest::keyClick(&box, Qt::Key_Return);
      });
  EXPECT_EQ(D.ShowModal(), mrCancel);
  EXPECT_EQ(std::count(D.Log.begin(), D.Log.end(), STR("closequery")), 2);
}

TEST_F(DialogWindowTest, TheHourglassAndTheShellGoThroughTheDesktop) {
  Screen()->SetCursor(crHourGlass);
  ASSERT_NE(QApplication::overrideCursor(), nullptr);
  EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
  Screen()->SetCursor(crDefault);
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);

  QStringList opened;
  bool works = true;
  Driver.OpenDocument = [&](const QString& document) {
    opened << document;
    return works;
  };
  EXPECT_EQ(ShellExecute(STR("Open"), STR("https://example.org/"), String(), String(), 1), 42);
  works = false;
  EXPECT_EQ(ShellExecute(STR("open"), STR("/missing"), String(), String(), 1), 2);
  EXPECT_EQ(ShellExecute(STR("print"), STR("/x"), String(), String(), 1), 31);
  EXPECT_EQ(opened,
            (QStringList{QStringLiteral("https://example.org/"), QStringLiteral("/missing")}));
}

}  // namespace
