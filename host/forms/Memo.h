#pragma once
#include "classes/StringList.h"
#include "forms/Edit.h"

struct TCaretPos {
  int X = 0;  // column
  int Y = 0;  // line
};

// A multi-line text box. Text is the lines joined by sLineBreak with none after the last line;
// n line breaks make n + 1 lines (an empty text has none).
class TMemo : public TCustomEdit {
  OMBRIX_CLASS(TMemo)
  explicit TMemo(TComponent* owner);
  ~TMemo() override;

  TStringList* Lines() const { return FLines.get(); }
  void SetLines(TStringList* value) { FLines->Assign(value); }
  String GetText() const override { return FBuffer; }

  TScrollStyle ScrollBars() const { return FScrollBars; }
  void SetScrollBars(TScrollStyle value) { FScrollBars = value; }
  bool WordWrap() const { return FWordWrap; }
  void SetWordWrap(bool value) { FWordWrap = value; }
  bool WantReturns() const { return FWantReturns; }
  void SetWantReturns(bool value) { FWantReturns = value; }
  bool WantTabs() const { return FWantTabs; }
  void SetWantTabs(bool value) { FWantTabs = value; }
  // The caret's line and column, from SelStart.
  TCaretPos CaretPos() const;

  void DefaultKeyPress(Char key) override;
  bool WantsDialogKey(Char key) const override;
  // Keeps the text in step when someone edits Lines directly.
  void LinesChange(TObject* sender);

 protected:
  void StoreText(const String& value) override;

 private:
  std::unique_ptr<TStringList> FLines;
  String FBuffer;
  bool FSyncing = false;
  TScrollStyle FScrollBars = TScrollStyle::ssNone;
  bool FWordWrap = true;
  bool FWantReturns = true;
  bool FWantTabs = false;
};
