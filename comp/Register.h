#pragma once
// The package's registrations. The host finds both procedures under their unit-qualified names
// and calls Register once per load; RegisterPropertyEditors is its last step. Built once per
// package, as the oldest host generation lacks some of it (OMBRIX_OLDEST_HOST).
#include "designide/Package.h"

void Register() __asm__("Mysqlcomp.Register");
void RegisterPropertyEditors() __asm__("Mysqlcomp.RegisterPropertyEditors");

// The package's own resources (the palette pictures and the splash screen's logo).
extern "C" const TPackageResourceTable* GetPackageResources();
