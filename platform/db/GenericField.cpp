#include "db/GenericField.h"

#include <map>
#include <memory>
#include <mutex>

const TClassInfo& TGenericField::StaticClass() {
  static const TClassInfo info = TClassBuilder<TGenericField, TField>(STR("TGenericField")).Build();
  return info;
}

const TClassInfo& TGenericField::ClassFor(StringView className) {
  static std::map<String, std::unique_ptr<TClassInfo>> classes;
  static std::mutex lock;
  std::lock_guard guard(lock);
  auto& slot = classes[UpperCase(className)];
  if (!slot) {
    slot = std::make_unique<TClassInfo>();
    slot->Name = String(className);
    slot->Parent = &StaticClass();
    const TClassInfo* cls = slot.get();
    slot->Create = [cls](TComponent* owner) -> TObject* { return new TGenericField(owner, *cls); };
  }
  return *slot;
}

TGenericField::TGenericField(TComponent* owner, StringView className)
    : TGenericField(owner, ClassFor(className)) {}

TGenericField::TGenericField(TComponent* owner, const TClassInfo& cls)
    : TField(owner, TFieldType::ftUnknown), FClass(&cls) {}
