#include "UnknownClasses.h"

#include <mutex>

namespace {

struct THandlers {
  std::mutex Lock;
  std::vector<std::pair<String, TUnknownClassHandler>> List;  // registration order
};

THandlers& Handlers() {
  static THandlers handlers;
  return handlers;
}

}  // namespace

void RegisterUnknownClassHandler(const String& key, TUnknownClassHandler handler) {
  UnregisterUnknownClassHandler(key);
  std::lock_guard guard(Handlers().Lock);
  Handlers().List.emplace_back(key, std::move(handler));
}

void UnregisterUnknownClassHandler(const String& key) {
  std::lock_guard guard(Handlers().Lock);
  auto& list = Handlers().List;
  std::erase_if(list, [&](const auto& entry) { return entry.first == key; });
}

TComponent* CreateFromUnknownClassHandlers(StringView className, TComponent* parent,
                                           TComponent* owner) {
  std::vector<TUnknownClassHandler> handlers;
  {
    std::lock_guard guard(Handlers().Lock);
    for (const auto& entry : Handlers().List) handlers.push_back(entry.second);
  }
  for (auto it = handlers.rbegin(); it != handlers.rend(); ++it) {
    if (TComponent* component = (*it)(className, parent, owner)) return component;
  }
  return nullptr;
}
