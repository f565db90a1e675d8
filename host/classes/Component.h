#pragma once
// The component model: ownership, names, design positions, free notifications.
#include <cstdint>
#include <memory>
#include <vector>

#include "classes/Persistent.h"

enum class TOperation { opInsert, opRemove };

class TFreeNotifyList;
class TNameIndex;

using TComponentState = uint32_t;
inline constexpr TComponentState csLoading = 1;
inline constexpr TComponentState csReading = 2;
inline constexpr TComponentState csWriting = 4;
inline constexpr TComponentState csDestroying = 8;
inline constexpr TComponentState csDesigning = 16;
inline constexpr TComponentState csInline = 32;
inline constexpr TComponentState csAncestor = 64;

// A component owned by another is freed with it. Names are unique among the owner's components
// (compared without regard to ASCII case) and must be identifiers (IsValidIdent, letters of
// any script); the empty name is allowed.
class TComponent : public TPersistent {
  OMBRIX_CLASS(TComponent)
  explicit TComponent(TComponent* owner);
  ~TComponent() override;
  TComponent(const TComponent&) = delete;
  TComponent& operator=(const TComponent&) = delete;

  TComponent* Owner() const { return FOwner; }
  const String& Name() const { return FName; }
  // Raises EComponentError "'X' is not a valid component name" or
  // "A component named X already exists".
  virtual void SetName(const String& name);

  int ComponentCount() const { return static_cast<int>(FComponents.size()); }
  TComponent* Components(int index) const;
  int ComponentIndex() const;
  // A component inserted into a designed owner is designed too, as in the host.
  void InsertComponent(TComponent* component);
  void RemoveComponent(TComponent* component);
  // Null when no owned component has that name (case-insensitive). Owners keep an index.
  TComponent* FindComponent(StringView name) const;
  // A hint that name is soon looked up or given to an owned component: on an owner of many
  // components, its place in the index is fetched meanwhile.
  void PrefetchComponent(StringView name) const;

  // The designer's stored position of a non-visual component: low 16 bits left, high 16 top.
  int32_t DesignInfo() const { return FDesignInfo; }
  void SetDesignInfo(int32_t value) { FDesignInfo = value; }

  TComponentState ComponentState() const { return FComponentState; }
  bool IsDesigning() const { return (FComponentState & csDesigning) != 0; }
  // Sets or clears the designing flag on this component and, with children, on what it owns.
  void SetDesigning(bool value, bool children = true);
  void SetLoading(bool value);
  // Marks a frame embedded in a form (`inline` in form files); it owns what it streams.
  void SetInline(bool value);
  bool IsInline() const { return (FComponentState & csInline) != 0; }
  // Marks a component that an inherited form takes from its ancestor (`inherited` in form
  // files); the designer neither renames nor deletes it there.
  void SetAncestor(bool value);
  bool IsAncestor() const { return (FComponentState & csAncestor) != 0; }

  // Asks to be told (Notification opRemove) when component is freed. Symmetric, as in the host.
  void FreeNotification(TComponent* component);
  void RemoveFreeNotification(TComponent* component);
  // An owner tells its components of a removal among them (and they tell what they own). A
  // component that watches what it refers to (HearWatchedRemovalsOnly) hears only of the
  // removals of components linked to it through FreeNotification.
  virtual void Notification(TComponent* component, TOperation operation);
  // Called after a form file finished loading this component and resolving its references.
  virtual void Loaded();

  // Nesting in form files: a component streamed inside another's block (a control inside its
  // parent, a persistent field inside its dataset) has that one as its parent component.
  virtual bool HasParent() const { return false; }
  virtual TComponent* GetParentComponent() const { return nullptr; }
  virtual void SetParentComponent(TComponent* parent);
  // Calls proc for each component that this one streams inside its own block, in order; root
  // is the component being written (the form). The root itself streams what it owns that has
  // no parent component.
  virtual void GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) const;

  // Frees every owned component (last first).
  void DestroyComponents();

 protected:
  void SetComponentStateFlag(TComponentState flag, bool on);
  // For a class that asks FreeNotification of every component it refers to: its owner spares
  // it the removals of the others, which on a large form are most of them. While it owns
  // components it still hears of every removal, to tell them.
  void HearWatchedRemovalsOnly();
  // Lets a subclass validate names of owned components or rename on insertion.
  virtual void ValidateRename(TComponent* component, const String& currentName,
                              const String& newName);

 private:
  void Insert(TComponent* component);
  void Remove(TComponent* component);
  void IndexName(TComponent* component);
  void UnindexName(const TComponent* component);
  bool HearsEveryRemoval() const { return !FWatchedOnly || !FComponents.empty(); }
  void AddListener(TComponent* component);
  void RemoveListener(const TComponent* component);

  TComponent* FOwner = nullptr;
  String FName;
  std::vector<TComponent*> FComponents;
  std::vector<TComponent*> FListeners;  // the owned components that hear of every removal
  std::unique_ptr<TNameIndex> FNames;   // made with the first named component

  std::unique_ptr<TFreeNotifyList> FFreeNotifies;  // made on first use
  int32_t FDesignInfo = 0;
  TComponentState FComponentState = 0;
  bool FWatchedOnly = false;
};

// Registers TComponent and TPersistent with the class registry (idempotent).
void RegisterClassesUnit();
