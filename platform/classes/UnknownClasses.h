#pragma once
#include "classes/FormLoader.h"

// Asks the registered handlers for a component standing in for className; null when none
// takes it.
TComponent* CreateFromUnknownClassHandlers(StringView className, TComponent* parent,
                                           TComponent* owner);
