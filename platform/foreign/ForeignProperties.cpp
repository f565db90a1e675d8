#include "foreign/ForeignProperties.h"

TForeignProperties::Slot& TForeignProperties::At(size_t slot) const {
  if (slot >= FSlots.size()) FSlots.resize(slot + 1);
  return FSlots[slot];
}

TValue TForeignProperties::GetSlot(size_t slot, TForeignPropKind kind) const {
  // Reading a slot never set makes nothing, except the list a string list property hands out.
  static const Slot unset;
  const Slot& s = slot < FSlots.size() ? FSlots[slot] : unset;
  switch (kind) {
    case TForeignPropKind::String:
      return std::holds_alternative<String>(s) ? std::get<String>(s) : String();
    case TForeignPropKind::Boolean:
    case TForeignPropKind::Integer:
      return std::holds_alternative<int64_t>(s) ? std::get<int64_t>(s) : int64_t{0};
    case TForeignPropKind::Strings: {
      Slot& list = At(slot);
      if (!std::holds_alternative<std::unique_ptr<TStringList>>(list)) {
        list = std::make_unique<TStringList>();
      }
      return static_cast<TObject*>(std::get<std::unique_ptr<TStringList>>(list).get());
    }
    case TForeignPropKind::Reference:
      return static_cast<TObject*>(std::holds_alternative<TComponent*>(s) ? std::get<TComponent*>(s)
                                                                          : nullptr);
    default:
      throw EPropertyError(STR("The dataset holds this property, not a slot"));
  }
}

void TForeignProperties::SetSlot(size_t slot, TForeignPropKind kind, const TValue& value) {
  Slot& s = At(slot);
  switch (kind) {
    case TForeignPropKind::String:
      s = std::get<String>(value);
      return;
    case TForeignPropKind::Boolean:
    case TForeignPropKind::Integer:
      s = std::get<int64_t>(value);
      return;
    case TForeignPropKind::Strings: {
      // A string list property keeps its own list and copies what it is given.
      auto& list = static_cast<TStringList&>(*std::get<TObject*>(GetSlot(slot, kind)));
      TObject* source = std::get<TObject*>(value);
      if (source == nullptr) {
        list.Clear();
      } else {
        list.Assign(As<TStringList>(source));
      }
      return;
    }
    case TForeignPropKind::Reference: {
      auto* target = As<TComponent>(std::get<TObject*>(value));
      TComponent* old = std::holds_alternative<TComponent*>(s) ? std::get<TComponent*>(s) : nullptr;
      s = target;
      if (old != nullptr && old != target && !Refers(old)) FSelf.RemoveFreeNotification(old);
      if (target != nullptr) FSelf.FreeNotification(target);
      return;
    }
    default:
      throw EPropertyError(STR("The dataset holds this property, not a slot"));
  }
}

bool TForeignProperties::Refers(const TComponent* component) const {
  for (const Slot& s : FSlots) {
    if (const auto* ref = std::get_if<TComponent*>(&s); ref != nullptr && *ref == component) {
      return true;
    }
  }
  return false;
}

void TForeignProperties::Forget(const TComponent* removed) {
  for (Slot& s : FSlots) {
    if (auto* ref = std::get_if<TComponent*>(&s); ref != nullptr && *ref == removed) {
      *ref = nullptr;
    }
  }
}
