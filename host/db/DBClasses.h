#pragma once
// Registration of the database classes with the class registry.
#include "db/FieldTypes.h"

struct TClassInfo;

// The field class made for a column of the given type when a dataset has no persistent fields;
// null for types no field class holds.
const TClassInfo* DefaultFieldClass(TFieldType type);

// Registers the datasets, fields, definitions, data sources and parameters (idempotent).
void RegisterDBClasses();
