#include "units/FormUnit.h"

#include <algorithm>
#include <optional>
#include <tuple>
#include <unordered_map>
#include <unordered_set>

#include "UnitStructure.h"
#include "classes/Component.h"
#include "classes/FormEncoding.h"

namespace {

// A name in the unit's encoding; empty when Windows-1252 has no character for it.
std::optional<std::string> EncodeName(const String& name, TFormEncoding encoding) {
  std::string utf8 = ToUtf8(name);
  const bool ascii = std::all_of(utf8.begin(), utf8.end(),
                                 [](char c) { return static_cast<unsigned char>(c) < 0x80; });
  if (encoding == TFormEncoding::feUtf8 || ascii) return utf8;
  std::string bytes;
  for (char16_t unit : Utf8ToUtf16(utf8)) {
    int byte = unit < 0x80 ? unit : -1;
    for (int b = 0x80; b <= 0xFF && byte < 0; ++b) {
      if (Cp1252ToUnicode(static_cast<unsigned char>(b)) == unit) byte = b;
    }
    if (byte < 0) return std::nullopt;
    bytes += static_cast<char>(byte);
  }
  return bytes;
}

struct TEdit {
  size_t Start;
  size_t End;
  std::string Text;
};

// One component named in Before or After: its classes there, as the unit would spell them.
struct TComponentState {
  std::optional<std::string> Before;
  std::optional<std::string> After;
  bool Changed() const { return !Before || !After || FoldIdent(*Before) != FoldIdent(*After); }
};

class TUnitEditor {
 public:
  TUnitEditor(std::string_view text, const TUnitStructure& unit, const TFormStyle& style)
      : FText(text), FUnit(unit), FClass(*unit.FormClass), FStyle(style) {}

  void SyncComponents(const TFormUnitChange& change) {
    CollectStates(change);
    for (size_t d = 0; d < FClass.Fields.size(); ++d) {
      for (size_t n = 0; n < FClass.Fields[d].Names.size(); ++n) {
        FDeclared.try_emplace(FoldIdent(TokenText(FClass.Fields[d].Names[n])), d);
      }
    }
    std::vector<size_t> removed;
    for (size_t d = 0; d < FClass.Fields.size(); ++d) {
      if (SyncDeclaration(FClass.Fields[d])) removed.push_back(d);
    }
    // Removed declarations that follow one another on a line go as one.
    for (size_t r = 0; r < removed.size(); ++r) {
      const size_t first = removed[r];
      while (r + 1 < removed.size() && removed[r + 1] == removed[r] + 1 &&
             OnOneLine(Tok(FClass.Fields[removed[r]].Semicolon).End,
                       Tok(FClass.Fields[removed[r + 1]].Names[0]).Start)) {
        ++r;
      }
      RemoveDeclarations(FClass.Fields[first].Names[0], FClass.Fields[removed[r]].Semicolon);
    }
    DeclareAdded(change.After);
  }

  void AddUses(const std::vector<String>& units) {
    std::unordered_set<std::string> listed;
    for (const auto* uses : {&FUnit.InterfaceUses, &FUnit.ImplementationUses}) {
      if (*uses) listed.insert((*uses)->Units.begin(), (*uses)->Units.end());
    }
    std::string names;
    for (const String& unit : units) {
      const std::string name = Encode(unit);
      if (!listed.insert(FoldIdent(name)).second) continue;
      names += (names.empty() ? "" : ", ") + name;
    }
    if (names.empty()) return;
    if (const auto& uses = FUnit.InterfaceUses) {
      if (uses->ConditionalEnd) {
        Insert(Tok(uses->Keyword).End, " " + names + ",");
      } else {
        Insert(Tok(uses->Semicolon).Start, ", " + names);
      }
      return;
    }
    const std::string clause = "uses" + FStyle.LineBreak + "  " + names + ";";
    const size_t lineEnd = LineEndAfter(FUnit.Interface);
    if (NextCodeStart(FUnit.Interface) < lineEnd) {
      Insert(Tok(FUnit.Interface).End, FStyle.LineBreak + clause);
    } else {
      Insert(lineEnd, clause + FStyle.LineBreak);
    }
  }

  std::string Result() {
    std::stable_sort(FEdits.begin(), FEdits.end(), [](const TEdit& a, const TEdit& b) {
      return a.Start != b.Start ? a.Start < b.Start : (a.End > a.Start) < (b.End > b.Start);
    });
    std::string out;
    out.reserve(FText.size() + FText.size() / 8);
    size_t cursor = 0;
    for (const TEdit& edit : FEdits) {
      out.append(FText.substr(cursor, edit.Start - cursor));
      out += edit.Text;
      cursor = edit.End;
    }
    out.append(FText.substr(cursor));
    return out;
  }

 private:
  const TPasTokenRange& Tok(size_t i) const { return FUnit.Tokens[i]; }
  std::string_view TokenText(size_t i) const {
    return FText.substr(Tok(i).Start, Tok(i).End - Tok(i).Start);
  }
  size_t NextCodeStart(size_t i) const {
    for (++i; i < FUnit.Tokens.size(); ++i) {
      if (Tok(i).Code()) return Tok(i).Start;
    }
    return FText.size();
  }

  std::string Encode(const String& name) const {
    auto bytes = EncodeName(name, FStyle.Encoding);
    if (!bytes) {
      throw TPasFault{"no Windows-1252 spelling of the name " + ToUtf8(name), std::string::npos};
    }
    return *bytes;
  }

  void CollectStates(const TFormUnitChange& change) {
    using TSide = std::pair<const std::vector<TUnitComponent>*, bool>;
    for (const auto& [list, before] : {TSide{&change.Before, true}, TSide{&change.After, false}}) {
      for (const TUnitComponent& component : *list) {
        const auto name = EncodeName(component.Name, FStyle.Encoding);
        if (!name) continue;  // no such identifier can stand in this unit
        auto& slot = before ? FStates[FoldIdent(*name)].Before : FStates[FoldIdent(*name)].After;
        if (!slot) slot = Encode(component.ClassName);
      }
    }
  }

  const TComponentState* State(size_t nameToken) const {
    const auto it = FStates.find(FoldIdent(TokenText(nameToken)));
    return it == FStates.end() ? nullptr : &it->second;
  }

  // Start of the first line after token i that no token runs into: where a line can be put.
  size_t LineEndAfter(size_t i) const {
    size_t pos = NextLineStart(FText, Tok(i).End);
    for (size_t j = i + 1; j < FUnit.Tokens.size() && Tok(j).Start < pos; ++j) {
      if (Tok(j).End > pos) pos = NextLineStart(FText, Tok(j).End);
    }
    return pos;
  }

  // Where a declaration can follow token i of the class: after its line, unless the line goes
  // on with methods or visibility words.
  size_t FieldLineAfter(size_t i) const {
    const size_t pos = LineEndAfter(i);
    if (FClass.FirstMember < FUnit.Tokens.size() && Tok(FClass.FirstMember).Start < pos) {
      throw TPasFault{
          "no line for a new field before '" + std::string(TokenText(FClass.FirstMember)) + "'",
          Tok(FClass.FirstMember).Start};
    }
    return pos;
  }

  std::string IndentOf(size_t pos) const {
    const size_t start = LineStartOf(FText, pos);
    size_t end = start;
    while (end < FText.size() && (FText[end] == ' ' || FText[end] == '\t')) ++end;
    return std::string(FText.substr(start, end - start));
  }

  void Insert(size_t pos, std::string text) { FEdits.push_back({pos, pos, std::move(text)}); }
  void Replace(size_t start, size_t end, std::string text) {
    FEdits.push_back({start, end, std::move(text)});
  }
  std::string FieldLine(const std::string& indent, std::string_view name,
                        const std::string& className) const {
    return indent + std::string(name) + ": " + className + ";" + FStyle.LineBreak;
  }

  // Edits the declaration; true when all its names go, which the caller removes.
  bool SyncDeclaration(const TFieldDecl& field) {
    // Each name's class after the change; empty for a removed one.
    std::vector<std::optional<std::string>> targets;
    bool touched = false;
    for (size_t name : field.Names) {
      const TComponentState* state = State(name);
      if (state == nullptr || !state->Changed()) {
        targets.push_back(std::string(FText.substr(
            Tok(field.TypeFirst).Start, Tok(field.TypeLast).End - Tok(field.TypeFirst).Start)));
        continue;
      }
      targets.push_back(state->After);
      touched = touched || !state->After || LastIdent(*state->After) != field.TypeFolded;
    }
    if (!touched) return false;
    const auto sameClass = [&](const std::optional<std::string>& target, std::string_view folded) {
      return target && LastIdent(*target) == folded;
    };
    // The declaration keeps its own class when a name keeps it, else takes the first new one.
    std::string kept = field.TypeFolded;
    if (std::none_of(targets.begin(), targets.end(),
                     [&](const auto& t) { return sameClass(t, field.TypeFolded); })) {
      const auto first =
          std::find_if(targets.begin(), targets.end(), [](const auto& t) { return t.has_value(); });
      if (first == targets.end()) return true;
      kept = LastIdent(**first);
      Replace(Tok(field.TypeFirst).Start, Tok(field.TypeLast).End, **first);
    }
    std::vector<bool> stays;
    std::string moved;
    const std::string indent = IndentOf(Tok(field.Names[0]).Start);
    for (size_t n = 0; n < field.Names.size(); ++n) {
      stays.push_back(sameClass(targets[n], kept));
      if (targets[n] && !stays.back()) {
        moved += FieldLine(indent, TokenText(field.Names[n]), *targets[n]);
      }
    }
    RemoveNames(field, stays);
    if (!moved.empty()) Insert(FieldLineAfter(field.Semicolon), moved);
    return false;
  }

  bool OnOneLine(size_t from, size_t to) const {
    return FText.substr(from, to - from).find_first_of("\r\n") == std::string_view::npos;
  }

  static std::string LastIdent(const std::string& className) {
    const size_t dot = className.rfind('.');
    return FoldIdent(dot == std::string::npos ? className : className.substr(dot + 1));
  }

  // Drops the names that do not stay from a list that keeps at least one.
  void RemoveNames(const TFieldDecl& field, const std::vector<bool>& stays) {
    const auto& names = field.Names;
    size_t lastKept = 0;
    for (size_t n = 0; n < names.size(); ++n) {
      if (stays[n]) lastKept = n;
    }
    for (size_t n = 0; n < lastKept; ++n) {
      if (!stays[n]) Replace(Tok(names[n]).Start, Tok(names[n + 1]).Start, "");
    }
    if (lastKept + 1 < names.size()) Replace(Tok(names[lastKept]).End, Tok(names.back()).End, "");
  }

  // Declarations from token first to the `;` at token last, with their line when they stand
  // alone on it (a comment after them goes too).
  void RemoveDeclarations(size_t first, size_t last) {
    const size_t start = Tok(first).Start;
    const size_t end = Tok(last).End;
    const size_t lineStart = LineStartOf(FText, start);
    size_t lineBreak = end;
    while (lineBreak < FText.size() && FText[lineBreak] != '\r' && FText[lineBreak] != '\n') {
      ++lineBreak;
    }
    const bool blankBefore = IndentOf(start).size() == start - lineStart;
    bool onlyCommentsAfter = true;
    const size_t next = last + 1;
    for (size_t j = next; j < FUnit.Tokens.size() && Tok(j).Start < lineBreak; ++j) {
      onlyCommentsAfter = onlyCommentsAfter && !Tok(j).Code() && Tok(j).End <= lineBreak;
    }
    if (blankBefore && onlyCommentsAfter) {
      Replace(lineStart, NextLineStart(FText, end), "");
    } else if (next < FUnit.Tokens.size() && Tok(next).Start < lineBreak) {
      Replace(start, Tok(next).Start, "");
    } else {
      Replace(Tok(first - 1).End, end, "");
    }
  }

  // A new component goes just before the next component of After that the unit declares, unless
  // the unit has that one before the previous declared one; then after the last field.
  void DeclareAdded(const std::vector<TUnitComponent>& after) {
    std::vector<std::optional<size_t>> declared;  // the declaration of each component of After
    for (const TUnitComponent& component : after) {
      const auto name = EncodeName(component.Name, FStyle.Encoding);
      const auto it = name ? FDeclared.find(FoldIdent(*name)) : FDeclared.end();
      declared.push_back(it == FDeclared.end() ? std::nullopt : std::optional(it->second));
    }
    std::vector<size_t> nextDeclared(after.size() + 1, after.size());
    for (size_t i = after.size(); i-- > 0;) {
      nextDeclared[i] = declared[i] ? i : nextDeclared[i + 1];
    }
    std::optional<size_t> anchor;
    std::unordered_set<std::string> done;
    for (size_t i = 0; i < after.size(); ++i) {
      if (declared[i]) {
        anchor = *declared[i];
        continue;
      }
      const std::string name = Encode(after[i].Name);
      const TComponentState& state = FStates.at(FoldIdent(name));
      if (state.Before || !done.insert(FoldIdent(name)).second) continue;
      const std::optional<size_t> next =
          nextDeclared[i + 1] < after.size() ? declared[nextDeclared[i + 1]] : std::nullopt;
      size_t pos;
      std::string indent;
      if (next && (!anchor || *next >= *anchor)) {
        // Just before the next one, when the unit has its neighbours in the same order.
        const size_t token = FClass.Fields[*next].Names[0];
        pos = LineStartOf(FText, Tok(token).Start);
        if (pos < Tok(FClass.HeaderLast).End) {
          throw TPasFault{"no line for a new field before '" + std::string(TokenText(token)) + "'",
                          Tok(token).Start};
        }
        indent = IndentOf(Tok(token).Start);
      } else {
        std::tie(pos, indent) = AfterLastField();
      }
      Insert(pos, FieldLine(indent, name, *state.After));
    }
  }

  std::pair<size_t, std::string> AfterLastField() const {
    if (!FClass.Fields.empty()) {
      const TFieldDecl& last = FClass.Fields.back();
      return {FieldLineAfter(last.Semicolon), IndentOf(Tok(last.Names[0]).Start)};
    }
    // No fields yet: indent like the first method, or one step deeper than the class.
    const size_t pos = FieldLineAfter(FClass.HeaderLast);
    const size_t member = FClass.FirstMember;
    if (member < FUnit.Tokens.size()) {
      const std::string word = FoldIdent(TokenText(member));
      const std::string indent = IndentOf(Tok(member).Start);
      const bool firstOnLine =
          LineStartOf(FText, Tok(member).Start) + indent.size() == Tok(member).Start;
      if (firstOnLine && word != "end" && !IsVisibility(word)) return {pos, indent};
    }
    return {pos, IndentOf(Tok(FClass.HeaderLast).Start) + "  "};
  }

  static bool IsVisibility(const std::string& word) {
    return word == "private" || word == "protected" || word == "public" || word == "published" ||
           word == "strict" || word == "automated";
  }

  std::string_view FText;
  const TUnitStructure& FUnit;
  const TClassBody& FClass;
  const TFormStyle& FStyle;
  std::unordered_map<std::string, TComponentState> FStates;
  std::unordered_map<std::string, size_t> FDeclared;  // folded field name -> its declaration
  std::vector<TEdit> FEdits;
};

}  // namespace

std::vector<TUnitComponent> OwnedComponents(const TComponent& root) {
  std::vector<TUnitComponent> components;
  for (int i = 0; i < root.ComponentCount(); ++i) {
    const TComponent* component = root.Components(i);
    // A component without a name has no field.
    if (!component->Name().empty())
      components.push_back({component->Name(), component->ClassName()});
  }
  return components;
}

std::string UpdateFormUnit(std::string_view bytes, const String& fileName,
                           const TFormUnitChange& change) {
  const String prefix = STR("cannot understand unit ") + fileName + STR(": ");
  const TFormStyle style = DetectFormStyle(bytes);
  try {
    const auto formClass = EncodeName(change.FormClass, style.Encoding);
    const TUnitStructure unit =
        ReadUnitStructure(bytes, style.Bom ? 3 : 0, formClass ? FoldIdent(*formClass) : "");
    if (!unit.FormClass) {
      throw EUnitError(prefix + STR("no declaration of class ") + change.FormClass);
    }
    TUnitEditor editor(bytes, unit, style);
    editor.SyncComponents(change);
    editor.AddUses(change.Uses);
    return editor.Result();
  } catch (const TPasFault& fault) {
    const String where =
        fault.Offset == std::string::npos
            ? String()
            : STR(" at line ") + FromUtf8(std::to_string(LineNumberOf(bytes, fault.Offset)));
    throw EUnitError(prefix + FromUtf8(fault.Reason) + where);
  }
}
