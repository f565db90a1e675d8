#pragma once
// Tokens of Pascal source, as byte ranges of the text. Comments and compiler directives are
// tokens too, so that edits can tell code from text that only looks like code.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

enum class TPasToken { ptIdent, ptNumber, ptString, ptSymbol, ptComment, ptDirective };

struct TPasTokenRange {
  TPasToken Kind;
  size_t Start;
  size_t End;
  bool Code() const { return Kind != TPasToken::ptComment && Kind != TPasToken::ptDirective; }
};

// A fault in the text: what is wrong and where (a byte offset).
struct TPasFault {
  std::string Reason;
  size_t Offset;
};

// Scans from offset start (past a byte order mark). Raises TPasFault for an unterminated
// comment or string.
std::vector<TPasTokenRange> ScanPascal(std::string_view text, size_t start);

// Identifier folded for comparison: ASCII letters in lower case, an escaping '&' dropped.
std::string FoldIdent(std::string_view ident);

// Line positions: where the line holding pos starts, and where the line after pos starts (the
// text's size when pos is on the last line). CR LF, LF and CR all end a line.
size_t LineStartOf(std::string_view text, size_t pos);
size_t NextLineStart(std::string_view text, size_t pos);
// 1-based line number of pos, for messages.
int LineNumberOf(std::string_view text, size_t pos);
