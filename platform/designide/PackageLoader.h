#pragma once
// Loads a design-time package (a shared object) as a designer does: dlopen, Initialize, the
// information record, then Register on request; unloading takes its registrations back, runs
// Finalize and closes it. The package finds the host's functions in the loading program, which
// must export them.
#include <filesystem>

#include "designide/Package.h"
#include "rtl/Exceptions.h"

class EPackageError : public Exception {
  using Exception::Exception;
};

class TPackage {
 public:
  // Raises EPackageError naming the file when it cannot be loaded or lacks an entry point;
  // nothing stays loaded then. An exception of Initialize passes on, after closing the file.
  explicit TPackage(const std::filesystem::path& file);
  ~TPackage();
  TPackage(const TPackage&) = delete;
  TPackage& operator=(const TPackage&) = delete;

  // The file name without folder and extension.
  const String& Name() const { return FName; }
  const TPackageInfoTable& Info() const { return *FInfo; }
  // Its resources; an empty table when it has none.
  const TPackageResourceTable& Resources() const { return *FResources; }
  // Calls the Register of each unit that has one, in the order of the information record;
  // what they register belongs to the package. An exception ends Register and passes on; the
  // registrations made before it stay until the package unloads.
  void Register();
  // An exported symbol of the package, or null.
  void* Symbol(const char* name) const;

 private:
  void* FHandle = nullptr;
  String FName;
  const TPackageInfoTable* FInfo = nullptr;
  const TPackageResourceTable* FResources = nullptr;
  TPackageProc FFinalize = nullptr;
};
