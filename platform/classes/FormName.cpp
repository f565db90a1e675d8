#include <mutex>
#include <unordered_set>

#include "classes/FormDocument.h"

namespace {

struct TNameHash {
  using is_transparent = void;
  size_t operator()(StringView name) const { return std::hash<StringView>()(name); }
};

// Never shrinks: the names of forms are few, and nodes anywhere may point to them.
std::unordered_set<String, TNameHash, std::equal_to<>>& Names() {
  static std::unordered_set<String, TNameHash, std::equal_to<>> names;
  return names;
}

const String* Empty() {
  static const String kEmpty;
  return &kEmpty;
}

const String* Intern(StringView name) {
  if (name.empty()) return Empty();
  // Forms are read on one thread today; the table is the process's, so it guards itself.
  static std::mutex guard;
  const std::lock_guard<std::mutex> lock(guard);
  auto& names = Names();
  auto it = names.find(name);
  if (it == names.end()) it = names.emplace(name).first;
  return &*it;
}

}  // namespace

TFormName::TFormName() : FName(Empty()) {}

TFormName::TFormName(StringView name) : FName(Intern(name)) {}
