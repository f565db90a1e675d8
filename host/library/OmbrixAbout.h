#pragma once
// The About pseudo-property: every library component publishes "About" of this type, which
// the designer shows as a button; the property holds nothing and is never stored.
#include "classes/TypInfo.h"

const TTypeInfo& TypeInfoOmbrixAbout();

// Adds the About pseudo-property to a class's description, at the builder's current position.
template <class T, class Parent>
TClassBuilder<T, Parent>& WithAbout(TClassBuilder<T, Parent>& builder) {
  return builder
      .Prop(
          STR("About"), [](const T*) { return String(); }, [](T*, const String&) {},
          &TypeInfoOmbrixAbout())
      .StoredIf([](const T*) { return false; });
}
