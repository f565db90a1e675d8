#pragma once
#include <vector>

#include "forms/Control.h"

class TMenu;

// A menu entry; entries nest. Freeing an entry frees its sub-entries.
class TMenuItem : public TComponent {
  OMBRIX_CLASS(TMenuItem)
  explicit TMenuItem(TComponent* owner);
  ~TMenuItem() override;

  String Caption() const { return FCaption; }
  void SetCaption(const String& value) { FCaption = value; }
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool value) { FEnabled = value; }
  bool Visible() const { return FVisible; }
  void SetVisible(bool value) { FVisible = value; }
  bool Checked() const { return FChecked; }
  void SetChecked(bool value) { FChecked = value; }
  const String& Hint() const { return FHint; }
  void SetHint(const String& value) { FHint = value; }
  int Tag() const { return FTag; }
  void SetTag(int value) { FTag = value; }

  int Count() const { return static_cast<int>(FItems.size()); }
  // Raises EListError outside 0..Count-1.
  TMenuItem* Items(int index) const;
  void Add(TMenuItem* item);
  void Insert(int index, TMenuItem* item);
  void Remove(TMenuItem* item);
  TMenuItem* ParentItem() const { return FParent; }
  // The menu whose tree holds this entry, or null.
  TMenu* GetParentMenu() const;

  TMethod OnClick;  // TNotifyEvent
  virtual void Click();

  bool HasParent() const override { return true; }
  TComponent* GetParentComponent() const override;
  void SetParentComponent(TComponent* parent) override;
  void GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) const override;

 private:
  friend class TMenu;
  String FCaption;
  bool FEnabled = true;
  bool FVisible = true;
  bool FChecked = false;
  String FHint;
  int FTag = 0;
  std::vector<TMenuItem*> FItems;
  TMenuItem* FParent = nullptr;
  TMenu* FMenu = nullptr;  // set on the root entry of a menu
};

class TMenu : public TComponent {
  OMBRIX_CLASS(TMenu)
  explicit TMenu(TComponent* owner);
  // The invisible root entry whose sub-entries the menu shows.
  TMenuItem* Items() const { return FItems; }
  // The entry of that name anywhere in the tree, or null.
  TMenuItem* FindItem(StringView name) const;
  void GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) const override;

 private:
  TMenuItem* FItems;
};

// A context menu. Opening it on a control records the control as PopupComponent and raises
// OnPopup; the user then clicks one of its entries.
class TPopupMenu : public TMenu {
  OMBRIX_CLASS(TPopupMenu)
  explicit TPopupMenu(TComponent* owner);

  TComponent* PopupComponent() const { return FPopupComponent; }
  void SetPopupComponent(TComponent* value);
  bool AutoPopup() const { return FAutoPopup; }
  void SetAutoPopup(bool value) { FAutoPopup = value; }

  TMethod OnPopup;  // TNotifyEvent
  void Popup(int x, int y);
  void Notification(TComponent* component, TOperation operation) override;

 private:
  TComponent* FPopupComponent = nullptr;
  bool FAutoPopup = true;
};
