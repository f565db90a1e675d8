#pragma once
// Owned lists of persistent items of one class (field and index definitions, parameters,
// columns). Form files stream them as `Name = < item ... end >`.
#include <vector>

#include "classes/Persistent.h"

class TCollection;

class TCollectionItem : public TPersistent {
  OMBRIX_CLASS(TCollectionItem)
  explicit TCollectionItem(TCollection* collection);
  ~TCollectionItem() override;
  TCollectionItem(const TCollectionItem&) = delete;
  TCollectionItem& operator=(const TCollectionItem&) = delete;

  TCollection* Collection() const { return FCollection; }
  // Moves the item to another collection (or out of any, when null).
  void SetCollection(TCollection* collection);
  int Index() const;
  void SetIndex(int index);
  int ID() const { return FID; }
  virtual String DisplayName() const;

 protected:
  // Tells the collection that this item changed.
  void Changed();

 private:
  friend class TCollection;
  TCollection* FCollection = nullptr;
  int FID = 0;
};

class TCollection : public TPersistent {
  OMBRIX_CLASS(TCollection)
  using TItemFactory = TCollectionItem* (*)(TCollection*);
  template <class Item>
  static TItemFactory FactoryOf() {
    return [](TCollection* c) -> TCollectionItem* { return new Item(c); };
  }

  TCollection(const TClassInfo& itemClass, TItemFactory factory);
  ~TCollection() override;
  TCollection(const TCollection&) = delete;
  TCollection& operator=(const TCollection&) = delete;

  const TClassInfo& ItemClass() const { return *FItemClass; }
  int Count() const { return static_cast<int>(FItems.size()); }
  // Raises EListError outside 0..Count-1.
  TCollectionItem* Items(int index) const;
  TCollectionItem* Add();
  TCollectionItem* Insert(int index);
  void Delete(int index);
  void Clear();
  void BeginUpdate();
  void EndUpdate();
  int UpdateCount() const { return FUpdateCount; }
  // The persistent that holds this collection (a component, for streaming and display).
  TPersistent* Owner() const { return FOwner; }
  void SetOwner(TPersistent* owner) { FOwner = owner; }

  // Replaces the items with copies of the source's (items Assign each other).
  void Assign(const TPersistent* source) override;

 protected:
  // Called after a change; item is null when the whole collection changed.
  virtual void Update(TCollectionItem* item);

 private:
  friend class TCollectionItem;
  void InsertItem(TCollectionItem* item, int index);
  void RemoveItem(TCollectionItem* item);
  void Changed(TCollectionItem* item);

  const TClassInfo* FItemClass;
  TItemFactory FFactory;
  TPersistent* FOwner = nullptr;
  std::vector<TCollectionItem*> FItems;
  int FUpdateCount = 0;
  int FNextID = 0;
};
