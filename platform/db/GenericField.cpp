#include "db/GenericField.h"

#include "classes/GenericComponent.h"

const TClassInfo& TGenericField::StaticClass() {
  static const TClassInfo info = TClassBuilder<TGenericField, TField>(STR("TGenericField")).Build();
  return info;
}

TGenericField::TGenericField(TComponent* owner, StringView className)
    : TField(owner, TFieldType::ftUnknown), FClass(&StandInClass(className, StaticClass())) {}
