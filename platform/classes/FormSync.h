#pragma once
// Brings a form document in line with the components built from it, so that saving changes
// only what changed: blocks of freed components go, new components get blocks rendered in the
// host's style, a component whose parent changed moves with its source text re-indented,
// renamed components change their headers, and properties differ from the last state written
// only where their values changed.
#include <functional>
#include <vector>

#include "PropertySnapshot.h"
#include "classes/Component.h"
#include "classes/FormDocument.h"

struct TBinding {
  TComponent* Component = nullptr;
  TFormObject* Object = nullptr;
  TPropertySnapshot Snapshot;  // the stored properties as the document last had them
  bool Alive = true;           // cleared when the component is freed
};

// watch is called for each component that gets a binding here.
void SyncDocument(TFormDocument& document, TComponent* root, std::vector<TBinding>& bindings,
                  const std::function<void(TComponent*)>& watch);

// Applies the change from before to after (stored properties of one component or item) to the
// document properties.
void ApplyPropertyChanges(TFormProperties& document, const TFormProperties& before,
                          const TFormProperties& after);
