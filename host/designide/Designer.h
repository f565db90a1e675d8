#pragma once
// The form designer as editors see it: the form being designed, its components by name, and
// the notice that the form changed.
#include <functional>

#include "classes/Component.h"

using TGetStrProc = std::function<void(const String&)>;

class IDesigner {
 public:
  virtual ~IDesigner() = default;
  // The form, data module or frame being designed.
  virtual TComponent* GetRoot() const = 0;
  // A component of the root by name, or of another open form by "Form2.Query1"; null if none.
  virtual TComponent* GetComponent(StringView name) const = 0;
  // The name under which GetComponent finds the component; empty for one it cannot reach.
  virtual String GetComponentName(const TComponent* component) const = 0;
  // Calls proc with the name of every component of the class (or a descendant) that the
  // designer knows: the root's own, then those of the other open forms.
  virtual void GetComponentNames(const TClassInfo& cls, const TGetStrProc& proc) const = 0;
  // The form changed and must be saved.
  virtual void Modified() = 0;
};
