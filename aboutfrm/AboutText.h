#pragma once
// The texts of the About box: version, revision and notice line.
#include "rtl/String.h"

inline constexpr const Char* kOmbrixVersion = STR("3.0.5");

// The number of a "$Revision: N $" marker; 0 when what stands between is not a number.
int RevisionNumber(StringView marker);
// The larger revision of the product's markers.
int ProductRevision();
// "v.3.0.5 (rN)".
String VersionLine(int revision);
// The notice line; its year range ends with the given year.
String CopyrightNotice(int year);
