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

const TTypeInfo& TypeInfoSynEditorOptions() {
  static const TTypeInfo info{
      TTypeKind::tkSet,
      STR("TSynEditorOptions"),
      {STR("eoAltSetsColumnMode"), STR("eoAutoIndent"), STR("eoDragDropEditing"),
       STR("eoEnhanceHomeKey"), STR("eoGroupUndo"), STR("eoKeepCaretX"), STR("eoShowScrollHint"),
       STR("eoSmartTabDelete"), STR("eoSmartTabs"), STR("eoTabsToSpaces")},
      nullptr,
      nullptr};
  return info;
}

const TTypeInfo& TypeInfoSQLDialect() {
  static const TTypeInfo info{TTypeKind::tkEnumeration,
                              STR("TSQLDialect"),
                              {STR("sqlStandard"), STR("sqlMySQL"), STR("sqlPostgres")},
                              nullptr,
                              nullptr};
  return info;
}

TSynHighlighterAttributes* Attri(TSynHighlighterAttributes& a) {
  return &a;
}

}  // namespace

const TClassInfo& TSynGutter::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TSynGutter, TPersistent>(STR("TSynGutter"))
          .Prop(STR("AutoSize"), Get(&TSynGutter::AutoSize), Set(&TSynGutter::AutoSize))
          .Prop(STR("DigitCount"), Get(&TSynGutter::DigitCount), Set(&TSynGutter::DigitCount))
          .Prop(STR("Font"), &TSynGutter::Font, nullptr)
          .Prop(STR("ShowLineNumbers"), Get(&TSynGutter::ShowLineNumbers),
                Set(&TSynGutter::ShowLineNumbers))
          .Build();
  return info;
}

TSynGutter::TSynGutter() : FFont(std::make_unique<TFont>()) {}

const TClassInfo& TSynHighlighterAttributes::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TSynHighlighterAttributes, TPersistent>(STR("TSynHighlighterAttributes"))
          .Prop(STR("Foreground"), Get(&TSynHighlighterAttributes::Foreground),
                Set(&TSynHighlighterAttributes::Foreground), &TypeInfoColor())
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
                &TypeInfoSQLDialect())
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
                &TypeInfoSynEditorOptions())
          .Prop(STR("WantTabs"), Get(&TSynMemoBase::WantTabs), Set(&TSynMemoBase::WantTabs))
          .Prop(STR("WordWrap"), Get(&TSynMemoBase::WordWrap), Set(&TSynMemoBase::WordWrap))
          .Prop(STR("SelStart"), &TSynMemoBase::SelStart, &TSynMemoBase::SetSelStart)
          .Prop(STR("DisplayXY"), &TSynMemoBase::DisplayXY, nullptr, &TypeInfoDisplayCoord())
          .Method(STR("RowColumnToPixels"), &TSynMemoBase::RowColumnToPixels)
          .Build();
  return info;
}

TSynMemoBase::TSynMemoBase(TComponent* owner)
    : TWinControl(owner),
      FLines(std::make_unique<TStringList>()),
      FGutter(std::make_unique<TSynGutter>()) {
  SetTabStop(true);
}

TSynMemoBase::~TSynMemoBase() = default;

void TSynMemoBase::SetSelStart(int value) {
  FSelStart = std::clamp(value, 0, static_cast<int>(JoinLines(*FLines).size()));
}

TDisplayCoord TSynMemoBase::DisplayXY() const {
  const String text = JoinLines(*FLines).substr(0, static_cast<size_t>(FSelStart));
  const size_t lineStart = text.rfind(sLineBreak);
  TDisplayCoord position;
  position.Row = 1 + static_cast<int>(std::count(text.begin(), text.end(), sLineBreak[0]));
  position.Column =
      1 + static_cast<int>(lineStart == String::npos ? text.size()
                                                     : text.size() - lineStart - sLineBreak.size());
  return position;
}

TPoint TSynMemoBase::RowColumnToPixels(TDisplayCoord position) {
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
