#include "SynEditStandIns.h"

#include <algorithm>

#include "queryedit/JoinLines.h"

namespace {

template <class T, class V>
auto Get(V T::*field) {
  return [field](const T* self) -> V { return self->*field; };
}

template <class T, class V>
auto Set(V T::*field) {
  return [field](T* self, V value) { self->*field = value; };
}

const TTypeInfo& TypeInfoEditorOptions() {
  static const TTypeInfo info{
      TTypeKind::tkSet,
      STR("TEditorOptions"),
      {STR("eoAutoIndent"), STR("eoDragDropEditing"), STR("eoEnhanceHomeKey"), STR("eoGroupUndo"),
       STR("eoKeepCaretX"), STR("eoShowScrollHint"), STR("eoSmartTabDelete"), STR("eoSmartTabs"),
       STR("eoTabsToSpaces")},
      nullptr,
      nullptr};
  return info;
}

const TTypeInfo& TypeInfoHighlightDialect() {
  static const TTypeInfo info{TTypeKind::tkEnumeration,
                              STR("THighlightDialect"),
                              {STR("sqlGeneric"), STR("sqlPostgres")},
                              nullptr,
                              nullptr};
  return info;
}

TTokenStyle* Attri(TTokenStyle& a) {
  return &a;
}

}  // namespace

const TClassInfo& TEditorGutter::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TEditorGutter, TPersistent>(STR("TEditorGutter"))
          .Prop(STR("AutoSize"), Get(&TEditorGutter::AutoSize), Set(&TEditorGutter::AutoSize))
          .Prop(STR("DigitCount"), Get(&TEditorGutter::DigitCount), Set(&TEditorGutter::DigitCount))
          .Prop(STR("Font"), &TEditorGutter::Font, nullptr)
          .Prop(STR("ShowLineNumbers"), Get(&TEditorGutter::ShowLineNumbers),
                Set(&TEditorGutter::ShowLineNumbers))
          .Build();
  return info;
}

TEditorGutter::TEditorGutter() : FFont(std::make_unique<TFont>()) {}

const TClassInfo& TTokenStyle::StaticClass() {
  static const TClassInfo info = TClassBuilder<TTokenStyle, TPersistent>(STR("TTokenStyle"))
                                     .Prop(STR("Foreground"), Get(&TTokenStyle::Foreground),
                                           Set(&TTokenStyle::Foreground), &TypeInfoColor())
                                     .Build();
  return info;
}

const TClassInfo& TSynSQLSyn::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TSynSQLSyn, TComponent>(STR("TSynSQLSyn"))
          .Creatable()
          .Prop(
              STR("CommentAttri"),
              [](const TSynSQLSyn* s) { return Attri(const_cast<TSynSQLSyn*>(s)->CommentAttri); },
              nullptr)
          .Prop(
              STR("DataTypeAttri"),
              [](const TSynSQLSyn* s) { return Attri(const_cast<TSynSQLSyn*>(s)->DataTypeAttri); },
              nullptr)
          .Prop(
              STR("FunctionAttri"),
              [](const TSynSQLSyn* s) { return Attri(const_cast<TSynSQLSyn*>(s)->FunctionAttri); },
              nullptr)
          .Prop(
              STR("KeyAttri"),
              [](const TSynSQLSyn* s) { return Attri(const_cast<TSynSQLSyn*>(s)->KeyAttri); },
              nullptr)
          .Prop(
              STR("NumberAttri"),
              [](const TSynSQLSyn* s) { return Attri(const_cast<TSynSQLSyn*>(s)->NumberAttri); },
              nullptr)
          .Prop(STR("SQLDialect"), Get(&TSynSQLSyn::SQLDialect), Set(&TSynSQLSyn::SQLDialect),
                &TypeInfoHighlightDialect())
          .Build();
  return info;
}

TSynSQLSyn::TSynSQLSyn(TComponent* owner) : TComponent(owner) {}

const TClassInfo& TSynMemoBase::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TSynMemoBase, TWinControl>(STR("TSynMemoBase"))
          .Prop(STR("Gutter"), &TSynMemoBase::Gutter, nullptr)
          .Prop(STR("Highlighter"), Get(&TSynMemoBase::Highlighter),
                Set(&TSynMemoBase::Highlighter))
          .Prop(STR("Options"), Get(&TSynMemoBase::Options), Set(&TSynMemoBase::Options),
                &TypeInfoEditorOptions())
          .Prop(STR("WantTabs"), Get(&TSynMemoBase::WantTabs), Set(&TSynMemoBase::WantTabs))
          .Prop(STR("WordWrap"), Get(&TSynMemoBase::WordWrap), Set(&TSynMemoBase::WordWrap))
          .Prop(STR("SelStart"), &TSynMemoBase::SelStart, &TSynMemoBase::SetSelStart)
          .Prop(STR("DisplayXY"), &TSynMemoBase::DisplayXY, nullptr, &TypeInfoDisplayPosition())
          .Method(STR("RowColumnToPixels"), &TSynMemoBase::RowColumnToPixels)
          .Build();
  return info;
}

TSynMemoBase::TSynMemoBase(TComponent* owner)
    : TWinControl(owner),
      FLines(std::make_unique<TStringList>()),
      FGutter(std::make_unique<TEditorGutter>()) {
  SetTabStop(true);
}

TSynMemoBase::~TSynMemoBase() = default;

void TSynMemoBase::SetSelStart(int value) {
  FSelStart = std::clamp(value, 0, static_cast<int>(JoinLines(*FLines).size()));
}

TDisplayPosition TSynMemoBase::DisplayXY() const {
  const String text = JoinLines(*FLines).substr(0, static_cast<size_t>(FSelStart));
  const size_t lineStart = text.rfind(sLineBreak);
  TDisplayPosition position;
  position.Row = 1 + static_cast<int>(std::count(text.begin(), text.end(), sLineBreak[0]));
  position.Column =
      1 + static_cast<int>(lineStart == String::npos ? text.size()
                                                     : text.size() - lineStart - sLineBreak.size());
  return position;
}

TPoint TSynMemoBase::RowColumnToPixels(TDisplayPosition position) {
  return TPoint{40 + (position.Column - 1) * 8, (position.Row - 1) * 16};
}

namespace {

TStringList* LinesOf(const TSynMemoBase* memo) {
  return memo->Lines();
}

}  // namespace

const TClassInfo& TSynMemo::StaticClass() {
  static const TClassInfo info = TClassBuilder<TSynMemo, TSynMemoBase>(STR("TSynMemo"))
                                     .Creatable()
                                     .Prop(STR("Lines"), &LinesOf, nullptr)
                                     .Build();
  return info;
}

const TClassInfo& TSynMemoWithoutLines::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TSynMemoWithoutLines, TSynMemoBase>(STR("TSynMemo")).Creatable().Build();
  return info;
}

const TClassInfo& TSynMemoTextLines::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TSynMemoTextLines, TSynMemoBase>(STR("TSynMemo"))
          .Creatable()
          .Prop(
              STR("Lines"), [](const TSynMemoTextLines* m) { return JoinLines(*m->Lines()); },
              [](TSynMemoTextLines* m, String text) { m->Lines()->SetText(text); })
          .Build();
  return info;
}

const TClassInfo& TSynMemoNumberExit::StaticClass() {
  static const TClassInfo info = TClassBuilder<TSynMemoNumberExit, TSynMemo>(STR("TSynMemo"))
                                     .Creatable()
                                     .Prop(STR("OnExit"), Get(&TSynMemoNumberExit::OnExitCount),
                                           Set(&TSynMemoNumberExit::OnExitCount))
                                     .Build();
  return info;
}

const TClassInfo& TSynMemoElsewhere::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TSynMemoElsewhere, TSynMemo>(STR("TSynMemo"))
          .Creatable([](TComponent* owner) -> TObject* {
            return new TSynMemoElsewhere(owner != nullptr ? owner->Owner() : nullptr);
          })
          .Build();
  return info;
}

const TClassInfo& TSynMemoNumberPixels::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TSynMemoNumberPixels, TSynMemo>(STR("TSynMemo"))
          .Creatable()
          .Method(STR("RowColumnToPixels"), &TSynMemoNumberPixels::RowColumnToPixels)
          .Build();
  return info;
}
