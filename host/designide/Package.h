#pragma once
// The entry points of a design-time package (a shared object) and its information record.
// A package exports, with C linkage:
//   void Initialize();                               runs when the package is loaded
//   void Finalize();                                 runs before it is unloaded
//   const TPackageInfoTable* GetPackageInfoTable();  describes it
//   void Register();                                 makes its registrations
#include <cstdint>

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

extern "C" {
using TPackageProc = void (*)();
using TGetPackageInfoTableProc = const TPackageInfoTable* (*)();
}
