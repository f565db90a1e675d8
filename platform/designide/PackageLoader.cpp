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

const TPackageResourceTable kNoResources{nullptr, 0};

}  // namespace

TPackage::TPackage(const std::filesystem::path& file) : FName(FromUtf8(file.stem().string())) {
  FHandle = dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (FHandle == nullptr) Fail(file, LastDlError());
  try {
    auto initialize = reinterpret_cast<TPackageProc>(Symbol("Initialize"));
    auto info = reinterpret_cast<TGetPackageInfoTableProc>(Symbol("GetPackageInfoTable"));
    FFinalize = reinterpret_cast<TPackageProc>(Symbol("Finalize"));
    if (initialize == nullptr || info == nullptr || FFinalize == nullptr) {
      Fail(file, STR("it does not export Initialize, Finalize and GetPackageInfoTable"));
    }
    FInfo = info();
    if (FInfo == nullptr) Fail(file, STR("it has no information record"));
    auto resources = reinterpret_cast<TGetPackageResourcesProc>(Symbol("GetPackageResources"));
    FResources = resources != nullptr ? resources() : nullptr;
    if (FResources == nullptr) FResources = &kNoResources;
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
    for (int i = 0; i < FInfo->UnitCount; ++i) {
      const std::string symbol = PackageRegisterSymbol(FInfo->Units[i]);
      if (auto proc = reinterpret_cast<TPackageProc>(Symbol(symbol.c_str()))) proc();
    }
  } catch (...) {
    EndPackageRegistration();
    throw;
  }
  EndPackageRegistration();
}

void* TPackage::Symbol(const char* name) const {
  return dlsym(FHandle, name);
}
