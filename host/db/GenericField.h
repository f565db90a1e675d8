#pragma once
// A field of a class this host does not know (read from a form file): it reports that class's
// name, takes values of any type and keeps its other properties with the form reader.
#include "db/Field.h"

class TGenericField : public TField {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return *FClass; }

  // The class, derived from TGenericField, that stands for className (one per name).
  static const TClassInfo& ClassFor(StringView className);
  // A field of the class that stands for className.
  TGenericField(TComponent* owner, StringView className);

 private:
  TGenericField(TComponent* owner, const TClassInfo& cls);
  const TClassInfo* FClass;
};
