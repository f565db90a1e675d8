#pragma once
#include <filesystem>
#include <string_view>

// Replaces path with bytes so that readers see either the old file or the whole new one: a
// temporary file in the same folder, flushed to disk, then renamed over the target. An existing
// file's permissions are kept. Raises Exception with the reason; the target is then untouched.
void WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes);
