#pragma once
// The host's binary form format: "TPF0", then each object as an optional flags byte (inherited,
// creation order, inline), class name, object name, properties as name and value-type tagged
// value, an empty name, its children, and a zero byte.
#include <memory>
#include <string>
#include <string_view>

#include "classes/FormDocument.h"

std::string WriteBinaryForm(const TFormDocument& document);
// Reads one form from the start of bytes; used tells how many bytes it took. Raises EReadError
// for malformed data.
std::unique_ptr<TFormDocument> ReadBinaryForm(std::string_view bytes, size_t& used);
