#include "PascalTokens.h"

namespace {

bool IdentStart(unsigned char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_' || c >= 0x80;
}

bool IdentChar(unsigned char c) {
  return IdentStart(c) || (c >= '0' && c <= '9');
}

bool LineBreak(char c) {
  return c == '\n' || c == '\r';
}

class TScanner {
 public:
  TScanner(std::string_view text, size_t start) : FText(text), FPos(start) {}

  std::vector<TPasTokenRange> Run() {
    std::vector<TPasTokenRange> tokens;
    while (SkipBlanks()) {
      const size_t start = FPos;
      const TPasToken kind = Next();
      tokens.push_back({kind, start, FPos});
    }
    return tokens;
  }

 private:
  bool SkipBlanks() {
    while (FPos < FText.size() && static_cast<unsigned char>(FText[FPos]) <= ' ') ++FPos;
    return FPos < FText.size();
  }

  char At(size_t pos) const { return pos < FText.size() ? FText[pos] : '\0'; }

  TPasToken Next() {
    const char c = FText[FPos];
    if (c == '{') return BraceComment();
    if (c == '(' && At(FPos + 1) == '*') return ParenComment();
    if (c == '/' && At(FPos + 1) == '/') {
      while (FPos < FText.size() && !LineBreak(FText[FPos])) ++FPos;
      return TPasToken::ptComment;
    }
    if (c == '\'' || c == '#') return StringConstant();
    if (IdentStart(static_cast<unsigned char>(c)) ||
        (c == '&' && IdentStart(static_cast<unsigned char>(At(FPos + 1))))) {
      ++FPos;
      while (IdentChar(static_cast<unsigned char>(At(FPos)))) ++FPos;
      return TPasToken::ptIdent;
    }
    if ((c >= '0' && c <= '9') || c == '$' || c == '%') {
      ++FPos;
      while (IdentChar(static_cast<unsigned char>(At(FPos)))) ++FPos;
      return TPasToken::ptNumber;
    }
    ++FPos;
    return TPasToken::ptSymbol;
  }

  TPasToken BraceComment() {
    const size_t start = FPos;
    const size_t close = FText.find('}', FPos + 1);
    if (close == std::string_view::npos) throw TPasFault{"unterminated comment", start};
    FPos = close + 1;
    return At(start + 1) == '$' ? TPasToken::ptDirective : TPasToken::ptComment;
  }

  TPasToken ParenComment() {
    const size_t start = FPos;
    const size_t close = FText.find("*)", FPos + 2);
    if (close == std::string_view::npos) throw TPasFault{"unterminated comment", start};
    FPos = close + 2;
    return At(start + 2) == '$' ? TPasToken::ptDirective : TPasToken::ptComment;
  }

  // Quoted runs and #nn codes joined without blanks form one constant.
  TPasToken StringConstant() {
    while (FPos < FText.size()) {
      if (FText[FPos] == '\'') {
        const size_t start = FPos++;
        for (;;) {
          if (FPos >= FText.size() || LineBreak(FText[FPos])) {
            throw TPasFault{"unterminated string", start};
          }
          if (FText[FPos++] != '\'') continue;
          if (At(FPos) != '\'') break;
          ++FPos;
        }
      } else if (FText[FPos] == '#') {
        ++FPos;
        while (IdentChar(static_cast<unsigned char>(At(FPos))) || At(FPos) == '$') ++FPos;
      } else {
        break;
      }
    }
    return TPasToken::ptString;
  }

  std::string_view FText;
  size_t FPos;
};

}  // namespace

std::vector<TPasTokenRange> ScanPascal(std::string_view text, size_t start) {
  return TScanner(text, start).Run();
}

std::string FoldIdent(std::string_view ident) {
  if (ident.starts_with('&')) ident.remove_prefix(1);
  std::string folded(ident);
  for (char& c : folded) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return folded;
}

size_t LineStartOf(std::string_view text, size_t pos) {
  while (pos > 0 && !LineBreak(text[pos - 1])) --pos;
  return pos;
}

size_t NextLineStart(std::string_view text, size_t pos) {
  while (pos < text.size() && !LineBreak(text[pos])) ++pos;
  if (pos >= text.size()) return text.size();
  return text[pos] == '\r' && pos + 1 < text.size() && text[pos + 1] == '\n' ? pos + 2 : pos + 1;
}

int LineNumberOf(std::string_view text, size_t pos) {
  int line = 1;
  for (size_t i = 0; i < pos && i < text.size(); ++i) {
    if (text[i] == '\n' || (text[i] == '\r' && (i + 1 >= text.size() || text[i + 1] != '\n'))) {
      ++line;
    }
  }
  return line;
}
