#include "forms/ScriptedDriver.h"

#include "forms/UserInput.h"

namespace {

TComponent* FindNamed(const TComponent& root, StringView name) {
  if (TComponent* found = root.FindComponent(name)) return found;
  for (int i = 0; i < root.ComponentCount(); ++i) {
    if (TComponent* found = FindNamed(*root.Components(i), name)) return found;
  }
  return nullptr;
}

template <class T>
T& Named(TCustomForm& form, StringView name) {
  TComponent* component = FindNamed(form, name);
  if (component == nullptr) {
    throw EUserInput(form.ClassName() + STR(" has no control named ") + String(name));
  }
  auto* typed = dynamic_cast<T*>(component);
  if (typed == nullptr) {
    throw EUserInput(String(name) + STR(" is a ") + component->ClassName() + STR(", not a ") +
                     T::StaticClass().Name);
  }
  return *typed;
}

int EntryIndex(const TStringList& items, StringView text, StringView control) {
  for (int i = 0; i < items.Count(); ++i) {
    if (items.Strings(i) == text) return i;
  }
  String known;
  for (int i = 0; i < items.Count(); ++i) known += (i > 0 ? STR(", ") : STR("")) + items.Strings(i);
  throw EUserInput(String(control) + STR(" has no entry '") + String(text) + STR("' (") + known +
                   STR(")"));
}

const TStringList& EntriesOf(TCustomForm& form, StringView control) {
  TComponent& c = Named<TComponent>(form, control);
  if (auto* list = dynamic_cast<TListBox*>(&c)) return *list->Items();
  if (auto* combo = dynamic_cast<TComboBox*>(&c)) return *combo->Items();
  if (auto* group = dynamic_cast<TRadioGroup*>(&c)) return *group->Items();
  throw EUserInput(String(control) + STR(" is a ") + c.ClassName() + STR(" and has no entries"));
}

void ChooseEntry(TCustomForm& form, StringView control, int index) {
  TComponent& c = Named<TComponent>(form, control);
  if (auto* list = dynamic_cast<TListBox*>(&c)) {
    UserInput::ClickListItem(*list, index, false);
  } else if (auto* combo = dynamic_cast<TComboBox*>(&c)) {
    UserInput::ChooseComboItem(*combo, index);
  } else if (auto* group = dynamic_cast<TRadioGroup*>(&c)) {
    UserInput::ClickRadioItem(*group, index);
  } else {
    throw EUserInput(String(control) + STR(" is a ") + c.ClassName() + STR(" and has no entries"));
  }
}

}  // namespace

// --- TScript ---

TScript::TScript(String formClass) : FFormClass(std::move(formClass)) {}

TScript& TScript::Add(String description, std::function<void(TCustomForm&)> action) {
  FSteps.push_back({std::move(description), std::move(action), FLine});
  return *this;
}

TScript& TScript::AtLine(int line) {
  FLine = line;
  return *this;
}

TScript& TScript::Answer(TModalResult result) {
  FSteps.push_back({STR("Answer ") + ModalResultName(result), nullptr, FLine, result});
  return *this;
}

TScript& TScript::Help(StringView control) {
  String name(control);
  return Add(STR("F1 on ") + name, [name](TCustomForm& f) {
    UserInput::Focus(Named<TWinControl>(f, name));
    UserInput::PressHelp(f);
  });
}

TScript& TScript::Mark(StringView listBox, StringView item, bool selected) {
  String name(listBox), entry(item);
  return Add((selected ? STR("Select '") : STR("Unselect '")) + entry + STR("' in ") + name,
             [name, entry, selected](TCustomForm& f) {
               auto& list = Named<TListBox>(f, name);
               UserInput::CheckReachable(list);
               if (!list.MultiSelect()) throw EUserInput(name + STR(" is no multi-select list"));
               const int index = EntryIndex(*list.Items(), entry, name);
               if (list.Selected(index) != selected) UserInput::ClickListItem(list, index, true);
             });
}

TScript& TScript::Click(StringView control) {
  String name(control);
  return Add(STR("Click ") + name,
             [name](TCustomForm& f) { UserInput::Click(Named<TControl>(f, name)); });
}

TScript& TScript::DblClick(StringView control) {
  String name(control);
  return Add(STR("DblClick ") + name,
             [name](TCustomForm& f) { UserInput::DblClick(Named<TControl>(f, name)); });
}

TScript& TScript::Focus(StringView control) {
  String name(control);
  return Add(STR("Focus ") + name,
             [name](TCustomForm& f) { UserInput::Focus(Named<TWinControl>(f, name)); });
}

TScript& TScript::Key(Char key) {
  return Add(STR("Key #") + IntToStr(key), [key](TCustomForm& f) { UserInput::PressKey(f, key); });
}

TScript& TScript::Alt(Char key) {
  return Add(STR("Alt+") + String(1, key),
             [key](TCustomForm& f) { UserInput::PressAccelerator(f, key); });
}

TScript& TScript::Type(StringView text) {
  String typed(text);
  return Add(STR("Type '") + typed + STR("'"),
             [typed](TCustomForm& f) { UserInput::TypeText(f, typed); });
}

TScript& TScript::TypeInto(StringView control, StringView text) {
  String name(control), typed(text);
  return Add(STR("Type '") + typed + STR("' into ") + name, [name, typed](TCustomForm& f) {
    UserInput::Focus(Named<TWinControl>(f, name));
    UserInput::TypeText(f, typed);
  });
}

TScript& TScript::Replace(StringView control, StringView text) {
  String name(control), typed(text);
  return Add(STR("Replace the text of ") + name + STR(" with '") + typed + STR("'"),
             [name, typed](TCustomForm& f) {
               auto& target = Named<TWinControl>(f, name);
               UserInput::Focus(target);
               if (auto* edit = dynamic_cast<TCustomEdit*>(&target)) {
                 edit->SelectAll();
               } else if (auto* combo = dynamic_cast<TComboBox*>(&target)) {
                 combo->SelectAll();
               } else {
                 throw EUserInput(name + STR(" has no text to replace"));
               }
               if (typed.empty()) {
                 UserInput::PressKey(f, VK_BACK);
               } else {
                 UserInput::TypeText(f, typed);
               }
             });
}

TScript& TScript::Choose(StringView control, StringView item) {
  String name(control), entry(item);
  return Add(STR("Choose '") + entry + STR("' in ") + name, [name, entry](TCustomForm& f) {
    ChooseEntry(f, name, EntryIndex(EntriesOf(f, name), entry, name));
  });
}

TScript& TScript::ChooseIndex(StringView control, int index) {
  String name(control);
  return Add(STR("Choose entry ") + IntToStr(index) + STR(" in ") + name,
             [name, index](TCustomForm& f) { ChooseEntry(f, name, index); });
}

TScript& TScript::Select(StringView listBox, const std::vector<String>& items) {
  for (size_t i = 0; i < items.size(); ++i) {
    String name(listBox), entry(items[i]);
    const bool ctrl = i > 0;
    Add((ctrl ? STR("Ctrl+click '") : STR("Click '")) + entry + STR("' in ") + name,
        [name, entry, ctrl](TCustomForm& f) {
          auto& list = Named<TListBox>(f, name);
          UserInput::ClickListItem(list, EntryIndex(*list.Items(), entry, name), ctrl);
        });
  }
  return *this;
}

TScript& TScript::CtrlClick(StringView listBox, StringView item) {
  String name(listBox), entry(item);
  return Add(STR("Ctrl+click '") + entry + STR("' in ") + name, [name, entry](TCustomForm& f) {
    auto& list = Named<TListBox>(f, name);
    UserInput::ClickListItem(list, EntryIndex(*list.Items(), entry, name), true);
  });
}

TScript& TScript::DblClickItem(StringView listBox, StringView item) {
  String name(listBox), entry(item);
  return Add(STR("Double-click '") + entry + STR("' in ") + name, [name, entry](TCustomForm& f) {
    auto& list = Named<TListBox>(f, name);
    UserInput::DblClickListItem(list, EntryIndex(*list.Items(), entry, name));
  });
}

TScript& TScript::Tick(StringView checkBox, bool checked) {
  String name(checkBox);
  return Add((checked ? STR("Tick ") : STR("Untick ")) + name, [name, checked](TCustomForm& f) {
    auto& box = Named<TCheckBox>(f, name);
    UserInput::CheckReachable(box);  // a disabled box cannot be ticked, even to its own state
    if (box.Checked() != checked) UserInput::ClickCheckBox(box);
  });
}

TScript& TScript::Page(StringView pageControl, StringView sheet) {
  String name(pageControl), page(sheet);
  return Add(STR("Switch ") + name + STR(" to ") + page, [name, page](TCustomForm& f) {
    UserInput::SelectTab(Named<TPageControl>(f, name), Named<TTabSheet>(f, page));
  });
}

TScript& TScript::Drag(StringView splitter, int newSize) {
  String name(splitter);
  return Add(STR("Drag ") + name + STR(" to ") + IntToStr(newSize),
             [name, newSize](TCustomForm& f) {
               UserInput::DragSplitter(Named<TSplitter>(f, name), newSize);
             });
}

TScript& TScript::Popup(StringView control, StringView menuItem) {
  String name(control), item(menuItem);
  return Add(STR("Popup ") + item + STR(" on ") + name, [name, item](TCustomForm& f) {
    UserInput::PopupMenuClick(Named<TControl>(f, name), Named<TMenuItem>(f, item));
  });
}

TScript& TScript::CloseBox() {
  return Add(STR("Close box"), [](TCustomForm& f) { UserInput::CloseWindow(f); });
}

TScript& TScript::Run(std::function<void(TCustomForm&)> action) {
  return Add(STR("Run"), std::move(action));
}

// --- TScriptedDriver ---

TScriptedDriver::TScriptedDriver() : FPrevious(SetUIDriver(this)) {}

TScriptedDriver::~TScriptedDriver() {
  SetUIDriver(FPrevious);
}

void TScriptedDriver::Expect(TScript script) {
  FScripts.push_back(std::move(script));
}

void TScriptedDriver::ExpectAll(TScript script) {
  FStreaming = true;
  FStream.assign(script.FSteps.begin(), script.FSteps.end());
}

int TScriptedDriver::UnusedLine() const {
  if (!FAnswers.empty()) return FAnswers.front().Line;
  return FStream.empty() ? 0 : FStream.front().Line;
}

void TScriptedDriver::Answer(TModalResult result) {
  FAnswers.push_back({STR("Answer ") + ModalResultName(result), nullptr, 0, result});
}

TModalResult TScriptedDriver::ShowModal(TCustomForm& form) {
  if (FStreaming) return Modal(form, [&] { PlayStream(form); });
  if (FScripts.empty()) throw EScriptError(STR("No script for ") + form.ClassName());
  TScript script = std::move(FScripts.front());
  FScripts.pop_front();
  if (!script.FFormClass.empty() && !form.ClassNameIs(script.FFormClass) &&
      !SameText(form.Name(), script.FFormClass)) {
    throw EScriptError(STR("The script for ") + script.FFormClass + STR(" met ") +
                       form.ClassName());
  }
  return Modal(form, [&] { Play(form, script); });
}

TModalResult TScriptedDriver::Modal(TCustomForm& form, const std::function<void()>& play) {
  form.BeginModal();
  try {
    if (OnOpened) OnOpened(form);
    play();
  } catch (...) {
    if (OnClosing) OnClosing(form);
    form.EndModal();
    FShown.push_back({form.ClassName(), form.Caption(), mrNone});
    throw;
  }
  const TModalResult result = form.ModalResult();
  if (OnClosing) OnClosing(form);
  form.EndModal();
  FShown.push_back({form.ClassName(), form.Caption(), result});
  return result;
}

// One step per turn of the modal loop: the step, the idle paint, then the close request. An
// exception from a handler is shown as the host shows it, and the dialog stays open.
void TScriptedDriver::RunStep(TCustomForm& form, const TStep& step, const String& where) {
  // A dialog that this step opens names its own steps; a close request is still this step's.
  struct TRestore {
    String& Current;
    String Outer;
    ~TRestore() { Current = std::move(Outer); }
  } restore{FCurrentStep, FCurrentStep};
  FCurrentStep = where + STR(" (") + step.Description + STR(")");
  try {
    step.Action(form);
  } catch (const EUserInput& error) {
    throw EScriptError(FCurrentStep + STR(": ") + error.Message());
  } catch (const Exception& error) {
    Application()->ShowException(error);
  }
  form.UpdateAll();
  if (form.ModalResult() != mrNone) form.CloseModal();
}

void TScriptedDriver::Play(TCustomForm& form, const TScript& script) {
  const auto& steps = script.FSteps;
  size_t next = 0;
  while (form.ModalResult() == mrNone) {
    if (next == steps.size()) {
      throw EScriptError(form.ClassName() + STR(" is still open after the last of ") +
                         IntToStr(static_cast<int64_t>(steps.size())) + STR(" steps"));
    }
    const auto& step = steps[next++];
    RunStep(form, step, form.ClassName() + STR(", step ") + IntToStr(static_cast<int64_t>(next)));
  }
  if (next < steps.size()) {
    throw EScriptError(form.ClassName() + STR(" closed after step ") +
                       IntToStr(static_cast<int64_t>(next)) + STR(" (") +
                       steps[next - 1].Description + STR("), before ") +
                       IntToStr(static_cast<int64_t>(steps.size() - next)) + STR(" more steps"));
  }
}

// A dialog opened by a step takes the following steps until it closes; then the steps go back
// to the dialog below it.
void TScriptedDriver::PlayStream(TCustomForm& form) {
  bool closeBoxUsed = false;
  while (form.ModalResult() == mrNone) {
    if (FStream.empty()) {
      if (closeBoxUsed) {
        throw EScriptError(form.ClassName() + STR(" stays open after its close box"));
      }
      closeBoxUsed = true;
      RunStep(form, {STR("close box"), [](TCustomForm& f) { UserInput::CloseWindow(f); }},
              STR("end of script"));
      continue;
    }
    const TStep step = std::move(FStream.front());
    FStream.pop_front();
    if (step.Action == nullptr) {
      FAnswers.push_back(step);
      continue;
    }
    RunStep(form, step, STR("line ") + IntToStr(step.Line));
  }
}

TModalResult TScriptedDriver::MessageDlg(const String& message, TMsgDlgType type,
                                         TMsgDlgButtons buttons, int helpContext) {
  if (FAnswers.empty() && !FStream.empty() && FStream.front().Action == nullptr) {
    FAnswers.push_back(std::move(FStream.front()));
    FStream.pop_front();
  }
  TModalResult answer = mrNone;
  TMsgDlgBtn button;
  if (!FAnswers.empty()) {
    const TStep given = std::move(FAnswers.front());
    FAnswers.pop_front();
    answer = given.Answer;
    if (!ButtonOf(answer, buttons, button)) {
      throw EScriptError(
          (given.Line > 0 ? STR("line ") + IntToStr(given.Line) + STR(": ") : String()) +
          STR("the answer ") + ModalResultName(answer) + STR(" is no button of the message box '") +
          message + STR("'"));
    }
  } else {
    int choices = 0;
    for (int b = mbYes; b <= mbClose; ++b) {
      if (b != mbHelp && (buttons & (1u << b)) != 0) {
        ++choices;
        answer = ModalResultOf(static_cast<TMsgDlgBtn>(b));
      }
    }
    if (choices != 1) {
      throw EScriptError((FCurrentStep.empty() ? String() : FCurrentStep + STR(": ")) +
                         STR("nobody answered the message box '") + message + STR("'"));
    }
  }
  FMessages.push_back({type, message, buttons, helpContext, answer});
  return answer;
}

int TScriptedDriver::ShellExecute(const String& operation, const String& file,
                                  const String& parameters, const String& directory,
                                  int showCommand) {
  FShell.push_back({operation, file, parameters, directory, showCommand});
  return ShellResult;
}
