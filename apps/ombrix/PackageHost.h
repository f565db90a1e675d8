#pragma once
// Loading the build's design-time packages into this program, as a designer does. The packages
// live in lib/ombrix beside the program's bin/ folder, in the build tree and when installed.
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "designide/PackageLoader.h"

// The packages of this build, the newest first.
const std::vector<std::string>& BuildPackages();
std::filesystem::path PackageDirectory();

// Registers the host's and the library's classes, loads the package (empty: the newest of the
// build) through the host's loader and runs its Register. The splash screen is the designer's
// (SetSplashScreenServices) at the time of the call. Raises EPackageError for a name that is
// not a package of this build, naming the ones there are. The editors that the registry then
// finds live in the package: keep it until they are gone.
std::unique_ptr<TPackage> LoadDesignPackage(const std::string& name = std::string());

// An installed program reads the dialog layouts from share/ombrix/forms beside bin/.
void UseInstalledLayouts();
