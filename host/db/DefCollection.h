#pragma once
// The common ground of field and index definitions: named items in a collection that its
// dataset fills on request.
#include "classes/Collection.h"

class TDataSet;

class TNamedItem : public TCollectionItem {
  OMBRIX_CLASS(TNamedItem)
  explicit TNamedItem(TCollection* collection) : TCollectionItem(collection) {}
  const String& Name() const { return FName; }
  void SetName(const String& value);
  String DisplayName() const override { return FName; }

 private:
  String FName;
};

class TDefCollection : public TCollection {
  OMBRIX_CLASS(TDefCollection)
  TDefCollection(TDataSet* dataSet, const TClassInfo& itemClass, TItemFactory factory);

  TDataSet* DataSet() const { return FDataSet; }
  // Without regard to ASCII case; -1 / null when absent.
  int IndexOf(StringView name) const;
  TNamedItem* Find(StringView name) const;

  // Asks the dataset to describe itself unless the definitions are up to date.
  void Update();
  bool Updated() const { return FUpdated; }
  void SetUpdated(bool value) { FUpdated = value; }

 protected:
  // Fills the definitions from the dataset.
  virtual void DoUpdate() = 0;

 private:
  TDataSet* FDataSet;
  bool FUpdated = false;
};
