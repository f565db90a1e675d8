#include "forms/Memo.h"

#include "PropHelpers.h"

const TClassInfo& TMemo::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TMemo, TCustomEdit>(STR("TMemo"))
          .Creatable()
          .Prop(STR("Lines"), &TMemo::Lines, &TMemo::SetLines)
          .Prop(STR("ScrollBars"), &TMemo::ScrollBars, &TMemo::SetScrollBars,
                &TypeInfoScrollStyle(), 0)
          .Prop(STR("WantReturns"), &TMemo::WantReturns, &TMemo::SetWantReturns, nullptr, 1)
          .Prop(STR("WantTabs"), &TMemo::WantTabs, &TMemo::SetWantTabs, nullptr, 0)
          .Prop(STR("WordWrap"), &TMemo::WordWrap, &TMemo::SetWordWrap, nullptr, 1)
          .Method(STR("LinesChange"), &TMemo::LinesChange)
          .Build();
  return info;
}

TMemo::TMemo(TComponent* owner) : TCustomEdit(owner), FLines(std::make_unique<TStringList>()) {
  FLines->OnChange = TMethod{this, STR("LinesChange")};
  SetBounds(0, 0, 185, 89);
}

TMemo::~TMemo() {
  FLines->OnChange = TMethod{};
}

// The buffer is the truth; Lines mirrors it with one entry per line break plus one.
void TMemo::StoreText(const String& value) {
  FBuffer = value;
  FSyncing = true;
  FLines->BeginUpdate();
  FLines->Clear();
  if (!value.empty()) {
    size_t start = 0;
    for (;;) {
      const size_t end = value.find(sLineBreak, start);
      FLines->Add(value.substr(start, end == String::npos ? String::npos : end - start));
      if (end == String::npos) break;
      start = end + sLineBreak.size();
    }
  }
  FLines->EndUpdate();
  FSyncing = false;
}

void TMemo::LinesChange(TObject*) {
  if (FSyncing) return;
  String text;
  for (int i = 0; i < FLines->Count(); ++i) {
    if (i > 0) text += sLineBreak;
    text += FLines->Strings(i);
  }
  if (text == FBuffer) return;
  FBuffer = std::move(text);
  if (IsLoading()) return;
  TextChanged();
  Invalidate();
}

TCaretPos TMemo::CaretPos() const {
  TCaretPos pos;
  const size_t caret = static_cast<size_t>(SelStart());
  size_t lineStart = 0;
  for (;;) {
    const size_t end = FBuffer.find(sLineBreak, lineStart);
    if (end == String::npos || end >= caret) break;
    lineStart = end + sLineBreak.size();
    ++pos.Y;
  }
  pos.X = static_cast<int>(caret - lineStart);
  return pos;
}

void TMemo::DefaultKeyPress(Char key) {
  if (key == VK_RETURN && FWantReturns && !ReadOnly()) {
    SetSelText(sLineBreak);
  } else if (key == VK_TAB && FWantTabs) {
    SetSelText(STR("\t"));
  } else {
    TCustomEdit::DefaultKeyPress(key);
  }
}

// A multi-line box keeps Enter and Escape for itself (Tab only with WantTabs).
bool TMemo::WantsDialogKey(Char key) const {
  if (key == VK_RETURN) return FWantReturns;
  if (key == VK_TAB) return FWantTabs;
  return key == VK_ESCAPE;
}
