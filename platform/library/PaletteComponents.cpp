#include "library/PaletteComponents.h"

#include "library/OmbrixAbout.h"

const TTypeInfo& TypeInfoOmbrixAbout() {
  static const TTypeInfo info{TTypeKind::tkString, STR("TOmbrixAbout"), {}, nullptr};
  return info;
}

namespace {

template <class T>
TClassInfo PlainComponentClass(String name, String unit) {
  TClassBuilder<T, TComponent> builder(std::move(name));
  builder.Creatable().Unit(std::move(unit));
  return WithAbout(builder).Build();
}

}  // namespace

#define OMBRIX_PLAIN_COMPONENT(Class, Unit)                                            \
  const TClassInfo& Class::StaticClass() {                                             \
    static const TClassInfo info = PlainComponentClass<Class>(STR(#Class), STR(Unit)); \
    return info;                                                                       \
  }

OMBRIX_PLAIN_COMPONENT(TmySQLDirectQuery, "Mysqldirectquery")
OMBRIX_PLAIN_COMPONENT(TMySQLMacroQuery, "Mysqlmacroquery")
OMBRIX_PLAIN_COMPONENT(TMySQLBatchExecute, "Mysqlbatch")
OMBRIX_PLAIN_COMPONENT(TMySQLMonitor, "Mysqlmonitor")
OMBRIX_PLAIN_COMPONENT(TmySQLDump, "Mysqldump")
OMBRIX_PLAIN_COMPONENT(TMySQLTools, "Mysqltools")
