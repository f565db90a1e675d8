#include "forms/Points.h"

const TTypeInfo& TypeInfoPoint() {
  static const TTypeInfo info{TTypeKind::tkRecord, STR("TPoint"), {}, nullptr, nullptr};
  return info;
}

const TTypeInfo& TypeInfoDisplayPosition() {
  static const TTypeInfo info{TTypeKind::tkRecord, STR("TDisplayPosition"), {}, nullptr, nullptr};
  return info;
}
