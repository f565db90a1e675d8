#pragma once
// References between components as form text writes them: "Query1" within the form (or frame),
// "Form2.Query1" into another open form, "Frame1.Edit1" into an embedded frame.
#include <functional>
#include <vector>

#include "FormBuilder.h"

// The top of the owner chain: the form, data module or frame being designed.
TComponent* FormRootOf(TComponent* component);
// Where names written by component are looked up: the nearest embedded frame or the form.
const TComponent* LookupRootOf(const TComponent* component);
TComponent* LookupRootOf(TComponent* component);

TComponent* FindComponentByPath(StringView path, TComponent* lookupRoot,
                                const std::vector<TComponent*>& roots);
// The text that refers to target from lookupRoot; empty when a component on the way has no
// name.
String ComponentReferenceText(const TComponent* target, const TComponent* lookupRoot);

using TReferenceProblem = std::function<void(const TPendingReference&, const String& message)>;
// Sets the references whose components exist; returns those that do not resolve yet. A
// component of the wrong class, or a setter that raises, is reported and dropped.
std::vector<TPendingReference> ResolveReferences(std::vector<TPendingReference> pending,
                                                 const std::vector<TComponent*>& roots,
                                                 const TReferenceProblem& problem);
