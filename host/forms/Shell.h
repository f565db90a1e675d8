#pragma once
#include "rtl/String.h"

inline constexpr int SW_SHOWNORMAL = 1;

// The shell's open-a-document call, through the UI driver. Returns the shell's result: greater
// than 32 when the document was handed to a program.
int ShellExecute(const String& operation, const String& file, const String& parameters,
                 const String& directory, int showCommand);
// The platform's own opener (xdg-open on Linux), started without waiting for it.
int PlatformShellOpen(const String& file);
