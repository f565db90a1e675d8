#pragma once
// Splits form text into tokens, keeping their byte offsets so that the parser can cut the source
// of each node. Lines and columns are found from an offset only when a message needs them.
#include <cstdint>
#include <string>
#include <string_view>

#include "FormEncoding.h"

enum class TFormTokenKind { Eof, Ident, Integer, Float, String, Binary, Char };
// The words of the syntax, spelled in any case; wNone for other identifiers.
enum class TFormWord : uint8_t { wNone, wObject, wInherited, wInline, wEnd, wItem };

struct TFormToken {
  TFormTokenKind Kind = TFormTokenKind::Eof;
  size_t Start = 0;
  size_t End = 0;
  char Ch = 0;                        // Char tokens
  int64_t Int = 0;                    // Integer tokens
  bool Plain = false;                 // String tokens: one quoted run without '' inside
  TFormWord Word = TFormWord::wNone;  // Ident tokens
};

class TFormLexer {
 public:
  // source ends with the NUL of std::string, which stops a name without a bounds check.
  TFormLexer(const std::string& source, size_t start, TFormEncoding encoding, String fileName);

  const TFormToken& Token() const { return FToken; }
  // End offset of the token before the current one.
  size_t PrevEnd() const { return FPrevEnd; }
  void Next();

  bool IsChar(char c) const { return FToken.Kind == TFormTokenKind::Char && FToken.Ch == c; }
  bool IsWord(TFormWord word) const { return FToken.Word == word; }
  bool AtObjectStart() const {
    return FToken.Word == TFormWord::wObject || FToken.Word == TFormWord::wInherited ||
           FToken.Word == TFormWord::wInline;
  }
  // The next token after the current one is the character c.
  bool FollowedBy(char c) const;
  // A line break stands between the token before the current one and the current one.
  bool OnNewLine() const;
  std::string_view Spelling() const;
  String TokenString() const;
  // The text between the apostrophes of a Plain String token.
  std::string_view PlainText() const {
    return FSource.substr(FToken.Start + 1, FToken.End - FToken.Start - 2);
  }
  // Appends the current String token's parts to builder.
  void AppendString(TFormStringBuilder& builder) const;
  std::string BinaryBytes() const;
  // How the file writes apostrophes inside strings, for rendering in its style.
  int DoubledApostrophes() const { return FDoubled; }
  int CodedApostrophes() const { return FCoded; }

  [[noreturn]] void Error(const String& message) const;
  [[noreturn]] void ErrorAt(const TFormToken& token, const String& message) const;

 private:
  // Bytes of the name character at i (a letter or '_', or a digit unless first); 0 for none.
  size_t NameCharLength(size_t i, bool first) const;
  size_t ScanName(size_t i) const;
  TFormWord WordAt(size_t start, size_t end) const;
  size_t ScanString(size_t i);
  size_t ScanNumber(size_t i);
  size_t ScanBinary(size_t i) const;
  [[noreturn]] void ErrorHere(size_t offset, const String& message) const;

  std::string_view FSource;
  TFormEncoding FEncoding;
  String FFileName;
  size_t FPrevEnd;
  TFormToken FToken;
  int FDoubled = 0;
  int FCoded = 0;
};
