#pragma once
// The properties of a component as the host writes them: published, stored and not at their
// default, in declared order; nested objects as dotted names, string lists as X.Strings,
// collections as items, references as names, events as handler names, and Left/Top from
// DesignInfo for components that do not publish them.
#include "classes/Component.h"
#include "classes/FormDocument.h"

TFormProperties StoredProperties(const TComponent* component);

// Finds the object and published property that a dotted path names, as form text does.
bool FindPropertyTarget(TObject* object, StringView path, TObject*& target, const TPropInfo*& prop);
