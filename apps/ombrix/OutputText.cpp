#include "OutputText.h"

#include "classes/FormEncoding.h"

std::string OutputUtf8(StringView text) {
  const std::string bytes = ToUtf8(text);
  if (kWideStrings || IsValidUtf8(bytes)) return bytes;
  std::u16string decoded;
  for (const char c : bytes) decoded += Cp1252ToUnicode(static_cast<unsigned char>(c));
  return Utf16ToUtf8(decoded);
}
