#include "PackageHost.h"

#include <algorithm>

#include "FormClasses.h"
#include "forms/Form.h"
#include "forms/Forms.h"
#include "library/LibraryClasses.h"

const std::vector<std::string>& BuildPackages() {
  static const std::vector<std::string> packages =
      kWideStrings ? std::vector<std::string>{"dcl_Ombrix18"}
                   : std::vector<std::string>{"dcl_Ombrix11", "dcl_Ombrix9", "dcl_OmbrixBCB6"};
  return packages;
}

namespace {

// The folder above the program's bin/.
std::filesystem::path ProgramPrefix() {
  return std::filesystem::read_symlink("/proc/self/exe").parent_path().parent_path();
}

}  // namespace

std::filesystem::path PackageDirectory() {
  return ProgramPrefix() / "lib" / "ombrix";
}

void UseInstalledLayouts() {
  const std::filesystem::path installed = ProgramPrefix() / "share" / "ombrix" / "forms";
  std::error_code error;
  if (std::filesystem::is_directory(installed, error)) SetLayoutDirectory(installed);
}

std::unique_ptr<TPackage> LoadDesignPackage(const std::string& name) {
  const std::vector<std::string>& packages = BuildPackages();
  const std::string chosen = name.empty() ? packages.front() : name;
  if (std::find(packages.begin(), packages.end(), chosen) == packages.end()) {
    std::string known;
    for (const std::string& p : packages) known += (known.empty() ? "" : ", ") + p;
    throw EPackageError(FromUtf8("No package " + chosen + " in this build (" +
                                 (kWideStrings ? "16" : "8") + "-bit strings); it has " + known));
  }
  RegisterFormClasses();
  auto package = std::make_unique<TPackage>(PackageDirectory() / (chosen + ".so"));
  package->Register();
  return package;
}
