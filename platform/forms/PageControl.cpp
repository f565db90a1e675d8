#include "forms/PageControl.h"

#include <algorithm>

#include "PropHelpers.h"

const TClassInfo& TPageControl::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TPageControl, TWinControl>(STR("TPageControl"))
          .Creatable()
          .Prop(STR("ActivePage"), &TPageControl::ActivePage, &TPageControl::SetActivePage)
          .OMBRIX_EVENT(TPageControl, OnChange, "TNotifyEvent")
          .OMBRIX_EVENT(TPageControl, OnChanging, "TTabChangingEvent")
          .Build();
  return info;
}

TPageControl::TPageControl(TComponent* owner) : TWinControl(owner) {
  SetTabStop(true);
  SetBounds(0, 0, 289, 193);
}

TPageControl::~TPageControl() {
  // The sheets go with the control; they must not call back into a half-destroyed one.
  for (TTabSheet* page : FPages) page->FPageControl = nullptr;
  FPages.clear();
  FActivePage = nullptr;
}

TTabSheet* TPageControl::Pages(int index) const {
  if (index < 0 || index >= PageCount()) {
    throw EListError(STR("Page index out of bounds (") + IntToStr(index) + STR(")"));
  }
  return FPages[static_cast<size_t>(index)];
}

void TPageControl::InsertPage(TTabSheet* page) {
  FPages.push_back(page);
}

void TPageControl::RemovePage(TTabSheet* page) {
  FPages.erase(std::remove(FPages.begin(), FPages.end(), page), FPages.end());
  if (FActivePage == page) {
    FActivePage = nullptr;
    if (!FPages.empty() && (ComponentState() & csDestroying) == 0) SetActivePage(FPages.front());
  }
}

void TPageControl::MovePage(TTabSheet* page, int index) {
  auto at = std::find(FPages.begin(), FPages.end(), page);
  if (at == FPages.end()) return;
  FPages.erase(at);
  index = std::clamp(index, 0, PageCount());
  FPages.insert(FPages.begin() + index, page);
}

void TPageControl::SetActivePage(TTabSheet* page) {
  if (page != nullptr && page->PageControl() != this) {
    throw EInvalidOperation(STR("Tab sheet ") + page->Name() + STR(" is not on ") + Name());
  }
  if (page == FActivePage) return;
  if (FActivePage != nullptr) FActivePage->SetVisible(false);
  FActivePage = page;
  if (page != nullptr) page->SetVisible(true);
  Invalidate();
}

int TPageControl::ActivePageIndex() const {
  return FActivePage == nullptr ? -1 : FActivePage->PageIndex();
}

void TPageControl::SetActivePageIndex(int index) {
  SetActivePage(index >= 0 && index < PageCount() ? Pages(index) : nullptr);
}

bool TPageControl::CanChange() {
  bool allow = true;
  FireBoolQuery(OnChanging, this, allow);
  return allow;
}

bool TPageControl::SelectPage(TTabSheet* page) {
  if (page == nullptr || page->PageControl() != this || !page->TabVisible()) return false;
  if (page == FActivePage) return false;
  if (!CanChange()) return false;
  SetActivePage(page);
  Change();
  return true;
}

void TPageControl::SelectNextPage(bool goForward, bool checkTabVisible) {
  const int count = PageCount();
  if (count == 0) return;
  const int start = FActivePage != nullptr ? FActivePage->PageIndex() : (goForward ? -1 : count);
  for (int step = 1; step <= count; ++step) {
    const int index = ((start + (goForward ? step : -step)) % count + count) % count;
    TTabSheet* page = FPages[static_cast<size_t>(index)];
    if (checkTabVisible && !page->TabVisible()) continue;
    if (page != FActivePage && CanChange()) {
      SetActivePage(page);
      Change();
    }
    return;
  }
}

void TPageControl::Loaded() {
  TWinControl::Loaded();
  if (FActivePage == nullptr) {
    for (TTabSheet* page : FPages) {
      if (page->TabVisible()) {
        SetActivePage(page);
        break;
      }
    }
  }
}

void TPageControl::GetChildren(const std::function<void(TComponent*)>& proc,
                               TComponent* root) const {
  for (TTabSheet* page : FPages) {
    if (page->Owner() == root) proc(page);
  }
}
