#pragma once
// Registration of the component library's classes with the class registry.

// Registers the connection, the datasets, the update objects and the further palette
// components, and the database classes they build on (idempotent).
void RegisterLibraryClasses();
