#pragma once
// The highlighting editor of the SQL editor, as form text to be read into its SQLMemoPanel.
#include "rtl/String.h"

#if OMBRIX_WIDE_STRINGS
extern const StringView kSynMemoFormText;
#endif
