#pragma once
// The parts of a Pascal unit that a designer edits: the uses clauses and the component fields of
// the form class. Positions are indices into the token list.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "PascalTokens.h"

struct TUsesClause {
  size_t Keyword;    // `uses`
  size_t Semicolon;  // the `;` that ends the list
  // The `;` stands inside a conditional directive ({$IFDEF} ... {$ENDIF}), so text put before
  // it would hold in one branch only.
  bool ConditionalEnd = false;
  std::vector<std::string> Units;  // folded, dotted names joined with '.'
};

// `Name1, Name2: Type;`
struct TFieldDecl {
  std::vector<size_t> Names;
  size_t TypeFirst;
  size_t TypeLast;
  size_t Semicolon;
  std::string TypeFolded;  // the type's last identifier, folded
};

struct TClassBody {
  size_t HeaderLast;   // last token of `TForm1 = class(TForm)`
  size_t FirstMember;  // first token after the component fields (visibility word, method, end)
  std::vector<TFieldDecl> Fields;
};

struct TUnitStructure {
  std::vector<TPasTokenRange> Tokens;
  size_t Interface = 0;
  std::optional<TUsesClause> InterfaceUses;
  std::optional<TUsesClause> ImplementationUses;
  std::optional<TClassBody> FormClass;  // empty when the unit does not declare the class
};

// Reads text from offset start; formClass is folded. Raises TPasFault when the text is not a
// unit with an interface section or the form class cannot be read.
TUnitStructure ReadUnitStructure(std::string_view text, size_t start, std::string_view formClass);
