#include "Inspector.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QTimer>
#include <QToolButton>
#include <algorithm>

#include "QtText.h"
#include "designide/Registry.h"
#include "forms/Forms.h"

namespace {

// A drop-down whose entries come from the property editor each time it opens.
class TValueCombo : public QComboBox {
 public:
  std::function<QStringList()> Values;

  void showPopup() override {
    const QString text = currentText();
    clear();
    if (Values) addItems(Values());
    setCurrentIndex(findText(text));
    setEditText(text);
    QComboBox::showPopup();
  }
};

}  // namespace

TInspector::TInspector(TDesignSession& session, QWidget* parent)
    : QTableWidget(0, 2, parent), FSession(session) {
  setObjectName(QStringLiteral("Inspector"));
  setHorizontalHeaderLabels({QStringLiteral("Property"), QStringLiteral("Value")});
  horizontalHeader()->setStretchLastSection(true);
  verticalHeader()->hide();
  setSelectionMode(QAbstractItemView::NoSelection);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
}

void TInspector::Inspect(TComponent* component) {
  FComponent = component;
  Fill();
}

void TInspector::Refresh() {
  Fill();
}

int TInspector::RowOf(const QString& property) const {
  for (int row = 0; row < rowCount(); ++row) {
    if (item(row, 0)->text() == property) return row;
  }
  return -1;
}

void TInspector::Use(const String& property, const std::function<void(TPropertyEditor&)>& use) {
  TFormModule* module = FSession.ModuleOf(FComponent);
  if (module == nullptr) return;
  try {
    auto editor = GetPropertyEditor(&FSession.DesignerOf(*module), {FComponent}, property);
    use(*editor);
  } catch (const Exception& error) {
    Application()->ShowException(error);
  }
  // The widgets of this row may be what called: rebuild once the call has returned.
  QTimer::singleShot(0, this, [this] {
    Fill();
    if (OnChanged) OnChanged();
  });
}

void TInspector::Fill() {
  // Widgets being removed (Qt deletes them later) must not commit what they hold, nor be
  // found by the name of their property.
  for (int row = 0; row < rowCount(); ++row) {
    if (QWidget* cell = cellWidget(row, 1)) {
      for (QObject* child : cell->findChildren<QObject*>()) {
        child->blockSignals(true);
        child->setObjectName(QString());
      }
    }
  }
  clearContents();
  setRowCount(0);
  TFormModule* module = FSession.ModuleOf(FComponent);
  if (FComponent == nullptr || module == nullptr) return;
  IDesigner* designer = &FSession.DesignerOf(*module);
  auto props = FComponent->ClassType().AllProps();
  std::sort(props.begin(), props.end(), [](const TPropInfo* a, const TPropInfo* b) {
    return CompareText(a->Name, b->Name) < 0;
  });
  for (const TPropInfo* prop : props) {
    if (prop->Kind() == TTypeKind::tkMethod) continue;  // events have no code at design time
    const String name = prop->Name;
    std::unique_ptr<TPropertyEditor> editor;
    String value;
    TPropertyAttributes attributes = 0;
    try {
      editor = GetPropertyEditor(designer, {FComponent}, name);
      attributes = editor->GetAttributes();
      value = editor->GetValue();
    } catch (const Exception& error) {
      value = STR("(") + error.Message() + STR(")");
      attributes = Attributes({paReadOnly});
    }
    // The base editor cannot set a value: such rows are shown, not edited.
    const bool settable = editor != nullptr &&
                          &editor->ClassType() != &TPropertyEditor::StaticClass() &&
                          !HasAttribute(attributes, paReadOnly);
    const int row = rowCount();
    insertRow(row);
    auto* label = new QTableWidgetItem(ToQString(name));
    setItem(row, 0, label);
    auto* cell = new QWidget;
    auto* layout = new QHBoxLayout(cell);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    const QString shown = ToQString(value);
    if (HasAttribute(attributes, paValueList) && settable) {
      auto* combo = new TValueCombo;
      combo->setObjectName(ToQString(name));
      combo->setEditable(true);
      combo->setEditText(shown);
      const bool sorted = HasAttribute(attributes, paSortList);
      combo->Values = [this, name, sorted] {
        QStringList values;
        Use(name, [&values](TPropertyEditor& e) {
          e.GetValues([&values](const String& v) { values << ToQString(v); });
        });
        if (sorted) values.sort(Qt::CaseInsensitive);
        return values;
      };
      QObject::connect(combo, &QComboBox::activated, [this, name, combo](int index) {
        const String chosen = FromQString(combo->itemText(index));
        Use(name, [&chosen](TPropertyEditor& e) { e.SetValue(chosen); });
      });
      QObject::connect(combo->lineEdit(), &QLineEdit::returnPressed, [this, name, combo] {
        const String typed = FromQString(combo->currentText());
        Use(name, [&typed](TPropertyEditor& e) { e.SetValue(typed); });
      });
      layout->addWidget(combo);
    } else {
      auto* line = new QLineEdit(shown);
      line->setObjectName(ToQString(name));
      line->setReadOnly(!settable);
      line->setFrame(false);
      if (settable) {
        QObject::connect(line, &QLineEdit::editingFinished, [this, name, line, shown] {
          if (line->text() == shown) return;
          const String typed = FromQString(line->text());
          Use(name, [&typed](TPropertyEditor& e) { e.SetValue(typed); });
        });
      }
      layout->addWidget(line);
    }
    if (HasAttribute(attributes, paDialog)) {
      auto* ellipsis = new QToolButton;
      ellipsis->setObjectName(ToQString(name) + QStringLiteral("Edit"));
      ellipsis->setText(QStringLiteral("..."));
      QObject::connect(ellipsis, &QToolButton::clicked,
                       [this, name] { Use(name, [](TPropertyEditor& e) { e.Edit(); }); });
      layout->addWidget(ellipsis);
    }
    setCellWidget(row, 1, cell);
  }
  resizeColumnToContents(0);
}
