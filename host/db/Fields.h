#pragma once
// The ordered list of a dataset's fields. Fields join and leave it through TField::SetDataSet;
// the list frees the fields still in it when it dies, as the host does.
#include <vector>

#include "db/Field.h"

class TFields {
 public:
  explicit TFields(TDataSet* dataSet) : FDataSet(dataSet) {}
  ~TFields();
  TFields(const TFields&) = delete;
  TFields& operator=(const TFields&) = delete;

  TDataSet* DataSet() const { return FDataSet; }
  int Count() const { return static_cast<int>(FList.size()); }
  // Raises EListError outside 0..Count-1.
  TField* Fields(int index) const;
  TField* operator[](int index) const { return Fields(index); }
  int IndexOf(const TField* field) const;
  // By FieldName, without regard to ASCII case; null when absent.
  TField* FindField(StringView fieldName) const;
  // Raises the database error "Field 'X' not found" naming the dataset.
  TField* FieldByName(StringView fieldName) const;
  // Frees every field in the list.
  void Clear();

  auto begin() const { return FList.begin(); }
  auto end() const { return FList.end(); }

 private:
  friend class TField;
  friend class TDataSet;
  void Add(TField* field);
  void Remove(TField* field);
  void Move(int from, int to);

  TDataSet* FDataSet;
  std::vector<TField*> FList;
};
