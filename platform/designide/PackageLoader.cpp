#include "PackageLoader.h"

#include <dlfcn.h>

#include "RegistryScope.h"

namespace {

[[noreturn]] void Fail(const std::filesystem::path& file, const String& why) {
  throw EPackageError(STR("Cannot load package ") + FromUtf8(file.string()) + STR(": ") + why);
}

String LastDlError() {
  const char* error = dlerror();
  return error != nullptr ? FromUtf8(error) : String(STR("unknown error"));
}

}  // namespace

TPackage::TPackage(const std::filesystem::path& file) : FName(FromUtf8(file.stem().string())) {
  FHandle = dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (FHandle == nullptr) Fail(file, LastDlError());
  try {
    auto initialize = reinterpret_cast<TPackageProc>(Symbol("Initialize"));
    auto info = reinterpret_cast<TGetPackageInfoTableProc>(Symbol("GetPackageInfoTable"));
    FFinalize = reinterpret_cast<TPackageProc>(Symbol("Finalize"));
    FRegister = reinterpret_cast<TPackageProc>(Symbol("Register"));
    if (initialize == nullptr || info == nullptr || FFinalize == nullptr || FRegister == nullptr) {
      Fail(file, STR("it does not export Initialize, Finalize, GetPackageInfoTable and Register"));
    }
    FInfo = info();
    if (FInfo == nullptr) Fail(file, STR("it has no information record"));
    initialize();
  } catch (...) {
    dlclose(FHandle);
    throw;
  }
}

TPackage::~TPackage() {
  UnregisterPackage(FName);
  FFinalize();
  dlclose(FHandle);
}

void TPackage::Register() {
  BeginPackageRegistration(FName);
  try {
    FRegister();
  } catch (...) {
    EndPackageRegistration();
    throw;
  }
  EndPackageRegistration();
}

void* TPackage::Symbol(const char* name) const {
  return dlsym(FHandle, name);
}
