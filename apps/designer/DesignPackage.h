#pragma once
// The design-time package, loaded and registered as a designer does it.
#include <memory>
#include <optional>
#include <string>

#include "designide/PackageLoader.h"

using TLoadedPackage = TPackage;

// The given file, else the package built beside this program (lib/ombrix/ next to bin/). Raises
// EPackageError naming the file when it cannot be loaded.
std::unique_ptr<TLoadedPackage> LoadDesignPackage(const std::optional<std::string>& file);
