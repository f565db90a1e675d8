#include "UnitStructure.h"

#include <array>

namespace {

// Words that end the designer's part of a class: visibility, methods, nested sections.
constexpr std::array<std::string_view, 18> kMemberWords = {
    "private",   "protected", "public",      "published",  "strict",    "automated",
    "procedure", "function",  "constructor", "destructor", "class",     "property",
    "operator",  "var",       "const",       "type",       "threadvar", "end"};

class TUnitReader {
 public:
  TUnitReader(std::string_view text, TUnitStructure& unit) : FText(text), FUnit(unit) {}

  void Run(std::string_view formClass) {
    const auto& tokens = FUnit.Tokens;
    const size_t interface = FindWord(0, "interface");
    if (interface == tokens.size()) {
      throw TPasFault{"no interface section", tokens.empty() ? FText.size() : tokens[0].Start};
    }
    FUnit.Interface = interface;
    FUnit.InterfaceUses = UsesAfter(interface);
    const size_t implementation = FindWord(interface, "implementation");
    if (implementation < tokens.size()) FUnit.ImplementationUses = UsesAfter(implementation);
    FUnit.FormClass = FindClass(interface, implementation, formClass);
  }

 private:
  const TPasTokenRange& Tok(size_t i) const { return FUnit.Tokens[i]; }
  size_t Count() const { return FUnit.Tokens.size(); }
  std::string_view Text(size_t i) const {
    return FText.substr(Tok(i).Start, Tok(i).End - Tok(i).Start);
  }
  bool IsSymbol(size_t i, char c) const {
    return i < Count() && Tok(i).Kind == TPasToken::ptSymbol && FText[Tok(i).Start] == c;
  }
  bool IsWord(size_t i, std::string_view folded) const {
    return i < Count() && Tok(i).Kind == TPasToken::ptIdent && FoldIdent(Text(i)) == folded;
  }
  // The next code token after i (Count() at the end).
  size_t NextCode(size_t i) const {
    do ++i;
    while (i < Count() && !Tok(i).Code());
    return i;
  }
  size_t FindWord(size_t from, std::string_view folded) const {
    for (size_t i = from; i < Count(); ++i) {
      if (IsWord(i, folded)) return i;
    }
    return Count();
  }
  [[noreturn]] void Fault(const std::string& reason, size_t i) const {
    throw TPasFault{reason, i < Count() ? Tok(i).Start : FText.size()};
  }

  // Conditional directives: +1 opens, -1 closes, 0 anything else.
  int ConditionalStep(size_t i) const {
    if (Tok(i).Kind != TPasToken::ptDirective) return 0;
    const size_t skip = FText[Tok(i).Start] == '{' ? 2 : 3;
    std::string word;
    for (size_t p = Tok(i).Start + skip; p < Tok(i).End; ++p) {
      const char c = FText[p];
      if (!((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'))) break;
      word += c;
    }
    word = FoldIdent(word);
    if (word == "endif" || word == "ifend") return -1;
    return word.starts_with("if") ? 1 : 0;
  }

  std::optional<TUsesClause> UsesAfter(size_t section) const {
    const size_t keyword = NextCode(section);
    if (!IsWord(keyword, "uses")) return std::nullopt;
    TUsesClause uses{keyword, Count(), false, {}};
    int depth = 0;
    bool afterIn = false;
    std::string name;
    for (size_t i = keyword + 1; i < Count(); ++i) {
      depth += ConditionalStep(i);
      if (!Tok(i).Code()) {
        // The list may go on in another branch after a `;` inside a conditional.
        if (uses.Semicolon < Count() && depth <= 0) break;
        continue;
      }
      if (Tok(i).Kind == TPasToken::ptIdent && !afterIn) {
        if (FoldIdent(Text(i)) == "in" && !name.empty()) {
          afterIn = true;
        } else {
          name += FoldIdent(Text(i));
        }
      } else if (IsSymbol(i, '.') && !afterIn) {
        name += '.';
      } else if (IsSymbol(i, ',') || IsSymbol(i, ';')) {
        if (!name.empty()) uses.Units.push_back(name);
        name.clear();
        afterIn = false;
        if (IsSymbol(i, ';') && uses.Semicolon == Count()) {
          uses.Semicolon = i;
          uses.ConditionalEnd = depth > 0;
          if (depth <= 0) break;
        }
      } else if (Tok(i).Kind != TPasToken::ptString) {
        Fault("unexpected '" + std::string(Text(i)) + "' in uses clause", i);
      }
    }
    if (uses.Semicolon == Count()) Fault("uses clause without ';'", keyword);
    return uses;
  }

  // `Name = [packed] class [sealed|abstract] [(Ancestor, Interface...)]` not followed by `;`
  // (a forward declaration) or `of` (a class reference).
  std::optional<TClassBody> FindClass(size_t from, size_t to, std::string_view formClass) const {
    for (size_t i = from; i < to; ++i) {
      if (Tok(i).Kind != TPasToken::ptIdent || FoldIdent(Text(i)) != formClass) continue;
      size_t j = NextCode(i);
      if (!IsSymbol(j, '=')) continue;
      j = NextCode(j);
      if (IsWord(j, "packed")) j = NextCode(j);
      if (!IsWord(j, "class")) continue;
      size_t last = j;
      j = NextCode(j);
      if (IsSymbol(j, ';') || IsWord(j, "of")) continue;
      if (IsWord(j, "sealed") || IsWord(j, "abstract")) {
        last = j;
        j = NextCode(j);
      }
      if (IsSymbol(j, '(')) {
        last = SkipGroup(j, '(', ')');
        j = NextCode(last);
      }
      if (IsSymbol(j, ';')) Fault("class " + std::string(Text(i)) + " has no body", j);
      return ReadFields(last, j);
    }
    return std::nullopt;
  }

  // The closing token of the group opened at i.
  size_t SkipGroup(size_t i, char open, char close) const {
    int depth = 0;
    for (; i < Count(); i = NextCode(i)) {
      if (IsSymbol(i, open)) ++depth;
      if (IsSymbol(i, close) && --depth == 0) return i;
    }
    Fault(std::string("missing '") + close + "'", i);
  }

  bool MemberWord(size_t i) const {
    if (Tok(i).Kind != TPasToken::ptIdent) return false;
    const std::string word = FoldIdent(Text(i));
    for (std::string_view member : kMemberWords) {
      if (word == member) return true;
    }
    return false;
  }

  TClassBody ReadFields(size_t headerLast, size_t i) const {
    TClassBody body{headerLast, Count(), {}};
    while (i < Count()) {
      if (IsSymbol(i, '[')) {  // an attribute
        i = NextCode(SkipGroup(i, '[', ']'));
        continue;
      }
      if (Tok(i).Kind != TPasToken::ptIdent) Fault("unexpected '" + std::string(Text(i)) + "'", i);
      if (MemberWord(i)) {
        body.FirstMember = i;
        return body;
      }
      body.Fields.push_back(ReadField(i));
      i = NextCode(body.Fields.back().Semicolon);
    }
    Fault("class without 'end'", i);
  }

  TFieldDecl ReadField(size_t i) const {
    TFieldDecl field{};
    for (;;) {
      if (Tok(i).Kind != TPasToken::ptIdent) Fault("field name expected", i);
      field.Names.push_back(i);
      i = NextCode(i);
      if (IsSymbol(i, ':')) break;
      if (!IsSymbol(i, ',')) Fault("':' expected", i);
      i = NextCode(i);
    }
    field.TypeFirst = NextCode(i);
    int depth = 0;
    for (i = field.TypeFirst; i < Count(); i = NextCode(i)) {
      if (IsSymbol(i, '(') || IsSymbol(i, '[')) ++depth;
      if (IsSymbol(i, ')') || IsSymbol(i, ']')) --depth;
      if (depth == 0 && IsSymbol(i, ';')) break;
      field.TypeLast = i;
      if (Tok(i).Kind == TPasToken::ptIdent) field.TypeFolded = FoldIdent(Text(i));
    }
    if (i >= Count() || i == field.TypeFirst) Fault("field type expected", field.TypeFirst);
    field.Semicolon = i;
    return field;
  }

  std::string_view FText;
  TUnitStructure& FUnit;
};

}  // namespace

TUnitStructure ReadUnitStructure(std::string_view text, size_t start, std::string_view formClass) {
  TUnitStructure unit;
  unit.Tokens = ScanPascal(text, start);
  TUnitReader(text, unit).Run(formClass);
  return unit;
}
