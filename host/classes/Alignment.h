#pragma once
// Text alignment, shared by fields and controls.
#include "classes/TypInfo.h"

enum class TAlignment { taLeftJustify, taRightJustify, taCenter };

const TTypeInfo& TypeInfoAlignment();
