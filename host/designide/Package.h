#pragma once
// The entry points of a design-time package (a shared object) and its information record.
// A package exports, with C linkage:
//   void Initialize();                               runs when the package is loaded
//   void Finalize();                                 runs before it is unloaded
//   const TPackageInfoTable* GetPackageInfoTable();  describes it
// and, under the unit-qualified name "<Unit>.Register", the Register procedure of each of its
// units that has one (PackageRegisterSymbol). Optionally it exports
//   const TPackageResourceTable* GetPackageResources();  its resources (bitmaps by name)
#include <cstddef>
#include <cstdint>
#include <string>

inline constexpr uint32_t pfDesignOnly = 1;
inline constexpr uint32_t pfRunOnly = 2;

struct TPackageInfoTable {
  uint32_t Flags;
  const char* Description;      // UTF-8
  const char* const* Requires;  // names of the packages it needs
  int RequiresCount;
  const char* const* Units;  // its units, in initialisation order
  int UnitCount;
};

struct TPackageResource {
  const char* Name;  // upper case, as resources are looked up
  const unsigned char* Data;
  size_t Size;
};

struct TPackageResourceTable {
  const TPackageResource* Items;
  int Count;
};

extern "C" {
using TPackageProc = void (*)();
using TGetPackageInfoTableProc = const TPackageInfoTable* (*)();
using TGetPackageResourcesProc = const TPackageResourceTable* (*)();
}

// The exported name of a unit's Register procedure.
inline std::string PackageRegisterSymbol(const std::string& unit) {
  return unit + ".Register";
}
