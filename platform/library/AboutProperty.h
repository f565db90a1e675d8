#pragma once
// Adds the About pseudo-property to a library class's description.
#include "library/OmbrixAbout.h"

template <class T, class Parent>
TClassBuilder<T, Parent>& WithAbout(TClassBuilder<T, Parent>& builder) {
  return builder
      .Prop(
          STR("About"), [](const T*) { return String(); }, [](T*, const String&) {},
          &TypeInfoOmbrixAbout())
      .StoredIf([](const T*) { return false; });
}
