// The designer's windows over a form file: components at their design positions, the tree,
// the inspector through the registered editors, verbs, the palette and saving.
#include <QComboBox>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>
#include <fstream>
#include <sstream>

#include "DesignerWindow.h"
#include "Inspector.h"
#include "ModuleView.h"
#include "WindowScript.h"
#include "db/DBClasses.h"
#include "designide/RegistryScope.h"
#include "forms/Forms.h"

namespace {

std::vector<String> gEvents;

class TProbe : public TComponent {
  OMBRIX_CLASS(TProbe)
  explicit TProbe(TComponent* owner) : TComponent(owner) {}
  String Table() const { return FTable; }
  void SetTable(const String& value) { FTable = value; }
  int Size() const { return FSize; }
  void SetSize(int value) { FSize = value; }

 private:
  String FTable;
  int FSize = 0;
};

const TClassInfo& TProbe::StaticClass() {
  static const TClassInfo info = TClassBuilder<TProbe, TComponent>(STR("TProbe"))
                                     .Creatable()
                                     .Prop(STR("Size"), &TProbe::Size, &TProbe::SetSize)
                                     .Prop(STR("Table"), &TProbe::Table, &TProbe::SetTable)
                                     .Build();
  return info;
}

// A value list the designer must sort, with a dialog behind the ellipsis.
class TTableEditor : public TStringProperty {
  OMBRIX_CLASS(TTableEditor)
  TPropertyAttributes GetAttributes() override {
    return Attributes({paValueList, paSortList, paDialog});
  }
  void GetValues(const TGetStrProc& proc) override {
    for (const Char* v : {STR("orders"), STR("customers")}) proc(v);
  }
  void Edit() override { gEvents.push_back(STR("edit:") + GetValue()); }
};

const TClassInfo& TTableEditor::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TTableEditor, TStringProperty>(STR("TTableEditor")).Build();
  return info;
}

class TProbeEditor : public TComponentEditor {
  OMBRIX_CLASS(TProbeEditor)
  int GetVerbCount() override { return 2; }
  String GetVerb(int index) override { return index == 0 ? STR("&Probe...") : STR("Second"); }
  void ExecuteVerb(int index) override {
    gEvents.push_back(STR("verb:") + IntToStr(index) + STR(":") + Component()->Name());
    GetDesigner()->Modified();
  }
};

const TClassInfo& TProbeEditor::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TProbeEditor, TComponentEditor>(STR("TProbeEditor")).Build();
  return info;
}

const char* const kForm =
    "object Shop: TShop\n"
    "  object Probe1: TProbe\n"
    "    Table = 'orders'\n"
    "    Left = 40\n"
    "    Top = 16\n"
    "  end\n"
    "end\n";

std::string ReadFile(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

class DesignerWindowTest : public ::testing::Test {
 protected:
  DesignerWindowTest() {
    RegisterFormsClasses();
    RegisterDBClasses();
    BeginPackageRegistration(STR("probe"));
    RegisterComponents(STR("Probes"), {&TProbe::StaticClass()});
    RegisterComponentEditor(TProbe::StaticClass(), ComponentEditorClass<TProbeEditor>());
    RegisterPropertyEditor(TypeInfoString(), &TProbe::StaticClass(), STR("Table"),
                           PropertyEditorClass<TTableEditor>());
    EndPackageRegistration();
    gEvents.clear();
    File = std::filesystem::path(Dir.path().toStdString()) / "Shop.dfm";
    std::ofstream(File, std::ios::binary) << kForm;
    Module = &Session.Open(File);
    Window = std::make_unique<TDesignerWindow>(Session);
    Window->AddModule(*Module);
    Window->show();
  }
  ~DesignerWindowTest() override {
    Window.reset();
    UnregisterPackage(STR("probe"));
  }
  TProbe& Probe() const {
    return *static_cast<TProbe*>(Module->Root()->FindComponent(STR("Probe1")));
  }
  template <class W>
  W& InspectorRow(const char* property) {
    QWidget* row = Window->Inspector().findChild<W*>(QString::fromUtf8(property));
    if (row == nullptr) throw std::runtime_error(property);
    return *static_cast<W*>(row);
  }

  QTemporaryDir Dir;
  std::filesystem::path File;
  TQtDriver Driver;
  TWindowScript Script{Driver};
  TDesignSession Session;
  TFormModule* Module = nullptr;
  std::unique_ptr<TDesignerWindow> Window;
};

TEST_F(DesignerWindowTest, TheFormShowsItsComponentsWhereTheyWereDesignedAndTheTreeSelects) {
  TModuleView& view = *Window->ViewOf(*Module);
  EXPECT_EQ(view.TileOf(Probe()).topLeft(), QPoint(40, 16));
  QTreeWidget& tree = Window->Tree();
  ASSERT_EQ(tree.topLevelItemCount(), 1);
  EXPECT_EQ(tree.topLevelItem(0)->text(0), QStringLiteral("Shop: TShop"));
  EXPECT_EQ(tree.topLevelItem(0)->child(0)->text(0), QStringLiteral("Probe1: TProbe"));
  QTest::mouseClick(&view, Qt::LeftButton, {}, QPoint(50, 26));
  EXPECT_EQ(view.Selected(), &Probe());
  EXPECT_EQ(Window->Inspector().Inspected(), &Probe());
  EXPECT_EQ(tree.currentItem()->text(0), QStringLiteral("Probe1: TProbe"));
  // A drag moves the component and marks the form changed.
  QTest::mousePress(&view, Qt::LeftButton, {}, QPoint(50, 26));
  QTest::mouseRelease(&view, Qt::LeftButton, {}, QPoint(110, 66));
  EXPECT_EQ(view.TileOf(Probe()).topLeft(), QPoint(100, 56));
  EXPECT_TRUE(Session.DesignerOf(*Module).IsModified());
}

TEST_F(DesignerWindowTest, InspectorRowsUseTheRegisteredEditors) {
  TProbe& probe = Probe();
  Window->Select(&probe);
  auto& table = InspectorRow<QComboBox>("Table");
  EXPECT_EQ(table.currentText(), QStringLiteral("orders"));
  table.showPopup();
  ASSERT_EQ(table.count(), 2);
  EXPECT_EQ(table.itemText(0), QStringLiteral("customers"));  // sorted
  QTest::keyClick(table.view(), Qt::Key_Up);
  QTest::keyClick(table.view(), Qt::Key_Return);
  EXPECT_EQ(Probe().Table(), STR("customers"));
  QApplication::processEvents();
  QTest::mouseClick(&InspectorRow<QToolButton>("TableEdit"), Qt::LeftButton);
  EXPECT_EQ(gEvents, std::vector<String>{STR("edit:customers")});

  // A typed value the property cannot take is refused in an error box; nothing changes.
  Script.Then([](QWidget& box) {
    EXPECT_EQ(box.windowTitle(), QStringLiteral("Error"));
    QTest::keyClick(&box, Qt::Key_Return);
  });
  QApplication::processEvents();
  auto& size = InspectorRow<QLineEdit>("Size");
  size.selectAll();
  QTest::keyClicks(&size, "12x");
  QTest::keyClick(&size, Qt::Key_Return);
  EXPECT_EQ(Probe().Size(), 0);
  QApplication::processEvents();
  EXPECT_EQ(InspectorRow<QLineEdit>("Size").text(), QStringLiteral("0"));
  auto& name = InspectorRow<QLineEdit>("Name");
  name.selectAll();
  QTest::keyClicks(&name, "Probe7");
  QTest::keyClick(&name, Qt::Key_Return);
  EXPECT_EQ(probe.Name(), STR("Probe7"));
  EXPECT_EQ(Window->Tree().currentItem()->text(0), QStringLiteral("Probe7: TProbe"));
}

TEST_F(DesignerWindowTest, VerbsDoubleClickPaletteAndSave) {
  TModuleView& view = *Window->ViewOf(*Module);
  QTest::mouseDClick(&view, Qt::LeftButton, {}, QPoint(50, 26));
  QTimer::singleShot(0, [] {
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(menu->actions().size(), 2);
    EXPECT_EQ(menu->actions()[0]->text(), QStringLiteral("&Probe..."));
    menu->setActiveAction(menu->actions()[1]);
    QTest::keyClick(menu, Qt::Key_Return);
  });
  QContextMenuEvent menuEvent(QContextMenuEvent::Mouse, QPoint(50, 26),
                              view.mapToGlobal(QPoint(50, 26)));
  QApplication::sendEvent(&view, &menuEvent);
  EXPECT_EQ(gEvents, (std::vector<String>{STR("verb:0:Probe1"), STR("verb:1:Probe1")}));

  auto* button = Window->findChild<QToolButton*>(QStringLiteral("TProbe"));
  ASSERT_NE(button, nullptr);
  QTest::mouseClick(button, Qt::LeftButton);
  TComponent* added = Module->Root()->FindComponent(STR("Probe2"));
  ASSERT_NE(added, nullptr);
  EXPECT_EQ(Window->Inspector().Inspected(), added);
  EXPECT_GT(view.TileOf(*added).left(), 60);  // not on top of Probe1

  EXPECT_TRUE(Window->SaveActive());
  EXPECT_FALSE(Session.DesignerOf(*Module).IsModified());
  const std::string saved = ReadFile(File);
  EXPECT_NE(saved.find("object Probe2: TProbe"), std::string::npos) << saved;
  EXPECT_NE(saved.find("object Probe1: TProbe\n    Table = 'orders'\n    Left = 40\n"),
            std::string::npos)
      << saved;
}

const char* const kUnit =
    "unit Shop;\r\n\r\ninterface\r\n\r\nuses\r\n  Classes;\r\n\r\ntype\r\n"
    "  TShop = class(TDataModule)\r\n    Probe1: TProbe;\r\n  private\r\n"
    "    { Private declarations }\r\n  end;\r\n\r\nimplementation\r\n\r\nend.\r\n";

TEST_F(DesignerWindowTest, SaveKeepsTheUnitsFieldsInStepWithAddedRenamedAndDeletedComponents) {
  const auto unit = std::filesystem::path(File).replace_extension(".pas");
  std::ofstream(unit, std::ios::binary) << kUnit;
  auto* button = Window->findChild<QToolButton*>(QStringLiteral("TProbe"));
  QTest::mouseClick(button, Qt::LeftButton);  // Probe2
  QTest::mouseClick(button, Qt::LeftButton);  // Probe3, deleted again
  ASSERT_NE(Module->Root()->FindComponent(STR("Probe3")), nullptr);
  Window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(Window.get()));
  QTest::keyClick(Window.get(), Qt::Key_Delete);
  EXPECT_EQ(Module->Root()->FindComponent(STR("Probe3")), nullptr);
  Window->Select(&Probe());
  auto& name = InspectorRow<QLineEdit>("Name");
  name.selectAll();
  QTest::keyClicks(&name, "Orders");
  QTest::keyClick(&name, Qt::Key_Return);
  QTest::keyClick(Window.get(), Qt::Key_S, Qt::ControlModifier);
  EXPECT_FALSE(Session.DesignerOf(*Module).IsModified());
  std::string expected = kUnit;
  expected.replace(expected.find("Probe1: TProbe;"), 15, "Orders: TProbe;\r\n    Probe2: TProbe;");
  EXPECT_EQ(ReadFile(unit), expected);
  EXPECT_NE(ReadFile(File).find("object Orders: TProbe"), std::string::npos);

  // A unit the designer cannot read is left alone, and the user told; the form is saved.
  std::ofstream(unit, std::ios::binary) << "unit Shop;\r\n{ no interface }\r\n";
  QTest::mouseClick(button, Qt::LeftButton);
  Script.Then([](QWidget& box) {
    EXPECT_EQ(box.windowTitle(), QStringLiteral("Warning"));
    EXPECT_TRUE(qobject_cast<QMessageBox*>(&box)->text().contains(QStringLiteral("Shop.pas")));
    ClickBoxButton(box, QStringLiteral("OK"));
  });
  EXPECT_TRUE(Window->SaveActive());
  EXPECT_EQ(ReadFile(unit), "unit Shop;\r\n{ no interface }\r\n");
  EXPECT_NE(ReadFile(File).find("object Probe1: TProbe"), std::string::npos);
}

}  // namespace
