#include "db/DefCollection.h"

#include "db/DataSet.h"

const TClassInfo& TNamedItem::StaticClass() {
  static const TClassInfo info = TClassBuilder<TNamedItem, TCollectionItem>(STR("TNamedItem"))
                                     .Prop(STR("Name"), &TNamedItem::Name, &TNamedItem::SetName)
                                     .Build();
  return info;
}

void TNamedItem::SetName(const String& value) {
  FName = value;
  Changed();
}

const TClassInfo& TDefCollection::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TDefCollection, TCollection>(STR("TDefCollection")).Build();
  return info;
}

TDefCollection::TDefCollection(TDataSet* dataSet, const TClassInfo& itemClass, TItemFactory factory)
    : TCollection(itemClass, factory), FDataSet(dataSet) {
  SetOwner(dataSet);
}

int TDefCollection::IndexOf(StringView name) const {
  for (int i = 0; i < Count(); ++i) {
    if (SameText(static_cast<TNamedItem*>(Items(i))->Name(), name)) return i;
  }
  return -1;
}

TNamedItem* TDefCollection::Find(StringView name) const {
  const int i = IndexOf(name);
  return i < 0 ? nullptr : static_cast<TNamedItem*>(Items(i));
}

void TDefCollection::Update() {
  if (FUpdated) return;
  DoUpdate();
  FUpdated = true;
}
