#pragma once
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// The file's bytes, or nothing when it cannot be read (a file that is not there yet).
std::optional<std::string> ReadFileBytes(const std::filesystem::path& path);

// Replaces path with bytes so that readers see either the old file or the whole new one: a
// temporary file in the same folder, flushed to disk, then renamed over the target. A symbolic
// link is followed: the file it points at is replaced and the link stays. An existing file's
// permissions are kept. Raises Exception with the reason; the target is then untouched.
void WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes);

// The same for several files, all or none: every new text is written and flushed beside its
// target before the first is renamed over it, so a failure while writing (a full disk, a
// read-only folder) leaves every target as it was.
void WriteFilesAtomically(
    const std::vector<std::pair<std::filesystem::path, std::string_view>>& files);
