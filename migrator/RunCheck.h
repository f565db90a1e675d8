#pragma once
// Checks a migration run before it changes anything: the renames it will make, in its order,
// must find their names free, it must not rename or delete a component that an inherited form
// takes from its ancestor, and each dataset must have the property its statement comes from.
#include <vector>

#include "db/DataSet.h"

// dataSets: the datasets to convert, in the order of the run. Raises EComponentError naming
// the component at fault.
void CheckConversions(const std::vector<TDataSet*>& dataSets, bool deleteSources);

// "Form1.Query1", or the bare name for a component without a named owner.
String QualifiedName(const TComponent& component);
// The update object a dataset holds in its published "UpdateObject"; null when none.
TComponent* HeldUpdateObject(const TDataSet& dataSet);
// The name a persistent field takes after a dataset named dataSetName took it over: a field
// named dataSetName twice before the rest loses one of them (a view into fieldName).
StringView RepairedFieldName(StringView fieldName, StringView dataSetName);
