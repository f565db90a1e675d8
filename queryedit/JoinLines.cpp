#include "queryedit/JoinLines.h"

String JoinLines(const TStringList& lines) {
  String text = lines.Text();
  if (lines.Count() > 0) text.resize(text.size() - sLineBreak.size());
  return text;
}
