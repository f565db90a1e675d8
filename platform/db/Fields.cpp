#include "db/Fields.h"

#include <algorithm>

#include "db/DataSet.h"

TFields::~TFields() {
  Clear();
}

TField* TFields::Fields(int index) const {
  if (index < 0 || index >= Count()) {
    throw EListError(STR("List index out of bounds (") + IntToStr(index) + STR(")"));
  }
  return FList[static_cast<size_t>(index)];
}

int TFields::IndexOf(const TField* field) const {
  const auto it = std::find(FList.begin(), FList.end(), field);
  return it == FList.end() ? -1 : static_cast<int>(it - FList.begin());
}

TField* TFields::FindField(StringView fieldName) const {
  for (TField* f : FList) {
    if (SameText(f->FieldName(), fieldName)) return f;
  }
  return nullptr;
}

TField* TFields::FieldByName(StringView fieldName) const {
  TField* f = FindField(fieldName);
  if (f == nullptr) {
    DatabaseError(STR("Field '") + String(fieldName) + STR("' not found"), FDataSet);
  }
  return f;
}

void TFields::Clear() {
  while (!FList.empty()) {
    TField* f = FList.back();
    FList.pop_back();
    f->FDataSet = nullptr;
    delete f;
  }
}

void TFields::Add(TField* field) {
  FList.push_back(field);
}

void TFields::Remove(TField* field) {
  FList.erase(std::remove(FList.begin(), FList.end(), field), FList.end());
}

void TFields::Move(int from, int to) {
  if (from < 0 || from >= Count()) return;
  to = std::clamp(to, 0, Count() - 1);
  TField* f = FList[static_cast<size_t>(from)];
  FList.erase(FList.begin() + from);
  FList.insert(FList.begin() + to, f);
}
