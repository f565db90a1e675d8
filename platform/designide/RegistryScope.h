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
