// Buttons, check boxes, radio groups and list boxes.
#include <QCheckBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

#include "FormWindow.h"
#include "QtText.h"
#include "Views.h"
#include "forms/UserInput.h"

namespace {

QStringList TextsOf(const TStringList& items) {
  QStringList texts;
  for (int i = 0; i < items.Count(); ++i) texts << ToQString(items.Strings(i));
  return texts;
}

class TButtonView : public TControlView {
 public:
  TButtonView(TFormWindow& window, TButton& button)
      : TControlView(window, button, new QPushButton), FButton(button) {
    Button().setAutoDefault(false);
    QObject::connect(&Button(), &QPushButton::clicked,
                     [this] { Window().Act([this] { UserInput::Click(FButton); }); });
  }
  bool MouseRelease(QMouseEvent&, QWidget&) override { return false; }
  bool DoubleClick(QMouseEvent&, QWidget&) override { return false; }

 protected:
  void PullOwn() override {
    Button().setText(MnemonicText(FButton.Caption()));
    Button().setDefault(FButton.Default());
  }

 private:
  QPushButton& Button() const { return *static_cast<QPushButton*>(Widget()); }
  TButton& FButton;
};

class TCheckBoxView : public TControlView {
 public:
  TCheckBoxView(TFormWindow& window, TCheckBox& box)
      : TControlView(window, box, new QCheckBox), FBox(box) {
    QObject::connect(&Box(), &QCheckBox::clicked,
                     [this] { Window().Act([this] { UserInput::ClickCheckBox(FBox); }); });
  }
  bool MouseRelease(QMouseEvent&, QWidget&) override { return false; }
  bool DoubleClick(QMouseEvent&, QWidget&) override { return false; }

 protected:
  void PullOwn() override {
    QCheckBox& box = Box();
    box.setText(MnemonicText(FBox.Caption()));
    box.setTristate(FBox.AllowGrayed());
    box.setCheckState(FBox.State() == TCheckBoxState::cbChecked  ? Qt::Checked
                      : FBox.State() == TCheckBoxState::cbGrayed ? Qt::PartiallyChecked
                                                                 : Qt::Unchecked);
    box.setLayoutDirection(FBox.Alignment() == TAlignment::taLeftJustify ? Qt::RightToLeft
                                                                         : Qt::LeftToRight);
  }

 private:
  QCheckBox& Box() const { return *static_cast<QCheckBox*>(Widget()); }
  TCheckBox& FBox;
};

// One radio button per item, in columns filled top to bottom as the host lays them out.
class TRadioGroupView : public TControlView {
 public:
  TRadioGroupView(TFormWindow& window, TRadioGroup& group)
      : TControlView(window, group, new QGroupBox), FGroup(group) {}

  QWidget* FocusWidget() const override {
    const int index = FGroup.ItemIndex();
    return index >= 0 && index < static_cast<int>(FButtons.size()) ? FButtons[index] : Widget();
  }
  bool OtherKey(QKeyEvent& event) override {
    const int key = event.key();
    const int step = key == Qt::Key_Up || key == Qt::Key_Left      ? -1
                     : key == Qt::Key_Down || key == Qt::Key_Right ? 1
                                                                   : 0;
    const int next = FGroup.ItemIndex() + step;
    if (step != 0 && next >= 0 && next < FGroup.Items()->Count()) {
      Window().Act([this, next] { UserInput::ClickRadioItem(FGroup, next); });
    }
    return true;
  }
  bool MouseRelease(QMouseEvent&, QWidget&) override { return false; }
  bool DoubleClick(QMouseEvent&, QWidget&) override { return false; }

 protected:
  void PullOwn() override {
    auto& box = *static_cast<QGroupBox*>(Widget());
    box.setTitle(MnemonicText(FGroup.Caption()));
    const QStringList items = TextsOf(*FGroup.Items());
    if (items != FShown) Rebuild(items);
    const int count = static_cast<int>(FButtons.size());
    const int columns = std::max(1, FGroup.Columns());
    const int rows = std::max(1, (count + columns - 1) / columns);
    const int columnWidth = (FGroup.Width() - 16) / columns;
    const int rowHeight = std::max(1, (FGroup.Height() - 20) / rows);
    for (int i = 0; i < count; ++i) {
      QRadioButton& button = *FButtons[i];
      button.setGeometry(8 + (i / rows) * columnWidth, 16 + (i % rows) * rowHeight, columnWidth,
                         rowHeight);
      button.setChecked(i == FGroup.ItemIndex());
      button.setEnabled(FGroup.Enabled());
    }
  }

 private:
  void Rebuild(const QStringList& items) {
    for (QRadioButton* b : FButtons) delete b;
    FButtons.clear();
    for (int i = 0; i < items.size(); ++i) {
      auto* button = new QRadioButton(MnemonicText(FromQString(items[i])), Widget());
      button->setAutoExclusive(false);
      button->setFocusPolicy(Qt::NoFocus);
      button->setObjectName(Widget()->objectName() + QString::number(i));
      QObject::connect(button, &QRadioButton::clicked, [this, i] {
        Window().Act([this, i] { UserInput::ClickRadioItem(FGroup, i); });
      });
      button->show();
      FButtons.push_back(button);
    }
    FShown = items;
  }
  TRadioGroup& FGroup;
  std::vector<QRadioButton*> FButtons;
  QStringList FShown;
};

class TListView : public TControlView {
 public:
  TListView(TFormWindow& window, TListBox& list)
      : TControlView(window, list, new QListWidget), FList(list) {}

  bool MousePress(QMouseEvent& event, QWidget& target) override {
    if (&target != List().viewport()) return false;
    const int row = List().indexAt(event.position().toPoint()).row();
    const bool ctrl = (event.modifiers() & Qt::ControlModifier) != 0;
    if (row >= 0) Window().Act([this, row, ctrl] { UserInput::ClickListItem(FList, row, ctrl); });
    return true;
  }
  bool MouseRelease(QMouseEvent&, QWidget& target) override { return &target == List().viewport(); }
  bool MouseMove(QMouseEvent&, QWidget& target) override { return &target == List().viewport(); }
  bool DoubleClick(QMouseEvent& event, QWidget& target) override {
    if (&target != List().viewport()) return false;
    if (List().indexAt(event.position().toPoint()).row() >= 0) {
      Window().Act([this] {
        UserInput::CheckReachable(FList);
        FList.DblClick();
      });
    }
    return true;
  }
  bool OtherKey(QKeyEvent& event) override {
    const int count = FList.Count();
    if (count == 0) return true;
    const int page = std::max(1, List().viewport()->height() / std::max(1, RowHeight()) - 1);
    int row = std::max(0, FList.ItemIndex());
    switch (event.key()) {
      case Qt::Key_Up:
        row = FList.ItemIndex() < 0 ? 0 : row - 1;
        break;
      case Qt::Key_Down:
        row = FList.ItemIndex() < 0 ? 0 : row + 1;
        break;
      case Qt::Key_Home:
        row = 0;
        break;
      case Qt::Key_End:
        row = count - 1;
        break;
      case Qt::Key_PageUp:
        row -= page;
        break;
      case Qt::Key_PageDown:
        row += page;
        break;
      default:
        return true;
    }
    row = std::clamp(row, 0, count - 1);
    Window().Act([this, row] { UserInput::ClickListItem(FList, row, false); });
    return true;
  }

 protected:
  void PullOwn() override {
    QListWidget& list = List();
    const QStringList items = TextsOf(*FList.Items());
    bool same = list.count() == items.size();
    for (int i = 0; same && i < items.size(); ++i) same = list.item(i)->text() == items[i];
    if (!same) {
      list.clear();
      list.addItems(items);
    }
    list.setSelectionMode(FList.MultiSelect() ? QAbstractItemView::MultiSelection
                                              : QAbstractItemView::SingleSelection);
    for (int i = 0; i < list.count(); ++i) {
      const bool selected = FList.MultiSelect() ? FList.Selected(i) : i == FList.ItemIndex();
      list.item(i)->setSelected(selected);
    }
    if (FList.ItemIndex() >= 0 && FList.ItemIndex() < list.count()) {
      list.setCurrentRow(FList.ItemIndex(), QItemSelectionModel::NoUpdate);
      list.scrollToItem(list.item(FList.ItemIndex()));
    }
  }

 private:
  QListWidget& List() const { return *static_cast<QListWidget*>(Widget()); }
  int RowHeight() const { return List().count() > 0 ? List().sizeHintForRow(0) : 1; }
  TListBox& FList;
};

}  // namespace

std::unique_ptr<TControlView> CreateChoiceView(TFormWindow& window, TControl& control) {
  if (auto* button = dynamic_cast<TButton*>(&control)) {
    return std::make_unique<TButtonView>(window, *button);
  }
  if (auto* box = dynamic_cast<TCheckBox*>(&control)) {
    return std::make_unique<TCheckBoxView>(window, *box);
  }
  if (auto* group = dynamic_cast<TRadioGroup*>(&control)) {
    return std::make_unique<TRadioGroupView>(window, *group);
  }
  if (auto* list = dynamic_cast<TListBox*>(&control)) {
    return std::make_unique<TListView>(window, *list);
  }
  return nullptr;
}
