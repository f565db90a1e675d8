#include "ComponentReferences.h"

TComponent* FormRootOf(TComponent* component) {
  while (component->Owner() != nullptr) component = component->Owner();
  return component;
}

const TComponent* LookupRootOf(const TComponent* component) {
  const TComponent* c = component->Owner();
  if (c == nullptr) return component;
  while (c->Owner() != nullptr && !c->IsInline()) c = c->Owner();
  return c;
}

TComponent* LookupRootOf(TComponent* component) {
  return const_cast<TComponent*>(LookupRootOf(static_cast<const TComponent*>(component)));
}

TComponent* FindComponentByPath(StringView path, TComponent* lookupRoot,
                                const std::vector<TComponent*>& roots) {
  const size_t dot = path.find('.');
  const StringView first = path.substr(0, dot);
  TComponent* formRoot = FormRootOf(lookupRoot);
  TComponent* found = lookupRoot->FindComponent(first);
  if (found == nullptr && SameText(lookupRoot->Name(), first)) found = lookupRoot;
  if (found == nullptr) found = formRoot->FindComponent(first);
  if (found == nullptr && SameText(formRoot->Name(), first)) found = formRoot;
  for (size_t i = 0; found == nullptr && i < roots.size(); ++i) {
    if (SameText(roots[i]->Name(), first)) found = roots[i];
  }
  for (size_t start = dot; found != nullptr && start != StringView::npos;) {
    const size_t next = path.find('.', start + 1);
    found = found->FindComponent(path.substr(start + 1, next - start - 1));
    start = next;
  }
  return found;
}

String ComponentReferenceText(const TComponent* target, const TComponent* lookupRoot) {
  if (target == lookupRoot) return target->Name();
  String text;
  for (const TComponent* c = target; c != nullptr && c != lookupRoot; c = c->Owner()) {
    if (c->Name().empty()) return String();
    text = text.empty() ? c->Name() : c->Name() + STR(".") + text;
  }
  return text;
}

std::vector<TPendingReference> ResolveReferences(std::vector<TPendingReference> pending,
                                                 const std::vector<TComponent*>& roots,
                                                 const TReferenceProblem& problem) {
  std::vector<TPendingReference> unresolved;
  // The references of a large form point all over its name index: each lookup is started a
  // few references ahead.
  constexpr size_t kAhead = 8;
  const auto prefetch = [&](size_t i) {
    if (i >= pending.size()) return;
    const StringView name = pending[i].Name;
    pending[i].LookupRoot->PrefetchComponent(name.substr(0, name.find('.')));
  };
  for (size_t i = 0; i < kAhead; ++i) prefetch(i);
  for (size_t i = 0; i < pending.size(); ++i) {
    prefetch(i + kAhead);
    TPendingReference& ref = pending[i];
    TComponent* found = FindComponentByPath(ref.Name, ref.LookupRoot, roots);
    if (found == nullptr) {
      unresolved.push_back(std::move(ref));
      continue;
    }
    const TClassInfo* wanted = ref.Prop->PropType->ClassType();
    if (wanted != nullptr && !found->InheritsFrom(*wanted)) {
      problem(ref, ref.Name + STR(" is not a ") + wanted->Name);
      continue;
    }
    try {
      SetPropValue(ref.Target, *ref.Prop, static_cast<TObject*>(found));
    } catch (const Exception& e) {
      problem(ref, e.Message());
    }
  }
  return unresolved;
}
