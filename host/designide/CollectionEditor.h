#pragma once
#include "classes/Collection.h"
#include "designide/Designer.h"

// Opens the host's collection editor on a collection property of a component: its items,
// adding, deleting and moving them. Every change tells the designer.
void ShowCollectionEditor(IDesigner* designer, TComponent* component, TCollection* collection,
                          const String& propertyName);
