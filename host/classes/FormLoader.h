#pragma once
// Building components from form documents through the class registry.
//
// The root object is read into a given component or created; every other object is created
// with the root as owner (objects inside an `inline` frame with that frame as owner), nesting
// is passed to SetParentComponent, published properties are set through the run-time type
// information, events become TMethod{root, handler name}, and `Left`/`Top` of components that
// do not publish them go to DesignInfo. References to other components (`DataSet = Query1`) are
// resolved after all objects exist; then every component gets Loaded().
#include <filesystem>
#include <functional>
#include <vector>

#include "classes/Component.h"
#include "classes/FormDocument.h"
#include "classes/FormErrors.h"

struct TFormReadOptions {
  bool Designing = false;  // sets the designing flag on the components read
  // Lenient reads keep unknown classes as stand-ins and unknown properties raw in the document;
  // strict ones raise EReadError.
  bool AllowUnknownClasses = true;
  bool AllowUnknownProperties = true;
  // A value that cannot be set (wrong kind, a setter that raised, a reference that does not
  // resolve or names a component of the wrong class) is a warning rather than an EReadError.
  bool AllowBadValues = true;
};

// What a lenient read could not apply (a value of the wrong kind, a setter that raised, a
// reference to a component of the wrong class). The value stays raw in the document.
struct TFormWarning {
  String Message;
  int Line = 0;
  int Column = 0;
};

// A fallback for classes the registry does not know. Called with the class name, the component
// whose block holds the object (null for the root) and the owner the new component must get;
// returns the new component, or null to let the next handler or the generic stand-in
// (TGenericComponent) take it. The handler registered last is asked first. Registering again
// under the same key replaces the handler.
using TUnknownClassHandler =
    std::function<TComponent*(StringView className, TComponent* parent, TComponent* owner)>;
void RegisterUnknownClassHandler(const String& key, TUnknownClassHandler handler);
void UnregisterUnknownClassHandler(const String& key);

// Reads the document's root object into instance: its properties, and the objects it holds,
// created with instance as owner. References resolve among the components of instance. Returns
// the warnings of a lenient read. Raises EReadError (strict: also for unknown classes and
// properties and unresolved references).
std::vector<TFormWarning> ReadFormInto(TComponent* instance, const TFormDocument& document,
                                       const TFormReadOptions& options);

// How layouts of the host's own dialogs are read: unknown classes and bad values are errors,
// properties the headless controls do not model are skipped.
TFormReadOptions LayoutReadOptions();
// Builds a form's children from its layout file (forms/<Name>.dfm) into the existing form
// instance; event names in the layout become TMethod{form, handler name}.
void LoadFormLayout(TComponent* form, const std::filesystem::path& file,
                    const TFormReadOptions& options = LayoutReadOptions());
