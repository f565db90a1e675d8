#include "Json.h"

#include <cstdio>

std::string JsonString(const String& value) {
  std::string out = "\"";
  for (const char c : ToUtf8(value)) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (byte < 0x20) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\u%04x", byte);
      out += escaped;
    } else {
      out += c;
    }
  }
  return out + "\"";
}

std::string JsonBool(bool value) {
  return value ? "true" : "false";
}

std::string JsonObject(const std::vector<std::pair<std::string, std::string>>& members) {
  std::string out = "{";
  for (size_t i = 0; i < members.size(); ++i) {
    if (i > 0) out += ", ";
    out += JsonString(FromUtf8(members[i].first)) + ": " + members[i].second;
  }
  return out + "}";
}

std::string JsonArray(const std::vector<std::string>& values) {
  std::string out = "[";
  for (size_t i = 0; i < values.size(); ++i) out += (i > 0 ? ", " : "") + values[i];
  return out + "]";
}
