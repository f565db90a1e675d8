#include "DesignPackage.h"

#include <filesystem>

#include "FormClasses.h"

namespace {

std::filesystem::path BuiltPackage() {
  const char* name = kWideStrings ? "dcl_Ombrix18.so" : "dcl_Ombrix11.so";
  std::error_code error;
  const auto program = std::filesystem::read_symlink("/proc/self/exe", error);
  return program.parent_path().parent_path() / "lib" / "ombrix" / name;
}

}  // namespace

std::unique_ptr<TLoadedPackage> LoadDesignPackage(const std::optional<std::string>& file) {
  RegisterFormClasses();
  auto package = std::make_unique<TPackage>(file ? std::filesystem::path(*file) : BuiltPackage());
  package->Register();
  return package;
}
