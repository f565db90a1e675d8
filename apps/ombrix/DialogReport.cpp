#include "DialogReport.h"

#include "Json.h"

namespace {

bool EnabledWithParents(const TControl& control) {
  for (const TControl* c = &control; c != nullptr; c = c->Parent()) {
    if (!c->Enabled()) return false;
  }
  return true;
}

std::string ItemsJson(const TStringList& items) {
  std::vector<std::string> texts;
  for (int i = 0; i < items.Count(); ++i) texts.push_back(JsonString(items.Strings(i)));
  return JsonArray(texts);
}

std::string EntryJson(const TStringList& items, int index) {
  return index >= 0 && index < items.Count() ? JsonArray({JsonString(items.Strings(index))})
                                             : JsonArray({});
}

std::string ControlJson(const TControl& control) {
  std::vector<std::pair<std::string, std::string>> members = {
      {"visible", JsonBool(control.Showing())}, {"enabled", JsonBool(EnabledWithParents(control))}};
  if (auto* edit = dynamic_cast<const TEdit*>(&control)) {
    members.emplace_back("text", JsonString(edit->DisplayText()));
  } else if (auto* memo = dynamic_cast<const TCustomEdit*>(&control)) {
    members.emplace_back("text", JsonString(memo->Text()));
  } else if (auto* combo = dynamic_cast<const TComboBox*>(&control)) {
    members.emplace_back("text", JsonString(combo->Text()));
    members.emplace_back("items", ItemsJson(*combo->Items()));
    members.emplace_back("selected", EntryJson(*combo->Items(), combo->ItemIndex()));
  } else if (auto* list = dynamic_cast<const TListBox*>(&control)) {
    std::vector<std::string> selected;
    for (int i = 0; i < list->Count(); ++i) {
      if (list->Selected(i)) selected.push_back(JsonString(list->Items()->Strings(i)));
    }
    members.emplace_back("items", ItemsJson(*list->Items()));
    members.emplace_back("selected", JsonArray(selected));
  } else if (auto* group = dynamic_cast<const TRadioGroup*>(&control)) {
    members.emplace_back("caption", JsonString(group->Caption()));
    members.emplace_back("items", ItemsJson(*group->Items()));
    members.emplace_back("selected", EntryJson(*group->Items(), group->ItemIndex()));
  } else if (auto* box = dynamic_cast<const TCheckBox*>(&control)) {
    members.emplace_back("caption", JsonString(box->Caption()));
    members.emplace_back("checked", JsonBool(box->Checked()));
  } else if (dynamic_cast<const TLabel*>(&control) || dynamic_cast<const TButton*>(&control) ||
             dynamic_cast<const TCustomGroupBox*>(&control) ||
             dynamic_cast<const TTabSheet*>(&control) || dynamic_cast<const TPanel*>(&control)) {
    members.emplace_back("caption", JsonString(control.Caption()));
  }
  return JsonObject(members);
}

void CollectControls(const TComponent& owner,
                     std::vector<std::pair<std::string, std::string>>& out) {
  for (int i = 0; i < owner.ComponentCount(); ++i) {
    const TComponent* c = owner.Components(i);
    auto* control = dynamic_cast<const TControl*>(c);
    if (control != nullptr && !c->Name().empty())
      out.emplace_back(ToUtf8(c->Name()), ControlJson(*control));
    CollectControls(*c, out);
  }
}

}  // namespace

std::string ControlsJson(const TCustomForm& form) {
  std::vector<std::pair<std::string, std::string>> controls;
  CollectControls(form, controls);
  return JsonObject(controls);
}

TDialogRecorder::TDialogRecorder(TScriptedDriver& driver) : FDriver(driver) {
  driver.OnOpened = [this](TCustomForm& form) {
    FOpen.push_back(FDialogs.size());
    FDialogs.push_back({form.ClassName(), form.Caption(), mrNone, ControlsJson(form), "{}"});
  };
  driver.OnClosing = [this](TCustomForm& form) {
    if (FOpen.empty()) return;
    TDialog& dialog = FDialogs[FOpen.back()];
    FOpen.pop_back();
    dialog.Caption = form.Caption();
    dialog.Result = form.ModalResult();
    dialog.Closed = ControlsJson(form);
  };
}

TDialogRecorder::~TDialogRecorder() {
  FDriver.OnOpened = nullptr;
  FDriver.OnClosing = nullptr;
}

std::string TDialogRecorder::Json(bool modified, const std::optional<std::string>& error) const {
  std::vector<std::string> dialogs;
  for (const TDialog& d : FDialogs) {
    dialogs.push_back(JsonObject({{"class", JsonString(d.ClassName)},
                                  {"caption", JsonString(d.Caption)},
                                  {"result", JsonString(ModalResultName(d.Result))},
                                  {"opened", d.Opened},
                                  {"closed", d.Closed}}));
  }
  std::vector<std::string> messages;
  for (const TMessageRecord& m : FDriver.Messages()) {
    messages.push_back(JsonObject({{"type", JsonString(MsgDlgTypeName(m.Type))},
                                   {"text", JsonString(m.Text)},
                                   {"answer", JsonString(ModalResultName(m.Answer))}}));
  }
  return JsonObject({{"dialogs", JsonArray(dialogs)},
                     {"messages", JsonArray(messages)},
                     {"modified", JsonBool(modified)},
                     {"error", error ? JsonString(FromUtf8(*error)) : std::string("null")}});
}
