#include "classes/IntegerConsts.h"

#include <map>
#include <mutex>

namespace {

struct TConsts {
  std::mutex Lock;
  std::map<const TTypeInfo*, TIdentMap> ByType;
};

TConsts& Consts() {
  static TConsts consts;
  return consts;
}

}  // namespace

void RegisterIntegerConsts(const TTypeInfo& type, TIdentMap idents) {
  std::lock_guard guard(Consts().Lock);
  Consts().ByType[&type] = std::move(idents);
}

std::optional<int64_t> IdentToInt(const TTypeInfo& type, StringView name) {
  std::lock_guard guard(Consts().Lock);
  const auto it = Consts().ByType.find(&type);
  if (it == Consts().ByType.end()) return std::nullopt;
  for (const auto& [ident, value] : it->second) {
    if (SameText(ident, name)) return value;
  }
  return std::nullopt;
}

std::optional<String> IntToIdent(const TTypeInfo& type, int64_t value) {
  std::lock_guard guard(Consts().Lock);
  const auto it = Consts().ByType.find(&type);
  if (it == Consts().ByType.end()) return std::nullopt;
  for (const auto& [ident, v] : it->second) {
    if (v == value) return ident;
  }
  return std::nullopt;
}
