#include "NameIndex.h"

#include "rtl/SysUtils.h"

namespace {

auto Named(size_t hash, StringView name) {
  return [hash, name](const auto& slot) {
    return slot.Hash == hash && SameText(slot.Component->Name(), name);
  };
}

}  // namespace

TComponent* TNameIndex::Find(StringView name) const {
  const size_t hash = TTextHash()(name);
  const TSlot* slot = FTable.Find(hash, Named(hash, name));
  return slot != nullptr ? slot->Component : nullptr;
}

void TNameIndex::Prefetch(StringView name) const {
  FTable.Prefetch(TTextHash()(name));
}

void TNameIndex::Add(TComponent* component) {
  const size_t hash = TTextHash()(component->Name());
  FTable.Insert(hash, Named(hash, component->Name()), TSlot{hash, component});
}

void TNameIndex::Remove(const TComponent* component) {
  FTable.Erase(TTextHash()(component->Name()),
               [component](const TSlot& slot) { return slot.Component == component; });
}
