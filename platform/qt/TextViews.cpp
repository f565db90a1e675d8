// Labels, edits, memos and combo boxes.
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>

#include "FormWindow.h"
#include "QtText.h"
#include "Views.h"
#include "forms/UserInput.h"

namespace {

Qt::Alignment HorizontalOf(TAlignment alignment) {
  switch (alignment) {
    case TAlignment::taRightJustify:
      return Qt::AlignRight;
    case TAlignment::taCenter:
      return Qt::AlignHCenter;
    default:
      return Qt::AlignLeft;
  }
}

bool IsNavigationKey(int key) {
  switch (key) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
      return true;
    default:
      return false;
  }
}

class TLabelView : public TControlView {
 public:
  TLabelView(TFormWindow& window, TLabel& label)
      : TControlView(window, label, new QLabel), FLabel(label) {
    Label().setTextFormat(Qt::RichText);
  }

 protected:
  void PullOwn() override {
    QLabel& label = Label();
    label.setText(FLabel.ShowAccelChar() ? UnderlinedAccessKey(FLabel.Caption())
                                         : ToQString(FLabel.Caption()).toHtmlEscaped());
    const Qt::Alignment vertical = FLabel.Layout() == TTextLayout::tlCenter   ? Qt::AlignVCenter
                                   : FLabel.Layout() == TTextLayout::tlBottom ? Qt::AlignBottom
                                                                              : Qt::AlignTop;
    label.setAlignment(HorizontalOf(FLabel.Alignment()) | vertical);
    label.setWordWrap(FLabel.WordWrap());
    label.setAutoFillBackground(!FLabel.Transparent() && !FLabel.ParentColor());
    // An auto-sized left-aligned label grows when the desktop's font is wider than the form's.
    if (FLabel.AutoSize() && !FLabel.WordWrap() &&
        FLabel.Alignment() == TAlignment::taLeftJustify) {
      const QSize hint = label.sizeHint();
      label.resize(std::max(label.width(), hint.width()), std::max(label.height(), hint.height()));
    }
  }

 private:
  QLabel& Label() const { return *static_cast<QLabel*>(Widget()); }
  TLabel& FLabel;
};

// Delete, cut and paste as edit boxes do them: through the selection, which raises OnChange.
void DeleteForward(TCustomEdit& edit) {
  if (edit.ReadOnly()) return;
  if (edit.SelLength() == 0) {
    if (edit.SelStart() >= static_cast<int>(edit.Text().size())) return;
    edit.SetSelLength(1);
  }
  edit.SetSelText(String());
}

void EditClipboard(TFormWindow& window, TCustomEdit& edit, int key, bool multiLine) {
  QClipboard& clipboard = *QApplication::clipboard();
  if ((key == Qt::Key_C || key == Qt::Key_X) && edit.SelLength() > 0) {
    const auto* plain = dynamic_cast<const TEdit*>(&edit);
    if (plain == nullptr || plain->PasswordChar() == 0) {
      clipboard.setText(ToQString(edit.SelText()));
    }
  }
  if (edit.ReadOnly()) return;
  if (key == Qt::Key_X && edit.SelLength() > 0) {
    window.Act([&edit] { edit.SetSelText(String()); });
  } else if (key == Qt::Key_V) {
    QString text = clipboard.text();
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (!multiLine) text = text.section(u'\n', 0, 0);
    if (text.isEmpty()) return;
    window.Act([&edit, pasted = FromQString(text)] { edit.SetSelText(pasted); });
  }
}

// Edit boxes and memos: the widget's own press and drag place the caret and select (the view
// reads them back), a release is also the control's click; Delete and the clipboard keys go
// through the selection.
class TEditBoxView : public TControlView {
 public:
  TEditBoxView(TFormWindow& window, TCustomEdit& edit, QWidget* widget, bool multiLine)
      : TControlView(window, edit, widget), FBox(edit), FMultiLine(multiLine) {}

  bool OtherKey(QKeyEvent& event) override {
    if (event.key() == Qt::Key_Delete) {
      Window().Act([this] { DeleteForward(FBox); });
      return true;
    }
    // Up and Down move between lines of a memo only.
    const int key = event.key();
    return !IsNavigationKey(key) || (!FMultiLine && (key == Qt::Key_Up || key == Qt::Key_Down));
  }
  void ClipboardKey(int key) override { EditClipboard(Window(), FBox, key, FMultiLine); }
  bool MouseRelease(QMouseEvent& event, QWidget& target) override {
    TControlView::MouseRelease(event, target);
    return false;
  }
  bool MousePress(QMouseEvent&, QWidget&) override { return false; }

 private:
  TCustomEdit& FBox;
  bool FMultiLine;
};

class TEditView : public TEditBoxView {
 public:
  TEditView(TFormWindow& window, TEdit& edit)
      : TEditBoxView(window, edit, new QLineEdit, false), FEdit(edit) {
    QObject::connect(&Line(), &QLineEdit::cursorPositionChanged, [this] { Push(); });
    QObject::connect(&Line(), &QLineEdit::selectionChanged, [this] { Push(); });
  }

 protected:
  void PullOwn() override {
    QLineEdit& line = Line();
    const QString shown = ToQString(FEdit.DisplayText());
    if (line.text() != shown) line.setText(shown);
    line.setReadOnly(FEdit.ReadOnly());
    if (FEdit.SelLength() > 0) {
      line.setSelection(FEdit.SelStart(), FEdit.SelLength());
    } else {
      line.setCursorPosition(FEdit.SelStart());
    }
  }

 private:
  QLineEdit& Line() const { return *static_cast<QLineEdit*>(Widget()); }
  // The caret and selection that the user set with the mouse or the arrow keys.
  void Push() {
    QLineEdit& line = Line();
    if (line.hasSelectedText()) {
      FEdit.SetSelStart(line.selectionStart());
      FEdit.SetSelLength(static_cast<int>(line.selectedText().size()));
    } else {
      FEdit.SetSelStart(line.cursorPosition());
      FEdit.SetSelLength(0);
    }
  }
  TEdit& FEdit;
};

class TMemoView : public TEditBoxView {
 public:
  TMemoView(TFormWindow& window, TMemo& memo)
      : TEditBoxView(window, memo, new QPlainTextEdit, true), FMemo(memo) {
    QPlainTextEdit& text = Text();
    text.setContextMenuPolicy(Qt::DefaultContextMenu);
    text.viewport()->setAcceptDrops(false);
    QObject::connect(&text, &QPlainTextEdit::cursorPositionChanged, [this] { Push(); });
    QObject::connect(&text, &QPlainTextEdit::selectionChanged, [this] { Push(); });
  }

 protected:
  void PullOwn() override {
    QPlainTextEdit& text = Text();
    const QString shown = ToQString(FMemo.Text());
    if (text.toPlainText() != shown) text.setPlainText(shown);
    text.setReadOnly(FMemo.ReadOnly());
    text.setLineWrapMode(FMemo.WordWrap() ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
    const TScrollStyle bars = FMemo.ScrollBars();
    const bool vertical = bars == TScrollStyle::ssVertical || bars == TScrollStyle::ssBoth;
    const bool horizontal = bars == TScrollStyle::ssHorizontal || bars == TScrollStyle::ssBoth;
    text.setVerticalScrollBarPolicy(vertical ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    text.setHorizontalScrollBarPolicy(horizontal ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    QTextCursor cursor(text.document());
    const int end = static_cast<int>(shown.size());
    cursor.setPosition(std::min(FMemo.SelStart(), end));
    cursor.setPosition(std::min(FMemo.SelStart() + FMemo.SelLength(), end),
                       QTextCursor::KeepAnchor);
    text.setTextCursor(cursor);
    text.ensureCursorVisible();
  }

 private:
  QPlainTextEdit& Text() const { return *static_cast<QPlainTextEdit*>(Widget()); }
  void Push() {
    const QTextCursor cursor = Text().textCursor();
    FMemo.SetSelStart(cursor.selectionStart());
    FMemo.SetSelLength(cursor.selectionEnd() - cursor.selectionStart());
  }
  TMemo& FMemo;
};

class TComboView : public TControlView {
 public:
  TComboView(TFormWindow& window, TComboBox& combo)
      : TControlView(window, combo, new QComboBox), FCombo(combo) {
    QObject::connect(&Combo(), &QComboBox::activated, [this](int index) {
      Window().Act([this, index] { UserInput::ChooseComboItem(FCombo, index); });
    });
  }

  bool OtherKey(QKeyEvent& event) override {
    const int key = event.key();
    if (key == Qt::Key_Up || key == Qt::Key_Down) {
      const int next = FCombo.ItemIndex() + (key == Qt::Key_Up ? -1 : 1);
      if (next >= 0 && next < FCombo.Items()->Count()) {
        Window().Act([this, next] { UserInput::ChooseComboItem(FCombo, next); });
      }
      return true;
    }
    // F4 opens the list; the caret keys only move within the edit part.
    return key != Qt::Key_F4 && !IsNavigationKey(key);
  }
  bool MousePress(QMouseEvent&, QWidget&) override { return false; }
  bool MouseRelease(QMouseEvent&, QWidget&) override { return false; }

 protected:
  void PullOwn() override {
    QComboBox& combo = Combo();
    if (combo.isEditable() != FCombo.Editable()) {
      combo.setEditable(FCombo.Editable());
      if (combo.lineEdit() != nullptr) {
        combo.setCompleter(nullptr);
        combo.lineEdit()->setAttribute(Qt::WA_InputMethodEnabled, false);
        combo.lineEdit()->setContextMenuPolicy(Qt::NoContextMenu);
      }
    }
    QStringList items;
    for (int i = 0; i < FCombo.Items()->Count(); ++i) {
      items << ToQString(FCombo.Items()->Strings(i));
    }
    QStringList shown;
    for (int i = 0; i < combo.count(); ++i) shown << combo.itemText(i);
    if (shown != items) {
      combo.clear();
      combo.addItems(items);
    }
    combo.setMaxVisibleItems(std::max(1, FCombo.DropDownCount()));
    combo.setCurrentIndex(FCombo.ItemIndex());
    if (combo.isEditable()) {
      const QString text = ToQString(FCombo.Text());
      if (combo.currentText() != text) combo.setEditText(text);
    }
  }

 private:
  QComboBox& Combo() const { return *static_cast<QComboBox*>(Widget()); }
  TComboBox& FCombo;
};

}  // namespace

std::unique_ptr<TControlView> CreateTextView(TFormWindow& window, TControl& control) {
  if (auto* label = dynamic_cast<TLabel*>(&control)) {
    return std::make_unique<TLabelView>(window, *label);
  }
  if (auto* memo = dynamic_cast<TMemo*>(&control)) {
    return std::make_unique<TMemoView>(window, *memo);
  }
  if (auto* edit = dynamic_cast<TEdit*>(&control)) {
    return std::make_unique<TEditView>(window, *edit);
  }
  if (auto* combo = dynamic_cast<TComboBox*>(&control)) {
    return std::make_unique<TComboView>(window, *combo);
  }
  return nullptr;
}
