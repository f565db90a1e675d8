#pragma once
// The About pseudo-property: every library component publishes "About" of this type, which
// the designer shows as a button; the property holds nothing and is never stored.
#include "classes/TypInfo.h"

const TTypeInfo& TypeInfoOmbrixAbout();
