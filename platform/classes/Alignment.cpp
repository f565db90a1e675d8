#include "classes/Alignment.h"

const TTypeInfo& TypeInfoAlignment() {
  static const TTypeInfo info{TTypeKind::tkEnumeration,
                              STR("TAlignment"),
                              {STR("taLeftJustify"), STR("taRightJustify"), STR("taCenter")},
                              nullptr};
  return info;
}
