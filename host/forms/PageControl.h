#pragma once
#include <vector>

#include "forms/WinControl.h"

class TPageControl;

// One page of a page control; only the active page is visible.
class TTabSheet : public TWinControl {
  OMBRIX_CLASS(TTabSheet)
  explicit TTabSheet(TComponent* owner);
  ~TTabSheet() override;

  TPageControl* PageControl() const { return FPageControl; }
  void SetPageControl(TPageControl* value);
  // Position among the page control's pages; -1 without one.
  int PageIndex() const;
  void SetPageIndex(int value);
  bool TabVisible() const { return FTabVisible; }
  void SetTabVisible(bool value);
  // Index among the visible tabs; -1 when the tab is hidden.
  int TabIndex() const;

  void SetParent(TWinControl* parent) override;

 private:
  friend class TPageControl;
  TPageControl* FPageControl = nullptr;
  bool FTabVisible = true;
};

// Pages with tabs. A user's switch asks OnChanging (which may refuse), then shows the page and
// raises OnChange; setting ActivePage in code raises neither.
class TPageControl : public TWinControl {
  OMBRIX_CLASS(TPageControl)
  explicit TPageControl(TComponent* owner);
  ~TPageControl() override;

  int PageCount() const { return static_cast<int>(FPages.size()); }
  // Raises EListError outside 0..PageCount-1.
  TTabSheet* Pages(int index) const;
  TTabSheet* ActivePage() const { return FActivePage; }
  // Raises EInvalidOperation for a sheet of another page control.
  void SetActivePage(TTabSheet* page);
  int ActivePageIndex() const;
  void SetActivePageIndex(int index);

  TMethod OnChanging;  // TTabChangingEvent
  TMethod OnChange;    // TNotifyEvent

  // The user's tab switch: false when the page was not shown (refused or not selectable).
  bool SelectPage(TTabSheet* page);
  // Moves to the next (or previous) page with a visible tab, wrapping around, asking
  // OnChanging and raising OnChange as a user's switch does.
  void SelectNextPage(bool goForward, bool checkTabVisible = true);
  // OnChanging; true when the change is allowed.
  bool CanChange();
  void Change() { FireNotify(OnChange, this); }

  bool TakesFocusOnClick() const override { return true; }
  void Loaded() override;
  void GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) const override;

 private:
  friend class TTabSheet;
  void InsertPage(TTabSheet* page);
  void RemovePage(TTabSheet* page);
  void MovePage(TTabSheet* page, int index);

  std::vector<TTabSheet*> FPages;
  TTabSheet* FActivePage = nullptr;
};
