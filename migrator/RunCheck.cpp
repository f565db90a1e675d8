#include "migrator/RunCheck.h"

#include <unordered_map>
#include <unordered_set>

#include "classes/PointerMap.h"
#include "migrator/ConversionTable.h"
#include "rtl/Format.h"

const Char* const SCannotRenameAncestor =
    STR("Cannot rename %s: it was introduced in an ancestor form");
const Char* const SCannotDeleteAncestor =
    STR("Cannot delete %s: it was introduced in an ancestor form");
const Char* const SNameTaken = STR("Cannot rename %s to %s: a component named %s already exists");
const Char* const SMissingProperty = STR("Cannot convert %s: its class %s has no property %s");

namespace {

// The names of the owners touched by the run, as they will be at each step of it. Only the
// run's changes are kept, owner by owner (a run goes through one owner's datasets together, and
// a small book per owner stays in the caches); every other name is looked up in its owner as
// it stands.
class TNameBook {
 public:
  // Valid until the next change to the book.
  const String& Current(const TComponent& component) {
    const String* renamed = Of(component.Owner()).Renamed.Find(&component);
    return renamed != nullptr ? *renamed : component.Name();
  }

  // A new component of owner takes name.
  void Take(TComponent* owner, const String& name, const TComponent& renamed) {
    if (name.empty()) return;
    TOwnerBook& book = Of(owner);
    const TComponent* holder = owner != nullptr ? owner->FindComponent(name) : nullptr;
    // Held by a component that keeps its name so far, or by one the run named.
    if ((holder != nullptr && book.Renamed.Find(holder) == nullptr) ||
        !book.Taken.insert(name).second) {
      throw EComponentError(Format(SNameTaken, {QualifiedName(renamed), name, name}));
    }
  }

  void Rename(TComponent& component, const String& name) {
    TOwnerBook& book = Of(component.Owner());
    const auto [held, first] = book.Renamed.Insert(&component, String());
    // A component renamed before holds its name in the book; otherwise its owner has it.
    if (!first && !held->empty()) book.Taken.erase(*held);
    Take(component.Owner(), name, component);
    *held = name;
  }

  // A new component takes the name its source had, which the source's rename freed.
  void Release(TComponent* owner, const String& name) {
    if (!name.empty()) Of(owner).Taken.insert(name);
  }

 private:
  struct TOwnerBook {
    std::unordered_set<String, TTextHash, TTextEqual> Taken;
    TPointerMap<const TComponent*, String> Renamed;
  };

  TOwnerBook& Of(const TComponent* owner) {
    if (owner != FLastOwner || FLast == nullptr) {
      FLast = &FOwners[owner];
      FLastOwner = owner;
    }
    return *FLast;
  }

  std::unordered_map<const TComponent*, TOwnerBook> FOwners;
  const TComponent* FLastOwner = nullptr;
  TOwnerBook* FLast = nullptr;
};

void CheckNotAncestor(const TComponent& component, const Char* message) {
  if (component.IsAncestor()) throw EComponentError(Format(message, {QualifiedName(component)}));
}

void CheckSourceProperty(const TDataSet& dataSet) {
  const TConversion* conversion = FindConversion(dataSet);
  if (conversion == nullptr) return;
  const String property = SourcePropertyName(conversion->Source);
  if (GetPropInfo(&dataSet, property) == nullptr) {
    throw EComponentError(
        Format(SMissingProperty, {QualifiedName(dataSet), dataSet.ClassName(), property}));
  }
}

// The fields that move: the persistent ones (default fields go when the dataset closes).
std::vector<TField*> MovingFields(const TDataSet& dataSet) {
  std::vector<TField*> fields;
  if (dataSet.Active() && dataSet.DefaultFields()) return fields;
  for (int i = 0; i < dataSet.FieldCount(); ++i) fields.push_back(dataSet.Fields()[i]);
  return fields;
}

}  // namespace

String QualifiedName(const TComponent& component) {
  const TComponent* owner = component.Owner();
  if (owner == nullptr || owner->Name().empty()) return component.Name();
  return owner->Name() + STR(".") + component.Name();
}

TComponent* HeldUpdateObject(const TDataSet& dataSet) {
  const TPropInfo* prop = GetPropInfo(&dataSet, STR("UpdateObject"));
  if (prop == nullptr) return nullptr;
  const TValue value = GetPropValue(&dataSet, *prop);
  const auto* object = std::get_if<TObject*>(&value);
  if (object == nullptr) throw EPropertyError(STR("Invalid property type: UpdateObject"));
  return dynamic_cast<TComponent*>(*object);
}

StringView RepairedFieldName(StringView fieldName, StringView dataSetName) {
  if (!fieldName.starts_with(dataSetName)) return fieldName;
  const StringView rest = fieldName.substr(dataSetName.size());
  return rest.starts_with(dataSetName) ? rest : fieldName;
}

void CheckConversions(const std::vector<TDataSet*>& dataSets, bool deleteSources) {
  TNameBook book;
  std::vector<TComponent*> updates;
  updates.reserve(dataSets.size());
  for (TDataSet* dataSet : dataSets) {
    CheckNotAncestor(*dataSet, SCannotRenameAncestor);
    CheckSourceProperty(*dataSet);
    const String name = book.Current(*dataSet);
    book.Rename(*dataSet, STR("Die_") + name);
    book.Release(dataSet->Owner(), name);
    for (TField* field : MovingFields(*dataSet)) {
      const String& fieldName = book.Current(*field);
      const StringView repaired = RepairedFieldName(fieldName, name);
      if (repaired.size() != fieldName.size()) book.Rename(*field, String(repaired));
    }
    TComponent* update = HeldUpdateObject(*dataSet);
    updates.push_back(update);
    if (update != nullptr && IsConvertibleUpdateObject(*update)) {
      CheckNotAncestor(*update, SCannotRenameAncestor);
      const String updateName = book.Current(*update);
      book.Rename(*update, STR("Die_") + updateName);
      book.Release(update->Owner(), updateName);
    }
  }
  if (!deleteSources) return;
  for (TComponent* update : updates) {
    if (update != nullptr) CheckNotAncestor(*update, SCannotDeleteAncestor);
  }
}
