#pragma once
// Stand-ins for a host's syntax-highlighting editor ("TSynMemo") and its SQL highlighter
// ("TSynSQLSyn"), with the members the SQL editor reaches by name and the settings its form text
// gives them. Variants registered under the same name lack a member or publish it with another
// type, to drive the SQL editor's fall-back to its plain memo.
#include <memory>

#include "classes/StringList.h"
#include "forms/Forms.h"
#include "forms/Points.h"

class TEditorGutter : public TPersistent {
  OMBRIX_CLASS(TEditorGutter)
  TEditorGutter();
  TFont* Font() const { return FFont.get(); }
  bool AutoSize = false;
  int DigitCount = 4;
  bool ShowLineNumbers = false;

 private:
  std::unique_ptr<TFont> FFont;
};

class TTokenStyle : public TPersistent {
  OMBRIX_CLASS(TTokenStyle)
  TTokenStyle() = default;
  TColor Foreground = clNone;
};

enum class THighlightDialect { sqlGeneric, sqlPostgres };

class TSynSQLSyn : public TComponent {
  OMBRIX_CLASS(TSynSQLSyn)
  explicit TSynSQLSyn(TComponent* owner);
  TTokenStyle CommentAttri;
  TTokenStyle DataTypeAttri;
  TTokenStyle FunctionAttri;
  TTokenStyle KeyAttri;
  TTokenStyle NumberAttri;
  THighlightDialect SQLDialect = THighlightDialect::sqlGeneric;
};

// Everything but "Lines", which the variants publish (or not).
class TSynMemoBase : public TWinControl {
  OMBRIX_CLASS(TSynMemoBase)
  explicit TSynMemoBase(TComponent* owner);
  ~TSynMemoBase() override;

  TStringList* Lines() const { return FLines.get(); }
  TEditorGutter* Gutter() const { return FGutter.get(); }
  // Kept in the text's range, as an editor does.
  int SelStart() const { return FSelStart; }
  void SetSelStart(int value);
  // Row and column of the caret, from 1.
  TDisplayPosition DisplayXY() const;
  // 8 pixels a column after a 40-pixel gutter, 16 pixels a row.
  TPoint RowColumnToPixels(TDisplayPosition position);

  TComponent* Highlighter = nullptr;
  int Options = 0;
  bool WantTabs = false;
  bool WordWrap = true;

 private:
  std::unique_ptr<TStringList> FLines;
  std::unique_ptr<TEditorGutter> FGutter;
  int FSelStart = 0;
};

// The editor as the SQL editor expects it.
class TSynMemo : public TSynMemoBase {
  OMBRIX_CLASS(TSynMemo)
  using TSynMemoBase::TSynMemoBase;
};

// No "Lines" at all.
class TSynMemoWithoutLines : public TSynMemoBase {
  OMBRIX_CLASS(TSynMemoWithoutLines)
  using TSynMemoBase::TSynMemoBase;
};

// "Lines" as a string instead of a string list.
class TSynMemoTextLines : public TSynMemoBase {
  OMBRIX_CLASS(TSynMemoTextLines)
  using TSynMemoBase::TSynMemoBase;
};

// "OnExit" as an integer instead of an event.
class TSynMemoNumberExit : public TSynMemo {
  OMBRIX_CLASS(TSynMemoNumberExit)
  using TSynMemo::TSynMemo;
  int OnExitCount = 0;
};

// Created for the panel but handed to the panel's owner, so the panel does not hold it.
class TSynMemoElsewhere : public TSynMemo {
  OMBRIX_CLASS(TSynMemoElsewhere)
  using TSynMemo::TSynMemo;
};

// "RowColumnToPixels" gives a number instead of a point.
class TSynMemoNumberPixels : public TSynMemo {
  OMBRIX_CLASS(TSynMemoNumberPixels)
  using TSynMemo::TSynMemo;
  int RowColumnToPixels(TDisplayPosition position) { return position.Row; }
};
