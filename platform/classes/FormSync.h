#pragma once
// Brings a form document in line with the components built from it, so that saving changes
// only what changed: blocks of freed components go, new components get blocks rendered in the
// host's style, a component whose parent changed moves with its source text re-indented,
// renamed components change their headers, and properties differ from the last state written
// only where their values changed.
#include <cstdint>
#include <functional>
#include <string>
#include <variant>
#include <vector>

#include "PropertySnapshot.h"
#include "classes/Component.h"
#include "classes/FormDocument.h"

// A component and the block it is written from, with its stored properties as the document
// last had them. Most components store properties their block holds with the same values, in
// whatever order, beside others the block keeps (unknown to the class): those keep which of the
// block's properties they are rather than a copy.
class TBinding {
 public:
  TBinding(TComponent* component, TFormObject* object) : Component(component), Object(object) {}
  TComponent* Component;
  TFormObject* Object;
  bool Alive = true;  // cleared when the component is freed

  TFormProperties Remembered() const;
  void Remember(const TFormProperties& stored);
  // Whether the stored properties now differ from the remembered ones (names and meaning).
  bool Differs(const TFormProperties& stored) const;

 private:
  // The positions in the block (a string of two-byte units holds seven without a heap block),
  // or a copy when they are not all in the block.
  std::variant<std::basic_string<uint16_t>, TPropertySnapshot> FKept;
};

// watch is called for each component that gets a binding here.
void SyncDocument(TFormDocument& document, TComponent* root, std::vector<TBinding>& bindings,
                  const std::function<void(TComponent*)>& watch);

// Applies the change from before to after (stored properties of one component or item) to the
// document properties.
void ApplyPropertyChanges(TFormProperties& document, const TFormProperties& before,
                          const TFormProperties& after);
