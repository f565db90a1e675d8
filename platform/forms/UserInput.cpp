#include "UserInput.h"

#include <algorithm>

namespace UserInput {

namespace {

TCustomForm& FormOf(const TControl& control) {
  TCustomForm* form = GetParentForm(&control);
  if (form == nullptr) throw EUserInput(control.Name() + STR(" is not on a form"));
  return *form;
}

void FocusOnClick(TControl& control) {
  auto* windowed = dynamic_cast<TWinControl*>(&control);
  if (windowed != nullptr && windowed->TakesFocusOnClick() && windowed->CanFocus()) {
    FormOf(control).FocusControl(windowed);
  }
}

// The button that takes Enter (the focused button, else the default one) or Escape.
TButton* DialogKeyButton(TCustomForm& form, Char key) {
  if (key == VK_RETURN) {
    if (auto* focused = dynamic_cast<TButton*>(form.ActiveControl())) return focused;
  }
  std::vector<TWinControl*> all;
  std::function<void(const TWinControl&)> collect = [&](const TWinControl& parent) {
    for (TWinControl* c : parent.TabList()) {
      all.push_back(c);
      collect(*c);
    }
  };
  collect(form);
  for (TWinControl* c : all) {
    auto* button = dynamic_cast<TButton*>(c);
    if (button == nullptr || !button->CanFocus()) continue;
    if ((key == VK_RETURN && button->Default()) || (key == VK_ESCAPE && button->Cancel())) {
      return button;
    }
  }
  return nullptr;
}

void MoveFocus(TCustomForm& form) {
  const auto sequence = form.TabSequence();
  if (sequence.empty()) return;
  auto at = std::find(sequence.begin(), sequence.end(), form.ActiveControl());
  const size_t next = at == sequence.end() ? 0 : (at - sequence.begin() + 1) % sequence.size();
  form.FocusControl(sequence[next]);
}

void CheckIndex(int index, int count, const TComponent& control) {
  if (index < 0 || index >= count) {
    throw EUserInput(control.Name() + STR(" has no item ") + IntToStr(index));
  }
}

}  // namespace

void CheckReachable(const TControl& control) {
  if (!control.Showing()) throw EUserInput(control.Name() + STR(" is not showing"));
  for (const TControl* c = &control; c != nullptr; c = c->Parent()) {
    if (!c->Enabled()) throw EUserInput(control.Name() + STR(" is disabled"));
  }
}

void Click(TControl& control) {
  CheckReachable(control);
  FocusOnClick(control);
  if (auto* box = dynamic_cast<TCheckBox*>(&control)) {
    box->Toggle();
  } else {
    control.Click();
  }
}

void DblClick(TControl& control) {
  Click(control);
  control.DblClick();
}

void Focus(TWinControl& control) {
  CheckReachable(control);
  if (!control.CanFocus()) throw EUserInput(control.Name() + STR(" cannot take the focus"));
  FormOf(control).FocusControl(&control);
}

void PressKey(TCustomForm& form, Char key) {
  if (!form.Showing()) throw EUserInput(form.Name() + STR(" is not showing"));
  TWinControl* target = form.ActiveControl();
  const bool kept = target != nullptr && target->WantsDialogKey(key);
  if (!kept && (key == VK_RETURN || key == VK_ESCAPE)) {
    if (TButton* button = DialogKeyButton(form, key)) {
      button->Click();
      return;
    }
  }
  if (!kept && key == VK_TAB) {
    MoveFocus(form);
    return;
  }
  if (form.KeyPreview() || target == nullptr) {
    form.KeyPress(key);
    if (key == 0 || target == nullptr) return;
  }
  target->KeyPress(key);
  if (key != 0) target->DefaultKeyPress(key);
}

void PressHelp(TCustomForm& form) {
  if (!form.Showing()) throw EUserInput(form.Name() + STR(" is not showing"));
  const TControl* c = form.ActiveControl();
  if (c == nullptr) c = &form;
  for (; c != nullptr; c = c->Parent()) {
    if (c->HelpContext() != 0) {
      Application()->HelpContext(c->HelpContext());
      return;
    }
  }
}

namespace {

Char FoldCase(Char c) {
  return c >= 'a' && c <= 'z' ? static_cast<Char>(c - 'a' + 'A') : c;
}

bool Usable(const TControl& c) {
  if (!c.Showing()) return false;
  for (const TControl* p = &c; p != nullptr; p = p->Parent()) {
    if (!p->Enabled()) return false;
  }
  return true;
}

// Controls in tab order, labels and other graphic controls after the windowed ones of their
// parent; tab sheets come with their page control.
void CollectAll(const TWinControl& parent, std::vector<TControl*>& out) {
  for (TWinControl* c : parent.TabList()) {
    out.push_back(c);
    CollectAll(*c, out);
  }
  for (int i = 0; i < parent.ControlCount(); ++i) {
    TControl* c = parent.Controls(i);
    if (dynamic_cast<TWinControl*>(c) == nullptr) out.push_back(c);
  }
}

}  // namespace

void PressAccelerator(TCustomForm& form, Char key) {
  std::vector<TControl*> all;
  CollectAll(form, all);
  for (TControl* c : all) {
    auto* sheet = dynamic_cast<TTabSheet*>(c);
    const bool reachable =
        sheet != nullptr ? sheet->TabVisible() && Usable(*sheet->PageControl()) : Usable(*c);
    if (!reachable || FoldCase(GetAccelChar(c->Caption())) != FoldCase(key)) continue;
    if (auto* label = dynamic_cast<TLabel*>(c)) {
      if (label->AccelChar() == 0) continue;
      if (label->FocusControl() != nullptr && label->FocusControl()->CanFocus()) {
        form.FocusControl(label->FocusControl());
      }
    } else if (sheet != nullptr) {
      sheet->PageControl()->SelectPage(sheet);
    } else if (dynamic_cast<TButton*>(c) != nullptr || dynamic_cast<TCheckBox*>(c) != nullptr) {
      Click(*c);
    } else if (auto* windowed = dynamic_cast<TWinControl*>(c); windowed && windowed->CanFocus()) {
      form.FocusControl(windowed);
    }
    return;
  }
  throw EUserInput(form.ClassName() + STR(" has no control with the access key ") + String(1, key));
}

void TypeText(TCustomForm& form, StringView text) {
  for (Char c : text) PressKey(form, c);
}

void ClickListItem(TListBox& list, int index, bool ctrl) {
  CheckReachable(list);
  CheckIndex(index, list.Count(), list);
  FocusOnClick(list);
  if (list.MultiSelect()) {
    if (ctrl) {
      list.SetSelected(index, !list.Selected(index));
    } else {
      list.ClearSelection();
      list.SetSelected(index, true);
    }
  }
  list.SetItemIndex(index);
  list.Click();
}

void DblClickListItem(TListBox& list, int index) {
  ClickListItem(list, index, false);
  list.DblClick();
}

void ChooseComboItem(TComboBox& combo, int index) {
  CheckReachable(combo);
  CheckIndex(index, combo.Items()->Count(), combo);
  FocusOnClick(combo);
  combo.ChooseItem(index);
}

// Clicking the radio button that is already chosen changes nothing and raises nothing.
void ClickRadioItem(TRadioGroup& group, int index) {
  CheckReachable(group);
  CheckIndex(index, group.Items()->Count(), group);
  FocusOnClick(group);
  if (group.ItemIndex() == index) return;
  group.SetItemIndex(index);
  group.Click();
}

void ClickCheckBox(TCheckBox& box) {
  Click(box);
}

bool SelectTab(TPageControl& pages, TTabSheet& page) {
  CheckReachable(pages);
  if (page.PageControl() != &pages || !page.TabVisible()) {
    throw EUserInput(page.Name() + STR(" has no tab on ") + pages.Name());
  }
  return pages.SelectPage(&page);
}

bool DragSplitter(TSplitter& splitter, int newSize) {
  CheckReachable(splitter);
  return splitter.MoveTo(newSize);
}

void PopupMenuClick(TControl& control, TMenuItem& item) {
  CheckReachable(control);
  TPopupMenu* menu = control.PopupMenu();
  if (menu == nullptr || !menu->AutoPopup()) {
    throw EUserInput(control.Name() + STR(" has no popup menu"));
  }
  if (item.GetParentMenu() != menu) {
    throw EUserInput(item.Name() + STR(" is not in the popup menu of ") + control.Name());
  }
  ClickMenuItem(OpenPopupMenu(control), item);
}

TPopupMenu& OpenPopupMenu(TControl& control) {
  CheckReachable(control);
  TPopupMenu* menu = control.PopupMenu();
  if (menu == nullptr || !menu->AutoPopup()) {
    throw EUserInput(control.Name() + STR(" has no popup menu"));
  }
  FocusOnClick(control);
  menu->SetPopupComponent(&control);
  menu->Popup(control.Left(), control.Top());
  return *menu;
}

void ClickMenuItem(TPopupMenu& menu, TMenuItem& item) {
  for (const TMenuItem* m = &item; m != nullptr && m != menu.Items(); m = m->ParentItem()) {
    if (!m->Visible() || !m->Enabled()) throw EUserInput(item.Name() + STR(" cannot be clicked"));
  }
  item.Click();
}

void CloseWindow(TCustomForm& form) {
  if (!form.Showing()) throw EUserInput(form.Name() + STR(" is not showing"));
  form.Close();
}

}  // namespace UserInput
