#include "forms/Points.h"

const TTypeInfo& TypeInfoPoint() {
  static const TTypeInfo info{TTypeKind::tkRecord, STR("TPoint"), {}, nullptr, nullptr};
  return info;
}

const TTypeInfo& TypeInfoDisplayCoord() {
  static const TTypeInfo info{TTypeKind::tkRecord, STR("TDisplayCoord"), {}, nullptr, nullptr};
  return info;
}
