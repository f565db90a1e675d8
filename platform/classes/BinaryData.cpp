#include "classes/BinaryData.h"

const TTypeInfo& TypeInfoBinary() {
  static const TTypeInfo t{TTypeKind::tkRecord, STR("TBinaryData"), {}, nullptr};
  return t;
}
