#include "classes/Component.h"

#include <algorithm>

#include "FreeNotifyList.h"
#include "NameIndex.h"
#include "rtl/SysUtils.h"

const TClassInfo& TComponent::StaticClass() {
  static const TClassInfo info = TClassBuilder<TComponent, TPersistent>(STR("TComponent"))
                                     .Creatable()
                                     .Prop(STR("Name"), &TComponent::Name, &TComponent::SetName)
                                     .Build();
  return info;
}

void RegisterClassesUnit() {
  RegisterClass(TPersistent::StaticClass());
  RegisterClass(TComponent::StaticClass());
}

TComponent::TComponent(TComponent* owner) {
  if (owner != nullptr) owner->InsertComponent(this);
}

TComponent::~TComponent() {
  FComponentState |= csDestroying;
  // Tell everyone who asked; they drop their references to us.
  while (FFreeNotifies && !FFreeNotifies->Empty()) {
    TComponent* other = FFreeNotifies->TakeLast();
    if (other->FFreeNotifies) other->FFreeNotifies->Remove(this);
    other->Notification(this, TOperation::opRemove);
  }
  DestroyComponents();
  if (FOwner != nullptr) FOwner->RemoveComponent(this);
}

void TComponent::DestroyComponents() {
  while (!FComponents.empty()) {
    TComponent* last = FComponents.back();
    Remove(last);
    delete last;
  }
}

TComponent* TComponent::Components(int index) const {
  if (index < 0 || index >= ComponentCount()) {
    throw EListError(STR("List index out of bounds (") + IntToStr(index) + STR(")"));
  }
  return FComponents[static_cast<size_t>(index)];
}

int TComponent::ComponentIndex() const {
  if (FOwner == nullptr) return -1;
  const auto& list = FOwner->FComponents;
  return static_cast<int>(std::find(list.begin(), list.end(), this) - list.begin());
}

void TComponent::ValidateRename(TComponent* component, const String& currentName,
                                const String& newName) {
  if (newName.empty() || SameText(currentName, newName)) return;
  TComponent* existing = FindComponent(newName);
  if (existing != nullptr && existing != component) {
    throw EComponentError(STR("A component named ") + newName + STR(" already exists"));
  }
}

namespace {

// Most names are ASCII identifiers, told apart without decoding the characters.
bool IsValidName(StringView name) {
  const auto letter = [](Char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
  };
  if (name.empty() || !letter(name[0])) return IsValidIdent(name);
  for (const Char c : name) {
    if (!letter(c) && (c < '0' || c > '9')) return IsValidIdent(name);
  }
  return true;
}

}  // namespace

void TComponent::SetName(const String& name) {
  if (name == FName) return;
  if (!name.empty() && !IsValidName(name)) {
    throw EComponentError(STR("'") + name + STR("' is not a valid component name"));
  }
  if (FOwner == nullptr) {
    FName = name;
    return;
  }
  FOwner->ValidateRename(this, FName, name);
  FOwner->UnindexName(this);
  FName = name;
  FOwner->IndexName(this);
}

void TComponent::InsertComponent(TComponent* component) {
  if (component->FOwner != nullptr) component->FOwner->RemoveComponent(component);
  ValidateRename(component, String(), component->FName);
  Insert(component);
  if (IsDesigning()) component->SetDesigning(true);
  Notification(component, TOperation::opInsert);
}

void TComponent::RemoveComponent(TComponent* component) {
  if (component->FOwner != this) return;
  Notification(component, TOperation::opRemove);
  Remove(component);
}

void TComponent::Insert(TComponent* component) {
  FComponents.push_back(component);
  component->FOwner = this;
  IndexName(component);
  if (component->HearsEveryRemoval()) AddListener(component);
  // Its first component: from now on it passes every removal on.
  if (FWatchedOnly && FComponents.size() == 1 && FOwner != nullptr) FOwner->AddListener(this);
}

void TComponent::Remove(TComponent* component) {
  UnindexName(component);
  // Owners free their components last first.
  const auto it = std::find(FComponents.rbegin(), FComponents.rend(), component);
  if (it != FComponents.rend()) FComponents.erase(std::next(it).base());
  if (component->HearsEveryRemoval()) RemoveListener(component);
  component->FOwner = nullptr;
  if (FWatchedOnly && FComponents.empty() && FOwner != nullptr) FOwner->RemoveListener(this);
}

void TComponent::AddListener(TComponent* component) {
  FListeners.push_back(component);
}

void TComponent::RemoveListener(const TComponent* component) {
  const auto it = std::find(FListeners.rbegin(), FListeners.rend(), component);
  if (it != FListeners.rend()) FListeners.erase(std::next(it).base());
}

void TComponent::HearWatchedRemovalsOnly() {
  if (FWatchedOnly) return;
  FWatchedOnly = true;
  if (FOwner != nullptr && FComponents.empty()) FOwner->RemoveListener(this);
}

void TComponent::IndexName(TComponent* component) {
  // A subclass that lets a name in twice finds the first one.
  if (component->FName.empty()) return;
  if (!FNames) FNames = std::make_unique<TNameIndex>();
  FNames->Add(component);
}

void TComponent::UnindexName(const TComponent* component) {
  if (!component->FName.empty() && FNames) FNames->Remove(component);
}

TComponent* TComponent::FindComponent(StringView name) const {
  if (name.empty() || !FNames) return nullptr;
  return FNames->Find(name);
}

void TComponent::PrefetchComponent(StringView name) const {
  if (!name.empty() && FNames) FNames->Prefetch(name);
}

void TComponent::SetDesigning(bool value, bool children) {
  SetComponentStateFlag(csDesigning, value);
  if (children) {
    for (TComponent* c : FComponents) c->SetDesigning(value, true);
  }
}

void TComponent::SetLoading(bool value) {
  SetComponentStateFlag(csLoading, value);
}

void TComponent::SetInline(bool value) {
  SetComponentStateFlag(csInline, value);
}

void TComponent::SetAncestor(bool value) {
  SetComponentStateFlag(csAncestor, value);
}

void TComponent::SetComponentStateFlag(TComponentState flag, bool on) {
  FComponentState = on ? (FComponentState | flag) : (FComponentState & ~flag);
}

void TComponent::FreeNotification(TComponent* component) {
  if (component == nullptr || component == this) return;
  if (!FFreeNotifies) FFreeNotifies = std::make_unique<TFreeNotifyList>();
  if (!component->FFreeNotifies) component->FFreeNotifies = std::make_unique<TFreeNotifyList>();
  // The lists hold each other's members, so the shorter one tells (a connection's is long).
  const bool linked = FFreeNotifies->Count() <= component->FFreeNotifies->Count()
                          ? FFreeNotifies->Contains(component)
                          : component->FFreeNotifies->Contains(this);
  if (linked) return;
  FFreeNotifies->Add(component);
  component->FFreeNotifies->Add(this);
}

void TComponent::RemoveFreeNotification(TComponent* component) {
  if (component == nullptr) return;
  if (FFreeNotifies) FFreeNotifies->Remove(component);
  if (component->FFreeNotifies) component->FFreeNotifies->Remove(this);
}

void TComponent::Notification(TComponent* component, TOperation operation) {
  // Owned components hear of removals among their siblings, as in the host.
  if (operation != TOperation::opRemove || component == nullptr) return;
  // By index: a listener may leave the list while it hears.
  for (size_t i = 0; i < FListeners.size(); ++i) {
    if (FListeners[i] != component) FListeners[i]->Notification(component, operation);
  }
  // Those that hear only of what they watch, among the components this one owns; gathered
  // first, as hearing may end a watch. A component being freed has told its watchers already.
  if (FComponents.empty() || !component->FFreeNotifies) return;
  std::vector<TComponent*> watchers;
  component->FFreeNotifies->ForEach([&](TComponent* c) {
    if (c->FOwner == this && !c->HearsEveryRemoval()) watchers.push_back(c);
  });
  for (TComponent* c : watchers) c->Notification(component, operation);
}

void TComponent::Loaded() {
  SetComponentStateFlag(csLoading, false);
}

void TComponent::SetParentComponent(TComponent*) {}

void TComponent::GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) const {
  if (root != this) return;
  for (TComponent* c : FComponents) {
    if (!c->HasParent()) proc(c);
  }
}
