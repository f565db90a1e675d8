#include "classes/Persistent.h"

const TClassInfo& TPersistent::StaticClass() {
  static const TClassInfo info = TClassBuilder<TPersistent, TObject>(STR("TPersistent")).Build();
  return info;
}

void TPersistent::Assign(const TPersistent* source) {
  if (source == nullptr) throw EConvertError(STR("Cannot assign a nil to a ") + ClassName());
  source->AssignTo(this);
}

void TPersistent::AssignTo(TPersistent* dest) const {
  throw EConvertError(STR("Cannot assign a ") + ClassName() + STR(" to a ") + dest->ClassName());
}
