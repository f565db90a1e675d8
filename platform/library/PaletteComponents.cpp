#include "library/PaletteComponents.h"

#include "library/OmbrixAbout.h"

const TTypeInfo& TypeInfoOmbrixAbout() {
  static const TTypeInfo info{TTypeKind::tkString, STR("TOmbrixAbout"), {}, nullptr};
  return info;
}

namespace {

template <class T>
TClassInfo PlainComponentClass(String name) {
  TClassBuilder<T, TComponent> builder(std::move(name));
  builder.Creatable();
  return WithAbout(builder).Build();
}

}  // namespace

#define OMBRIX_PLAIN_COMPONENT(Class)                                       \
  const TClassInfo& Class::StaticClass() {                                  \
    static const TClassInfo info = PlainComponentClass<Class>(STR(#Class)); \
    return info;                                                            \
  }

OMBRIX_PLAIN_COMPONENT(TmySQLDirectQuery)
OMBRIX_PLAIN_COMPONENT(TMySQLMacroQuery)
OMBRIX_PLAIN_COMPONENT(TMySQLBatchExecute)
OMBRIX_PLAIN_COMPONENT(TMySQLMonitor)
OMBRIX_PLAIN_COMPONENT(TmySQLDump)
OMBRIX_PLAIN_COMPONENT(TMySQLTools)
