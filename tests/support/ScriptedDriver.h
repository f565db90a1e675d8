#pragma once
// The scripted UI driver lives in the host, where the command line uses it too.
#include "forms/ScriptedDriver.h"
