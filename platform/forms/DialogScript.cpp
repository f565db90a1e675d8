#include "forms/DialogScript.h"

#include <optional>

namespace {

[[noreturn]] void Fail(int line, const String& reason) {
  throw EScriptError(STR("line ") + IntToStr(line) + STR(": ") + reason);
}

bool IsBlank(Char c) {
  return c == ' ' || c == '\t';
}

// The first word of the text, and the text after the blanks that follow it.
StringView NextWord(StringView& text) {
  size_t start = 0;
  while (start < text.size() && IsBlank(text[start])) ++start;
  size_t end = start;
  while (end < text.size() && !IsBlank(text[end])) ++end;
  StringView word = text.substr(start, end - start);
  while (end < text.size() && IsBlank(text[end])) ++end;
  text.remove_prefix(end);
  return word;
}

String Unescape(StringView text, int line) {
  String out;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\\') {
      out += text[i];
      continue;
    }
    if (i + 1 < text.size() && text[i + 1] == 'n') {
      out += '\n';
    } else if (i + 1 < text.size() && text[i + 1] == '\\') {
      out += '\\';
    } else {
      Fail(line, STR("a backslash must be followed by n or another backslash"));
    }
    ++i;
  }
  return out;
}

std::optional<Char> KeyNamed(StringView key) {
  if (SameText(key, STR("Enter"))) return VK_RETURN;
  if (SameText(key, STR("Escape"))) return VK_ESCAPE;
  if (SameText(key, STR("Tab"))) return VK_TAB;
  if (SameText(key, STR("Ctrl+A"))) return Char(1);
  if (key.size() == 1) return key[0];
  return std::nullopt;
}

std::optional<TModalResult> AnswerNamed(StringView answer) {
  for (TModalResult result : {mrYes, mrNo, mrOk, mrCancel}) {
    if (SameText(answer, ModalResultName(result))) return result;
  }
  return std::nullopt;
}

void AddLine(TScript& script, StringView rest, int line) {
  const String action(NextWord(rest));
  // Only typed text may end in blanks on purpose.
  while (action != STR("type") && !rest.empty() && IsBlank(rest.back())) rest.remove_suffix(1);
  const auto need = [&](StringView what) {
    StringView word = NextWord(rest);
    if (word.empty()) Fail(line, action + STR(" needs ") + String(what));
    return String(word);
  };
  const auto last = [&](StringView what) {
    if (rest.empty()) Fail(line, action + STR(" needs ") + String(what));
    return String(rest);
  };
  script.AtLine(line);
  if (action == STR("click")) {
    script.Click(need(STR("a control name")));
  } else if (action == STR("dblclick")) {
    script.DblClick(need(STR("a control name")));
  } else if (action == STR("type")) {
    const String name = need(STR("a control name"));
    script.Replace(name, Unescape(rest, line));
  } else if (action == STR("choose")) {
    const String name = need(STR("a control name"));
    script.Choose(name, last(STR("an entry")));
  } else if (action == STR("select") || action == STR("unselect")) {
    const String name = need(STR("a list name"));
    script.Mark(name, last(STR("an entry")), action == STR("select"));
  } else if (action == STR("tick")) {
    const String name = need(STR("a check box name"));
    const String state = last(STR("on or off"));
    if (state != STR("on") && state != STR("off")) Fail(line, STR("tick takes on or off"));
    script.Tick(name, state == STR("on"));
  } else if (action == STR("page")) {
    const String name = need(STR("a page control name"));
    script.Page(name, need(STR("a sheet name")));
  } else if (action == STR("key")) {
    const String name = need(STR("a control name"));
    const String key = last(STR("a key"));
    if (SameText(key, STR("F1"))) {
      script.Help(name);
    } else if (const auto code = KeyNamed(key)) {
      script.Focus(name).Key(*code);
    } else {
      Fail(line, STR("unknown key '") + key +
                     STR("' (Enter, Escape, Tab, F1, Ctrl+A or one "
                         "character)"));
    }
  } else if (action == STR("answer")) {
    const String given = last(STR("Yes, No, OK or Cancel"));
    const auto answer = AnswerNamed(given);
    if (!answer) Fail(line, STR("answer takes Yes, No, OK or Cancel, not '") + given + STR("'"));
    script.Answer(*answer);
  } else {
    Fail(line, STR("unknown action '") + action + STR("'"));
  }
  if (!rest.empty() &&
      (action == STR("click") || action == STR("dblclick") || action == STR("page"))) {
    Fail(line, STR("unexpected '") + String(rest) + STR("' after ") + action);
  }
}

}  // namespace

TScript ParseDialogScript(StringView text) {
  TScript script;
  int line = 0;
  while (!text.empty()) {
    ++line;
    const size_t end = text.find('\n');
    StringView current = text.substr(0, end);
    text.remove_prefix(end == StringView::npos ? text.size() : end + 1);
    if (!current.empty() && current.back() == '\r') current.remove_suffix(1);
    StringView probe = current;
    while (!probe.empty() && IsBlank(probe.front())) probe.remove_prefix(1);
    if (probe.empty() || probe.front() == '#') continue;
    AddLine(script, probe, line);
  }
  return script;
}
