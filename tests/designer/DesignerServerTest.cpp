// The designer with the built package over the sample shop on the private server, worked with
// mouse and keyboard: connecting and saving, the inspector's drop-down, the field link designer.
#include <unistd.h>
#include <QComboBox>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "DesignPackage.h"
#include "DesignerWindow.h"
#include "Inspector.h"
#include "ModuleView.h"
#include "ServerFixture.h"
#include "WindowScript.h"
#include "library/MySQLDatabase.h"
#include "library/MySQLTable.h"

namespace {

std::string ReadFile(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

std::string Environment(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr ? value : std::string();
}

const std::vector<std::string> kShop = {
    "CREATE TABLE customers (id INT PRIMARY KEY, name VARCHAR(60))",
    "CREATE TABLE orders (id INT PRIMARY KEY, customer_id INT, order_date DATE, status "
    "VARCHAR(12), total DECIMAL(10, 2))",
    "CREATE TABLE `order lines` (order_id INT, line INT, product VARCHAR(60), "
    "PRIMARY KEY (order_id, line))"};

// Chooses the action with that caption in the menu that pops up next.
void ChooseFromNextMenu(const QString& caption) {
  QTimer::singleShot(0, [caption] {
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    for (QAction* action : menu->actions()) {
      if (action->text() != caption) continue;
      menu->setActiveAction(action);
      QTest::keyClick(menu, Qt::Key_Return);
      return;
    }
    ADD_FAILURE() << "no menu entry " << caption.toStdString();
    menu->close();
  });
}

void ClickRow(QListWidget& list, const QString& text) {
  const auto found = list.findItems(text, Qt::MatchExactly);
  ASSERT_EQ(found.size(), 1) << text.toStdString();
  QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, list.visualItemRect(found[0]).center());
}

class DesignerServerTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    Package = LoadDesignPackage(std::string(OMBRIX_PACKAGE_DIR) +
                                (kWideStrings ? "/dcl_Ombrix18.so" : "/dcl_Ombrix11.so"));
  }
  static void TearDownTestSuite() { Package.reset(); }

  DesignerServerTest() {
    const std::string user = "ombrix_designer_" + std::to_string(getpid());
    User = user;
    Db.Run("CREATE USER IF NOT EXISTS '" + user + "'@'localhost' IDENTIFIED BY 'pw-" + user + "'");
    Db.Run("GRANT ALL ON " + ToUtf8(Db.Name()) + ".* TO '" + user + "'@'localhost'");
    setenv("OMBRIX_PASSWORD", ("pw-" + user).c_str(), 1);
    Flags.Socket = Environment("OMBRIX_TEST_SOCKET");
    Flags.User = user;
    Flags.Database = ToUtf8(Db.Name());
    Session = std::make_unique<TDesignSession>(Flags);
    unsetenv("OMBRIX_PASSWORD");
    Session->AddPackageResources(Package->Resources());
    const std::filesystem::path samples =
        std::filesystem::path(Environment("OMBRIX_SOURCE_DIR")) / "samples";
    Folder = Dir.path().toStdString();
    for (const char* file : {"ShopData.dfm", "ShopData.pas", "OrderLines.dfm", "OrderLines.pas"}) {
      std::filesystem::copy_file(samples / file, Folder / file);
    }
  }
  ~DesignerServerTest() override {
    Window.reset();
    Session.reset();
    Db.Run("DROP USER IF EXISTS '" + User + "'@'localhost'");
  }

  void OpenWindow() {
    ShopModule = &Session->Open(Folder / "ShopData.dfm");
    LinesModule = &Session->Open(Folder / "OrderLines.dfm");
    Window = std::make_unique<TDesignerWindow>(*Session);
    Window->AddModule(*ShopModule);
    Window->AddModule(*LinesModule);
    Window->show();
  }
  template <class T>
  T& Component(TFormModule& module, const char* name) {
    return *dynamic_cast<T*>(module.Root()->FindComponent(FromUtf8(name)));
  }

  static inline std::unique_ptr<TLoadedPackage> Package;
  TTestDatabase Db{kShop};
  std::string User;
  TConnectionFlags Flags;
  QTemporaryDir Dir;
  std::filesystem::path Folder;
  TQtDriver Driver;
  TWindowScript Script{Driver};
  std::unique_ptr<TDesignSession> Session;
  TFormModule* ShopModule = nullptr;
  TFormModule* LinesModule = nullptr;
  std::unique_ptr<TDesignerWindow> Window;
};

TEST_F(DesignerServerTest, ConnectedThroughTheVerbAndSavedTheFormKeepsItsOwnSettings) {
  // The sample stores no password and a host that does not resolve; without Connected here.
  std::string form = ReadFile(Folder / "ShopData.dfm");
  form.erase(form.find("    Connected = True\r\n"), 22);
  std::ofstream(Folder / "ShopData.dfm", std::ios::binary) << form;
  OpenWindow();
  auto& database = Component<TmySQLDatabase>(*ShopModule, "ShopDb");
  TModuleView& view = *Window->ViewOf(*ShopModule);
  const QPoint at = view.TileOf(database).center();
  ChooseFromNextMenu(QStringLiteral("&Connect to server"));
  QContextMenuEvent menu(QContextMenuEvent::Mouse, at, view.mapToGlobal(at));
  QApplication::sendEvent(&view, &menu);
  ASSERT_TRUE(database.Connected());

  // A drag, so that there is something to save.
  QTest::mousePress(&view, Qt::LeftButton, {}, at);
  QTest::mouseRelease(&view, Qt::LeftButton, {}, at + QPoint(0, 100));
  ASSERT_TRUE(Window->SaveActive());
  EXPECT_TRUE(database.Connected());
  const std::string saved = ReadFile(Folder / "ShopData.dfm");
  EXPECT_EQ(saved.find("Connected"), std::string::npos) << saved;
  for (const std::string& secret :
       {User, "pw-" + User, ToUtf8(Db.Name()), Environment("OMBRIX_TEST_SOCKET")}) {
    EXPECT_EQ(saved.find(secret), std::string::npos) << secret;
  }
  EXPECT_NE(saved.find("Host = 'db.shop.example'"), std::string::npos);
  EXPECT_NE(saved.find("Top = 116"), std::string::npos) << saved;
}

TEST_F(DesignerServerTest, TheInspectorsDropDownListsTheServersTables) {
  OpenWindow();
  auto& table = Component<TmySQLTable>(*LinesModule, "tLines");
  Window->Select(&table);
  auto* combo = Window->Inspector().findChild<QComboBox*>(QStringLiteral("TableName"));
  ASSERT_NE(combo, nullptr);
  EXPECT_EQ(combo->currentText(), QStringLiteral("order lines"));
  // The arrow of the editable drop-down opens its list.
  QTest::mouseClick(combo, Qt::LeftButton, {}, QPoint(combo->width() - 6, combo->height() / 2));
  QStringList shown;
  for (int i = 0; i < combo->count(); ++i) shown << combo->itemText(i);
  EXPECT_EQ(shown, (QStringList{QStringLiteral("customers"), QStringLiteral("order lines"),
                                QStringLiteral("orders")}))
      << shown.join(u',').toStdString();
  QTest::keyClick(combo->view(), Qt::Key_Down);
  QTest::keyClick(combo->view(), Qt::Key_Return);
  EXPECT_EQ(table.TableName(), STR("orders"));
  EXPECT_TRUE(Session->DesignerOf(*LinesModule).IsModified());
}

TEST_F(DesignerServerTest, TheFieldLinkDesignerLinksTheDetailTableWithMouseAndKeys) {
  OpenWindow();
  auto& table = Component<TmySQLTable>(*LinesModule, "tLines");
  Window->Select(&table);
  Script.Then([](QWidget& w) {
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Field Link Designer"));
    auto& detail = Child<QListWidget>(w, "DetailList");
    auto& master = Child<QListWidget>(w, "MasterList");
    ClickRow(detail, QStringLiteral("order_id"));
    ClickRow(master, QStringLiteral("id"));
    QTest::keyClick(&w, Qt::Key_A, Qt::AltModifier);  // &Add
    auto& joined = Child<QListWidget>(w, "BindList");
    ASSERT_EQ(joined.count(), 1);
    EXPECT_EQ(joined.item(0)->text(), QStringLiteral("order_id -> id"));
    QTest::mouseClick(&Child<QPushButton>(w, "Button1"), Qt::LeftButton);
  });
  auto* ellipsis = Window->Inspector().findChild<QToolButton*>(QStringLiteral("MasterFieldsEdit"));
  ASSERT_NE(ellipsis, nullptr);
  QTest::mouseClick(ellipsis, Qt::LeftButton);
  EXPECT_EQ(table.MasterFields(), STR("id"));
  EXPECT_TRUE(Session->DesignerOf(*LinesModule).IsModified());
  ASSERT_TRUE(Window->SaveAll());
  const std::string saved = ReadFile(Folder / "OrderLines.dfm");
  EXPECT_NE(saved.find("MasterFields = 'id'"), std::string::npos) << saved;
}

TEST_F(DesignerServerTest, APaletteComponentIsDeclaredInTheUnitWhichUsesItsUnit) {
  OpenWindow();
  Window->Select(&Component<TmySQLTable>(*LinesModule, "tLines"));
  auto* monitor = Window->findChild<QToolButton*>(QStringLiteral("TMySQLMonitor"));
  ASSERT_NE(monitor, nullptr);
  EXPECT_FALSE(monitor->icon().isNull());
  QTest::mouseClick(monitor, Qt::LeftButton);
  Window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(Window.get()));
  QTest::keyClick(Window.get(), Qt::Key_S, Qt::ControlModifier);
  const std::string unit = ReadFile(Folder / "OrderLines.pas");
  EXPECT_NE(unit.find("  SysUtils, Classes, DB, Mysqldbtables, ShopData, Mysqlmonitor;\r\n"),
            std::string::npos)
      << unit;
  EXPECT_NE(unit.find("    tLines: TmySQLTable;\r\n    MySQLMonitor1: TMySQLMonitor;\r\n"),
            std::string::npos)
      << unit;
  EXPECT_EQ(ReadFile(Folder / "ShopData.pas"),
            ReadFile(std::filesystem::path(Environment("OMBRIX_SOURCE_DIR")) / "samples" /
                     "ShopData.pas"));
}

}  // namespace
