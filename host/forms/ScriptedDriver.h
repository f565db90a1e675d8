#pragma once
// A UI driver that plays scripts: the tests, and the command line acting as a user. Each
// ShowModal takes the next script and plays it on the shown form as a user would, through the
// controls' events only; message boxes are answered from a queue; every message box, cursor
// change, help request and shell call is recorded.
//
//   TScriptedDriver driver;  // installed until it goes out of scope
//   driver.Expect(TScript(STR("TConnForm")).Replace(STR("DBName"),
//   STR("shop")).Click(STR("OkBtn"))); driver.Answer(mrYes);    // for the next message box with a
//   choice EXPECT_TRUE(EditDatabase(db));
#include <deque>
#include <functional>
#include <stdexcept>
#include <vector>

#include "forms/Forms.h"

// A script that does not fit the dialog: a control that is missing, hidden or disabled, a
// message box nobody answered, a dialog left open. Not an Exception, so that dialog code that
// catches the host's exceptions cannot swallow it.
class EScriptError : public std::runtime_error {
 public:
  explicit EScriptError(const String& message) : std::runtime_error(ToUtf8(message)) {}
};

class TScript {
 public:
  // formClass: the class (or name) of the form the script is for; empty accepts any form.
  explicit TScript(String formClass = String());

  TScript& Click(StringView control);
  TScript& DblClick(StringView control);
  TScript& Focus(StringView control);
  // Keys and typing go to the focused control.
  TScript& Key(Char key);
  // Alt with a letter: the control whose caption has that access key.
  TScript& Alt(Char key);
  TScript& Type(StringView text);
  // Focuses the control, then types at its caret.
  TScript& TypeInto(StringView control, StringView text);
  // Focuses the control, selects all its text and types over it.
  TScript& Replace(StringView control, StringView text);
  // An entry of a list box, combo box (chosen from the drop-down list) or radio group, found by
  // its exact text or by index.
  TScript& Choose(StringView control, StringView item);
  TScript& ChooseIndex(StringView control, int index);
  // A multi-select list box: a click on the first entry, Ctrl+clicks on the others.
  TScript& Select(StringView listBox, const std::vector<String>& items);
  TScript& CtrlClick(StringView listBox, StringView item);
  TScript& DblClickItem(StringView listBox, StringView item);
  // Clicks the check box only when its state differs.
  TScript& Tick(StringView checkBox, bool checked);
  TScript& Page(StringView pageControl, StringView sheet);
  TScript& Drag(StringView splitter, int newSize);
  TScript& Popup(StringView control, StringView menuItem);
  // The window's close box.
  TScript& CloseBox();
  // Looks at (or acts on) the form between two steps, e.g. to check what it shows.
  TScript& Run(std::function<void(TCustomForm&)> action);
  // The answer to the next message box. Only in a script given to ExpectAll; a message box that
  // comes while this step is the next one takes it too.
  TScript& Answer(TModalResult result);
  // The steps added after this call report failures as "line N" of a script file.
  TScript& AtLine(int line);
  // F1 on the control: help for its help context or its parents'.
  TScript& Help(StringView control);
  // Marks or unmarks one entry of a multi-select list with a Ctrl+click, only when it differs.
  TScript& Mark(StringView listBox, StringView item, bool selected);

  size_t StepCount() const { return FSteps.size(); }

 private:
  friend class TScriptedDriver;
  struct TStep {
    String Description;
    std::function<void(TCustomForm&)> Action;
    int Line = 0;
    TModalResult Answer = mrNone;  // an answer step has no action
  };
  TScript& Add(String description, std::function<void(TCustomForm&)> action);

  String FFormClass;
  std::vector<TStep> FSteps;
  int FLine = 0;
};

struct TMessageRecord {
  TMsgDlgType Type;
  String Text;
  TMsgDlgButtons Buttons;
  int HelpContext;
  TModalResult Answer;
};

struct TShellRecord {
  String Operation;
  String File;
  String Parameters;
  String Directory;
  int ShowCommand;
};

struct TShownForm {
  String ClassName;
  String Caption;
  TModalResult Result;  // mrNone when the script failed on it
};

class TScriptedDriver : public TUIDriver {
 public:
  TScriptedDriver();
  ~TScriptedDriver() override;
  TScriptedDriver(const TScriptedDriver&) = delete;
  TScriptedDriver& operator=(const TScriptedDriver&) = delete;

  void Expect(TScript script);
  // One script for every dialog in turn, as a user works through them: the steps go to the
  // dialog that is open, and when it closes the following steps go to the next one. A dialog
  // still open when the steps run out is closed with its close box. Replaces Expect.
  void ExpectAll(TScript script);
  // Steps of ExpectAll that no dialog took.
  size_t PendingSteps() const { return FStream.size(); }
  // The line of the first answer that no message box took, else of the first pending step;
  // 0 when the whole script was used.
  int UnusedLine() const;
  // Message boxes take answers in order. A box without a queued answer is answered only when
  // it has a single button; otherwise the script fails.
  void Answer(TModalResult result);

  const std::vector<TMessageRecord>& Messages() const { return FMessages; }
  const std::vector<TCursor>& Cursors() const { return FCursors; }
  const std::vector<int>& HelpRequests() const { return FHelp; }
  const std::vector<TShellRecord>& ShellCalls() const { return FShell; }
  const std::vector<TShownForm>& Shown() const { return FShown; }
  size_t PendingScripts() const { return FScripts.size(); }
  size_t PendingAnswers() const { return FAnswers.size(); }
  // What ShellExecute reports (above 32: success).
  int ShellResult = 42;
  // Called once a dialog is shown (after OnShow and the first focus) and once it is closing
  // (still shown), also when the script fails on it.
  std::function<void(TCustomForm&)> OnOpened;
  std::function<void(TCustomForm&)> OnClosing;

  TModalResult ShowModal(TCustomForm& form) override;
  TModalResult MessageDlg(const String& message, TMsgDlgType type, TMsgDlgButtons buttons,
                          int helpContext) override;
  void CursorChanged(TCursor cursor) override { FCursors.push_back(cursor); }
  void HelpContext(int context) override { FHelp.push_back(context); }
  int ShellExecute(const String& operation, const String& file, const String& parameters,
                   const String& directory, int showCommand) override;

 private:
  using TStep = TScript::TStep;
  TModalResult Modal(TCustomForm& form, const std::function<void()>& play);
  void Play(TCustomForm& form, const TScript& script);
  void PlayStream(TCustomForm& form);
  void RunStep(TCustomForm& form, const TStep& step, const String& where);

  TUIDriver* FPrevious;
  std::deque<TScript> FScripts;
  std::deque<TStep> FStream;
  bool FStreaming = false;
  String FCurrentStep;  // where a message box nobody answered came from
  std::deque<TStep> FAnswers;
  std::vector<TMessageRecord> FMessages;
  std::vector<TCursor> FCursors;
  std::vector<int> FHelp;
  std::vector<TShellRecord> FShell;
  std::vector<TShownForm> FShown;
};
