#pragma once
// Published properties of the foreign stand-ins, described by a table instead of C++ members:
// each class's properties live in slots that the class information reads and writes by name.
#include <memory>
#include <variant>
#include <vector>

#include "classes/Component.h"
#include "classes/StringList.h"

// The last three are not slots: they stand for what every dataset holds itself (its master
// link, Filtered and Filter).
enum class TForeignPropKind {
  String,
  Boolean,
  Integer,
  Strings,
  Reference,
  MasterSource,
  Filtered,
  Filter
};

struct TForeignPropDef {
  const Char* Name;
  TForeignPropKind Kind;
  const Char* RefClass = nullptr;  // Reference: the class name of what it may point at
};

// The slots of one object. The object asks for free notifications of what its references point
// at and passes removals on to Forget.
class TForeignProperties {
 public:
  virtual ~TForeignProperties() = default;
  // A string list slot reads as an empty list until set.
  TValue GetSlot(size_t slot, TForeignPropKind kind) const;
  void SetSlot(size_t slot, TForeignPropKind kind, const TValue& value);

 protected:
  explicit TForeignProperties(TComponent& self) : FSelf(self) {}
  void Forget(const TComponent* removed);

 private:
  using Slot =
      std::variant<std::monostate, String, int64_t, std::unique_ptr<TStringList>, TComponent*>;
  Slot& At(size_t slot) const;
  bool Refers(const TComponent* component) const;
  TComponent& FSelf;
  mutable std::vector<Slot> FSlots;  // grows and makes string lists on first use
};
