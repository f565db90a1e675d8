#pragma once
// The character side of form text: how the file is encoded, how quoted runs, names and #nnn
// codes become a String, and how a String becomes quoted runs, names and codes again.
//
// Quoted runs and names are decoded from the file's encoding (the 8-bit builds hold UTF-8).
// 16-bit build: #nnn are UTF-16 code units. 8-bit builds: #nnn are UTF-16 code units too, except
// that up to 255 in a Windows-1252 file they are that code page's byte, as the 8-bit host wrote.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "classes/FormDocument.h"

// Encoding (BOM, valid UTF-8, else Windows-1252) and the first line break of the file.
TFormStyle DetectFormStyle(std::string_view bytes);

bool IsValidUtf8(std::string_view text);
// Unicode code point of a Windows-1252 byte (undefined bytes map to the same number).
char16_t Cp1252ToUnicode(unsigned char byte);

// Bytes of the file (a quoted run, a name) as a String.
String DecodeFormBytes(std::string_view bytes, TFormEncoding encoding);
// The same, appended to out.
void AppendFormBytes(String& out, std::string_view bytes, TFormEncoding encoding);
// A name as the file writes it. Raises EConvertError when a Windows-1252 file cannot hold one of
// its letters.
std::string EncodeFormName(StringView name, TFormEncoding encoding);
// The character at bytes[i] and its length in bytes.
char32_t FormCharAt(std::string_view bytes, size_t i, TFormEncoding encoding, size_t& length);

// Offsets where the lines of the text start; a line ends with LF, CR LF or a CR alone.
std::vector<uint32_t> FormLineStarts(std::string_view text);
// Line and column (in characters) of text[offset]; a byte order mark takes no column.
std::pair<int, int> FormTextPosition(std::string_view text, const std::vector<uint32_t>& lineStarts,
                                     size_t offset, TFormEncoding encoding);

// Assembles a string value from its parts in file order. Take gives the text at its exact size
// and empties the builder, which keeps its buffer for the next value.
class TFormStringBuilder {
 public:
  explicit TFormStringBuilder(TFormEncoding encoding) : FEncoding(encoding) {}
  void AddQuoted(std::string_view bytes);
  void AddCode(uint32_t code);
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
