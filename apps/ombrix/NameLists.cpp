#include "NameLists.h"

#include <CLI/CLI.hpp>

TStringList SplitNames(const std::string& text, const char* option) {
  TStringList names;
  if (text.empty()) return names;
  size_t start = 0;
  for (;;) {
    const size_t comma = text.find(',', start);
    const std::string name = text.substr(start, comma - start);
    if (name.empty()) {
      throw CLI::ValidationError(option, "empty field name in '" + text + "'");
    }
    names.Add(FromUtf8(name));
    if (comma == std::string::npos) return names;
    start = comma + 1;
  }
}
