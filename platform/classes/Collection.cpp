#include "classes/Collection.h"

#include <algorithm>

const TClassInfo& TCollectionItem::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TCollectionItem, TPersistent>(STR("TCollectionItem")).Build();
  return info;
}

const TClassInfo& TCollection::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TCollection, TPersistent>(STR("TCollection")).Build();
  return info;
}

TCollectionItem::TCollectionItem(TCollection* collection) {
  SetCollection(collection);
}

TCollectionItem::~TCollectionItem() {
  if (FCollection != nullptr) FCollection->RemoveItem(this);
}

void TCollectionItem::SetCollection(TCollection* collection) {
  if (collection == FCollection) return;
  if (FCollection != nullptr) FCollection->RemoveItem(this);
  if (collection != nullptr) collection->InsertItem(this, collection->Count());
}

int TCollectionItem::Index() const {
  if (FCollection == nullptr) return -1;
  const auto& items = FCollection->FItems;
  return static_cast<int>(std::find(items.begin(), items.end(), this) - items.begin());
}

void TCollectionItem::SetIndex(int index) {
  const int current = Index();
  if (current < 0 || index == current) return;
  auto& items = FCollection->FItems;
  index = std::clamp(index, 0, FCollection->Count() - 1);
  items.erase(items.begin() + current);
  items.insert(items.begin() + index, this);
  FCollection->Changed(nullptr);
}

String TCollectionItem::DisplayName() const {
  return ClassName();
}

void TCollectionItem::Changed() {
  if (FCollection != nullptr) FCollection->Changed(this);
}

TCollection::TCollection(const TClassInfo& itemClass, TItemFactory factory)
    : FItemClass(&itemClass), FFactory(factory) {}

TCollection::~TCollection() {
  FUpdateCount = 1;  // no change notices while dying
  while (!FItems.empty()) delete FItems.back();
}

TCollectionItem* TCollection::Items(int index) const {
  if (index < 0 || index >= Count()) {
    throw EListError(STR("List index out of bounds (") + IntToStr(index) + STR(")"));
  }
  return FItems[static_cast<size_t>(index)];
}

TCollectionItem* TCollection::Add() {
  return FFactory(this);
}

TCollectionItem* TCollection::Insert(int index) {
  TCollectionItem* item = Add();
  item->SetIndex(index);
  return item;
}

void TCollection::Delete(int index) {
  delete Items(index);
}

void TCollection::Clear() {
  if (FItems.empty()) return;
  BeginUpdate();
  while (!FItems.empty()) delete FItems.back();
  EndUpdate();
}

void TCollection::BeginUpdate() {
  ++FUpdateCount;
}

void TCollection::EndUpdate() {
  if (FUpdateCount > 0 && --FUpdateCount == 0) Changed(nullptr);
}

void TCollection::Update(TCollectionItem*) {}

void TCollection::InsertItem(TCollectionItem* item, int index) {
  FItems.insert(FItems.begin() + index, item);
  item->FCollection = this;
  item->FID = FNextID++;
  Changed(nullptr);
}

void TCollection::RemoveItem(TCollectionItem* item) {
  FItems.erase(std::remove(FItems.begin(), FItems.end(), item), FItems.end());
  item->FCollection = nullptr;
  Changed(nullptr);
}

void TCollection::Changed(TCollectionItem* item) {
  if (FUpdateCount == 0) Update(item);
}

void TCollection::Assign(const TPersistent* source) {
  const auto* other = dynamic_cast<const TCollection*>(source);
  if (other == nullptr) {
    TPersistent::Assign(source);
    return;
  }
  if (other == this) return;
  BeginUpdate();
  Clear();
  for (const TCollectionItem* item : other->FItems) Add()->Assign(item);
  EndUpdate();
}
