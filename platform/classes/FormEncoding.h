#pragma once
// The character side of form text: how the file is encoded, how quoted runs and #nnn codes
// become a String, and how a String becomes quoted runs and codes again.
//
// 16-bit build: quoted runs are decoded from the file's encoding and #nnn are UTF-16 code units.
// 8-bit build: quoted runs are the file's bytes; #nnn up to 255 is that byte, except in UTF-8
// files, where codes from 128 up are Unicode and stored as UTF-8 (as are codes above 255);
// above 255 in a Windows-1252 file the character's code page byte, or '?' when it has none.
#include <functional>
#include <string>
#include <string_view>

#include "classes/FormDocument.h"

// Encoding (BOM, valid UTF-8, else Windows-1252) and the first line break of the file.
TFormStyle DetectFormStyle(std::string_view bytes);

bool IsValidUtf8(std::string_view text);
// Unicode code point of a Windows-1252 byte (undefined bytes map to the same number).
char16_t Cp1252ToUnicode(unsigned char byte);

// Assembles a string value from its parts in file order.
class TFormStringBuilder {
 public:
  explicit TFormStringBuilder(TFormEncoding encoding) : FEncoding(encoding) {}
  void AddQuoted(std::string_view bytes);
  void AddCode(uint32_t code);  // a UTF-16 code unit or, in the 8-bit build, a byte
  String Take();

 private:
  void Flush();
  TFormEncoding FEncoding;
  String FText;
  std::u16string FPendingCodes;  // 8-bit build: codes wait so that surrogate pairs join
};

// Calls unit for each character of text as written in form text: quoted (a printable ASCII
// character, code is the character) or as a #code. Each call is one unit of the 64-unit lines.
void ForEachFormUnit(const String& text, TFormEncoding encoding,
                     const std::function<void(bool quoted, uint32_t code)>& unit);
