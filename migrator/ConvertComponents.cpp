#include "migrator/ConvertComponents.h"

const TTypeInfo& TypeInfoConvertComponents() {
  static const TTypeInfo info{TTypeKind::tkSet,
                              STR("TConvertComponents"),
                              {STR("convBDE"), STR("convADO"), STR("convDBX"), STR("convZeos")},
                              nullptr};
  return info;
}
