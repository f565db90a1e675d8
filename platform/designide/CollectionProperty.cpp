#include "designide/CollectionEditor.h"
#include "designide/PropertyEditor.h"

const TClassInfo& TCollectionProperty::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TCollectionProperty, TPropertyEditor>(STR("TCollectionProperty")).Build();
  return info;
}

TPropertyAttributes TCollectionProperty::GetAttributes() {
  return Attributes({paDialog, paReadOnly, paVCL});
}

String TCollectionProperty::GetValue() {
  return STR("(") + GetPropType().Name() + STR(")");
}

void TCollectionProperty::Edit() {
  auto* collection = dynamic_cast<TCollection*>(GetObjectValue());
  if (collection == nullptr) return;
  ShowCollectionEditor(Designer(), dynamic_cast<TComponent*>(GetComponent(0)), collection,
                       GetName());
}
