#pragma once
// Keeping a form's Pascal unit in step with the form, as a designer does when components are
// added, removed or change class.
//
// The designer owns the part of the form class between its header and the first visibility
// word, method or `end`: one field per component owned by the root. UpdateFormUnit edits only
// that part and the interface section's uses clause; every other byte (comments, strings,
// directives, event handlers, encoding, byte order mark, line endings) stays as it was.
#include <string>
#include <string_view>
#include <vector>

#include "rtl/Exceptions.h"

// A component owned by the form's root, as the unit declares it: `Name: ClassName;`.
struct TUnitComponent {
  String Name;
  String ClassName;
};

class TComponent;

// The named components that root owns, in its order: a Before or After list.
std::vector<TUnitComponent> OwnedComponents(const TComponent& root);

struct TFormUnitChange {
  // The root object's class in the form file (`TForm1`, `TDataModule1`).
  String FormClass;
  // The root's components before and after the change, in the owner's order.
  std::vector<TUnitComponent> Before;
  std::vector<TUnitComponent> After;
  // Units the interface section's uses clause must name (`Mysqldbtables`).
  std::vector<String> Uses;
};

// The unit cannot be read or holds no declaration of the form class; the caller leaves such a
// unit alone. Message: "cannot understand unit FILE: reason".
class EUnitError : public Exception {
  using Exception::Exception;
};

// The unit's new bytes; the same bytes when nothing needs to change. Names and class names are
// compared without regard to letter case, a declared class may be qualified (`DBTables.TQuery`).
//
// Only components whose class, presence or absence differs between Before and After are touched,
// and only where the unit declares them: those of an ancestor form stay undeclared.
// - A changed class retypes the declaration; a shared declaration `A, B: TQuery;` is split when
//   its names no longer share a class (the changed ones follow on lines of their own).
// - A removed component loses its declaration; a shared one loses only the name.
// - An added component is declared just before the next component of After that the unit
//   declares, or after the last component field when there is none or the unit has that one
//   before the previous declared one. So a component renamed in place and replaced (old `Query1`
//   now `Die_Query1`, a new `Query1` of another class last in After) gets two declarations side
//   by side, and a renamed field stays where it was.
// - Each unit of Uses that neither uses clause names (any letter case) is appended before the
//   `;` of the interface section's clause, or a clause is created after `interface`.
// New lines take the file's line ending and the indentation of the neighbouring declarations.
// fileName names the unit in messages. Raises EUnitError.
std::string UpdateFormUnit(std::string_view bytes, const String& fileName,
                           const TFormUnitChange& change);
