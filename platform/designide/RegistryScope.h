#pragma once
// Which package made which registration, so that unloading a package takes its registrations
// (and its classes) back out of the designer.
#include "designide/Registry.h"

// Registrations made until EndPackageRegistration belong to the package.
void BeginPackageRegistration(const String& package);
void EndPackageRegistration();
// Drops the package's palette entries, editors and classes.
void UnregisterPackage(const String& package);
// What the package asked for with ForceDemandLoadState (dlDefault when it did not).
TDemandLoadState DemandLoadState(const String& package);

// What a package registered, in the order of its calls.
struct TComponentEditorRegistration {
  const TClassInfo* ComponentClass;
  const TClassInfo* Editor;
};
struct TPropertyEditorRegistration {
  const TTypeInfo* Type;
  const TClassInfo* ComponentClass;  // null: every component class
  String Name;                       // empty: every property of the type
  const TClassInfo* Editor;
};
std::vector<TPaletteEntry> PackagePalette(const String& package);
std::vector<TComponentEditorRegistration> PackageComponentEditors(const String& package);
std::vector<TPropertyEditorRegistration> PackagePropertyEditors(const String& package);
