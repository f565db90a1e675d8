#pragma once
// JSON text for the command line's --json output: values are written as text pieces.
#include <string>
#include <vector>

#include "rtl/String.h"

// A JSON string literal (UTF-8), with quotes, backslashes and control characters escaped.
std::string JsonString(const String& value);
std::string JsonBool(bool value);
// {"k": v, ...} from keys and already written values, in the given order.
std::string JsonObject(const std::vector<std::pair<std::string, std::string>>& members);
std::string JsonArray(const std::vector<std::string>& values);
