#include "classes/Component.h"

#include <algorithm>

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
  while (!FFreeNotifies.empty()) {
    TComponent* other = FFreeNotifies.back();
    FFreeNotifies.pop_back();
    auto& back = other->FFreeNotifies;
    back.erase(std::remove(back.begin(), back.end(), this), back.end());
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

void TComponent::SetName(const String& name) {
  if (name == FName) return;
  if (!name.empty() && !IsValidIdent(name)) {
    throw EComponentError(STR("'") + name + STR("' is not a valid component name"));
  }
  if (FOwner != nullptr) FOwner->ValidateRename(this, FName, name);
  FName = name;
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
}

void TComponent::Remove(TComponent* component) {
  FComponents.erase(std::remove(FComponents.begin(), FComponents.end(), component),
                    FComponents.end());
  component->FOwner = nullptr;
}

TComponent* TComponent::FindComponent(StringView name) const {
  if (name.empty()) return nullptr;
  for (TComponent* c : FComponents) {
    if (SameText(c->FName, name)) return c;
  }
  return nullptr;
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
  if (std::find(FFreeNotifies.begin(), FFreeNotifies.end(), component) == FFreeNotifies.end()) {
    FFreeNotifies.push_back(component);
    component->FFreeNotifies.push_back(this);
  }
}

void TComponent::RemoveFreeNotification(TComponent* component) {
  if (component == nullptr) return;
  auto drop = [](std::vector<TComponent*>& list, TComponent* c) {
    list.erase(std::remove(list.begin(), list.end(), c), list.end());
  };
  drop(FFreeNotifies, component);
  drop(component->FFreeNotifies, this);
}

void TComponent::Notification(TComponent* component, TOperation operation) {
  // Owned components hear of removals among their siblings, as in the host.
  if (operation == TOperation::opRemove && component != nullptr) {
    for (TComponent* c : FComponents) {
      if (c != component) c->Notification(component, operation);
    }
  }
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
