// The update SQL editor in real widgets, end to end with mouse and keyboard: field choice,
// a refused OK answered in the confirmation box, generation by its access key, and OK.
#include <QApplication>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

#include "WindowScript.h"
#include "library/LibraryClasses.h"
#include "library/MySQLQuery.h"
#include "library/MySQLUpdateSQL.h"
#include "library/SessionFactory.h"
#include "library/memory/MemorySession.h"
#include "updsql/UpdateSQLEditForm.h"

namespace {

const String kSelect = STR("SELECT id, name FROM customers");

std::vector<String> Lines(const TStringList& list) {
  std::vector<String> lines;
  for (int i = 0; i < list.Count(); ++i) lines.push_back(list.Strings(i));
  return lines;
}

void ClickRow(QListWidget& list, const QString& text, Qt::KeyboardModifiers modifiers = {}) {
  const auto found = list.findItems(text, Qt::MatchExactly);
  ASSERT_EQ(found.size(), 1) << text.toStdString();
  QTest::mouseClick(list.viewport(), Qt::LeftButton, modifiers,
                    list.visualItemRect(found[0]).center());
}

class UpdateSQLEditorWidgetTest : public ::testing::Test {
 protected:
  UpdateSQLEditorWidgetTest() {
    RegisterFormsClasses();
    RegisterLibraryClasses();
    TMemoryDatabase& shop = FCatalog.Database(STR("shop"));
    TMemoryTable& customers = shop.AddTable(
        STR("customers"),
        {{STR("id"), TFieldType::ftInteger, 0, true}, {STR("name"), TFieldType::ftString, 30}});
    customers.Indexes = {{.Name = String(), .Fields = {STR("id")}, .Primary = true}};
    TResultSet result;
    result.Columns = {{.Name = STR("id"), .DataType = TFieldType::ftInteger},
                      {.Name = STR("name"), .DataType = TFieldType::ftString, .Size = 30}};
    shop.AddStatement(kSelect, result);
    FForm.SetName(STR("F1"));
    auto* database = new TmySQLDatabase(&FForm);
    database->SetDatabaseName(STR("shop"));
    FUpdate = new TmySQLUpdateSQL(&FForm);
    FUpdate->SetName(STR("U1"));
    auto* query = new TmySQLQuery(&FForm);
    query->SetName(STR("Q1"));
    query->SetDatabase(database);
    TStringList sql;
    sql.SetText(kSelect);
    query->SetSQL(&sql);
    query->SetUpdateObject(FUpdate);
  }

  TMemoryCatalog FCatalog;
  TScopedSessionFactory FFactory{[this] { return std::make_unique<TMemorySession>(FCatalog); }};
  TComponent FForm{nullptr};
  TmySQLUpdateSQL* FUpdate;
  TQtDriver FDriver;
  TWindowScript FScript{FDriver};
};

TEST_F(UpdateSQLEditorWidgetTest, FieldsChosenWithTheMouseAreGeneratedAndWrittenBackOnOk) {
  FScript
      .Then([](QWidget& w) {
        EXPECT_EQ(w.windowTitle(), QStringLiteral("F1.U1 (F1.Q1)"));
        auto& keys = Child<QListWidget>(w, "KeyFieldList");
        auto& fields = Child<QListWidget>(w, "UpdateFieldList");
        ClickRow(keys, QStringLiteral("id"));
        ClickRow(fields, QStringLiteral("id"), Qt::ControlModifier);
        EXPECT_EQ(keys.selectedItems().size(), 1);
        EXPECT_EQ(fields.selectedItems().size(), 1);
        // The settings changed without generating: OK asks first, and "No" stays.
        QTest::mouseClick(&Child<QPushButton>(w, "OkButton"), Qt::LeftButton);
        ASSERT_TRUE(w.isVisible());
        QTest::keyClick(&w, Qt::Key_G, Qt::AltModifier);
        auto& tabs = Child<QTabWidget>(w, "PageControl");
        QTest::mouseClick(tabs.tabBar(), Qt::LeftButton, {}, tabs.tabBar()->tabRect(1).center());
        auto& memo = Child<QPlainTextEdit>(w, "SQLMemo");
        EXPECT_TRUE(memo.isVisible());
        EXPECT_TRUE(memo.toPlainText().startsWith(QStringLiteral("update customers\nset\n")))
            << memo.toPlainText().toStdString();
        QTest::mouseClick(&Child<QPushButton>(w, "OkButton"), Qt::LeftButton);
      })
      .Then([](QWidget& box) {
        EXPECT_EQ(box.windowTitle(), QStringLiteral("Confirm"));
        ClickBoxButton(box, QStringLiteral("&No"));
      });
  EXPECT_TRUE(EditMySQLUpdateSQL(*FUpdate));
  EXPECT_EQ(Lines(*FUpdate->ModifySQL()),
            (std::vector<String>{STR("update customers"), STR("set"), STR("  name = :name"),
                                 STR("where"), STR("  id = :OLD_id")}));
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

}  // namespace
