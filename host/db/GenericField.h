#pragma once
// A field of a class this host does not know (read from a form file): it reports that class's
// name, takes values of any type and leaves the properties TField does not publish raw in the
// form document. The form reader makes one for an unknown class inside a dataset's block.
#include "db/Field.h"

class TGenericField : public TField {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return *FClass; }

  // A field of the class, derived from TGenericField, that stands for className.
  TGenericField(TComponent* owner, StringView className);

 private:
  const TClassInfo* FClass;
};
