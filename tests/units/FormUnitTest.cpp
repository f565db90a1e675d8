// The designer's part of a form class and the uses clause, edited on small units.
#include <gtest/gtest.h>

#include "UnitTestSupport.h"
#include "classes/Component.h"

namespace {

// A form unit whose class holds the given field lines, then a handler and a private section.
std::string Unit(const std::string& fields, const std::string& uses = "SysUtils, DB, DBTables") {
  return "unit Unit1;\n\ninterface\n\nuses\n  " + uses + ";\n\ntype\n  TForm1 = class(TForm)\n" +
         fields +
         "    procedure FormCreate(Sender: TObject);\n  private\n    FCount: Integer;\n  end;\n\n"
         "implementation\n\nuses Dialogs;\n\nend.\n";
}

std::string Update(const std::string& unit, const TFormUnitChange& change) {
  return UpdateFormUnit(unit, STR("Unit1.pas"), change);
}

TEST(FormUnit, SharedDeclarationIsSplitWhenOneNameChanges) {
  const std::string unit = Unit("    A, B, C: TQuery;\n");
  const auto retype = [&](const char* name) {
    return Update(unit, Change("TForm1", {{name, "TQuery"}}, {{name, "TmySQLQuery"}}));
  };
  EXPECT_EQ(retype("a"), Unit("    B, C: TQuery;\n    A: TmySQLQuery;\n"));
  EXPECT_EQ(retype("B"), Unit("    A, C: TQuery;\n    B: TmySQLQuery;\n"));
  EXPECT_EQ(retype("C"), Unit("    A, B: TQuery;\n    C: TmySQLQuery;\n"));
  // All names to one class: the declaration is retyped as a whole.
  EXPECT_EQ(
      Update(unit, Change("TForm1", {{"A", "TQuery"}, {"B", "TQuery"}, {"C", "TQuery"}},
                          {{"A", "TmySQLQuery"}, {"B", "TmySQLQuery"}, {"C", "TmySQLQuery"}})),
      Unit("    A, B, C: TmySQLQuery;\n"));
  // No name keeps the class: the first new class takes the declaration.
  EXPECT_EQ(Update(unit, Change("TForm1", {{"A", "TQuery"}, {"B", "TQuery"}, {"C", "TQuery"}},
                                {{"A", "TmySQLTable"}, {"C", "TmySQLQuery"}})),
            Unit("    A: TmySQLTable;\n    C: TmySQLQuery;\n"));
}

TEST(FormUnit, RemovedComponentLosesOnlyItsName) {
  const std::string unit = Unit("    A, B, C: TQuery;\n    D: TTable; // the orders\n");
  const auto remove = [&](std::initializer_list<TNameClass> gone) {
    return Update(unit, Change("TForm1", gone, {}));
  };
  EXPECT_EQ(remove({{"A", "TQuery"}}), Unit("    B, C: TQuery;\n    D: TTable; // the orders\n"));
  EXPECT_EQ(remove({{"B", "TQuery"}}), Unit("    A, C: TQuery;\n    D: TTable; // the orders\n"));
  EXPECT_EQ(remove({{"B", "TQuery"}, {"C", "TQuery"}}),
            Unit("    A: TQuery;\n    D: TTable; // the orders\n"));
  EXPECT_EQ(remove({{"A", "TQuery"}, {"C", "TQuery"}}),
            Unit("    B: TQuery;\n    D: TTable; // the orders\n"));
  // A declaration alone on its line goes with the line, its comment with it.
  EXPECT_EQ(remove({{"A", "TQuery"}, {"B", "TQuery"}, {"C", "TQuery"}}),
            Unit("    D: TTable; // the orders\n"));
  EXPECT_EQ(remove({{"D", "TTable"}}), Unit("    A, B, C: TQuery;\n"));
  // Declarations sharing a line.
  const std::string line = Unit("    A: TQuery; B: TTable;\n");
  EXPECT_EQ(Update(line, Change("TForm1", {{"A", "TQuery"}}, {})), Unit("    B: TTable;\n"));
  EXPECT_EQ(Update(line, Change("TForm1", {{"B", "TTable"}}, {})), Unit("    A: TQuery;\n"));
  EXPECT_EQ(Update(line, Change("TForm1", {{"A", "TQuery"}, {"B", "TTable"}}, {})), Unit(""));
  const std::string three = Unit("    A: TQuery; B: TTable; C: TQuery;\n");
  EXPECT_EQ(Update(three, Change("TForm1", {{"A", "TQuery"}, {"B", "TTable"}}, {})),
            Unit("    C: TQuery;\n"));
  EXPECT_EQ(Update(three, Change("TForm1", {{"B", "TTable"}, {"C", "TQuery"}}, {})),
            Unit("    A: TQuery;\n"));
}

TEST(FormUnit, AddedComponentFollowsTheFieldsWithTheirIndentation) {
  const TFormUnitChange add =
      Change("TForm1", {{"Q", "TQuery"}}, {{"Q", "TQuery"}, {"T", "TTable"}});
  EXPECT_EQ(Update(Unit("      Q: TQuery;\n"), add), Unit("      Q: TQuery;\n      T: TTable;\n"));
  // No fields yet: indented like the first method, placed before it.
  EXPECT_EQ(Update(Unit(""), add), Unit("    T: TTable;\n"));
  const std::string bare =
      "unit Unit1;\r\ninterface\r\nuses DB;\r\ntype\r\n\tTForm1 = class(TForm)\r\n"
      "\tprivate\r\n\tend;\r\nimplementation\r\nend.\r\n";
  EXPECT_EQ(Update(bare, add),
            "unit Unit1;\r\ninterface\r\nuses DB;\r\ntype\r\n\tTForm1 = class(TForm)\r\n"
            "\t  T: TTable;\r\n\tprivate\r\n\tend;\r\nimplementation\r\nend.\r\n");
  // A header that goes on with a visibility word leaves no line for a field.
  EXPECT_EQ(UnitError("unit U;\ninterface\ntype\n  TForm1 = class(TForm) private\n  end;\n"
                      "implementation\nend.\n",
                      add),
            "cannot understand unit Unit1.pas: no line for a new field before 'private' at line 4");
}

TEST(FormUnit, TextThatLooksLikeDeclarationsIsLeftAlone) {
  const std::string unit =
      "unit Unit1;\ninterface\nuses DB; { uses Mysqldbtables; }\ntype\n"
      "  { TForm1 = class(TForm) Q: TQuery; }\n"
      "  TForm1 = class(TForm)\n"
      "    // Q: TQuery;\n"
      "    (* Q: TQuery; { *)\n"
      "    Q: TQuery; { end; }\n"
      "    R: TTable;\n"
      "  end;\n"
      "const\n  S = 'Q: TQuery;'#13#10'it''s';\n"
      "implementation\nend.\n";
  std::string expected = unit;
  expected.replace(expected.find("    Q: TQuery; { end; }\n"), 24, "");
  expected.replace(expected.find("uses DB;"), 8, "uses DB, Mysqldbtables;");
  EXPECT_EQ(Update(unit, Change("TForm1", {{"Q", "TQuery"}}, {}, {STR("Mysqldbtables")})),
            expected);
}

TEST(FormUnit, UsesClauseGainsEachUnitOnce) {
  const auto addUses = [](const std::string& unit, std::vector<String> uses) {
    return Update(unit, Change("TForm1", {}, {}, std::move(uses)));
  };
  EXPECT_EQ(addUses(Unit(""), {STR("Mysqldbtables"), STR("MYSQLDBTABLES"), STR("Data.Ombrix")}),
            Unit("", "SysUtils, DB, DBTables, Mysqldbtables, Data.Ombrix"));
  // Already named in either clause, whatever the case; dotted names match whole.
  EXPECT_EQ(addUses(Unit(""), {STR("dbtables"), STR("DIALOGS")}), Unit(""));
  EXPECT_EQ(addUses(Unit("", "Vcl.DBTables"), {STR("DBTables")}),
            Unit("", "Vcl.DBTables, DBTables"));
  // No interface uses clause: one is created after `interface`.
  EXPECT_EQ(addUses("unit Unit1;\r\n\r\ninterface\r\n\r\ntype\r\n  TForm1 = class(TForm)\r\n"
                    "  end;\r\n\r\nimplementation\r\n\r\nend.\r\n",
                    {STR("Mysqldbtables")}),
            "unit Unit1;\r\n\r\ninterface\r\nuses\r\n  Mysqldbtables;\r\n\r\ntype\r\n"
            "  TForm1 = class(TForm)\r\n  end;\r\n\r\nimplementation\r\n\r\nend.\r\n");
}

TEST(FormUnit, NamesMatchWithoutRegardToCaseAndEncodingIsKept) {
  // Names of any case and a qualified declared class.
  EXPECT_EQ(Update(Unit("    QUERY1: Data.DB.TQuery;\n"),
                   Change("tform1", {{"Query1", "TQuery"}}, {{"query1", "TmySQLQuery"}})),
            Unit("    QUERY1: TmySQLQuery;\n"));
  // Unchanged components are not touched even when the unit spells their class otherwise.
  const std::string odd = Unit("    Query1: TADOQuery;\n");
  EXPECT_EQ(Update(odd, Change("TForm1", {{"Query1", "TQuery"}}, {{"Query1", "TQuery"}})), odd);
  // A new name outside ASCII is written in the unit's encoding.
  const std::string cp1252 = Unit(
      "    Gr\xF6\xDF"
      "e: TQuery;\n");
  EXPECT_EQ(Update(cp1252, Change("TForm1",
                                  {{"Gr\xC3\xB6\xC3\x9F"
                                    "e",
                                    "TQuery"}},
                                  {{"Gr\xC3\xB6\xC3\x9F"
                                    "e",
                                    "TQuery"},
                                   {"\xC3\x9C"
                                    "bersicht",
                                    "TTable"}})),
            Unit("    Gr\xF6\xDF"
                 "e: TQuery;\n    \xDC"
                 "bersicht: TTable;\n"));
  EXPECT_EQ(UnitError(cp1252, Change("TForm1", {}, {{"\xE6\x97\xA5", "TTable"}})),
            "cannot understand unit Unit1.pas: no Windows-1252 spelling of the name \xE6\x97\xA5");
}

TEST(FormUnit, UnitsThatCannotBeUnderstoodAreReported) {
  const TFormUnitChange change = Change("TForm1", {}, {{"Q", "TQuery"}});
  const std::string missing = "cannot understand unit Unit1.pas: no declaration of class TForm1";
  EXPECT_EQ(UnitError(Unit("").replace(Unit("").find("TForm1 ="), 6, "TForm2"), change), missing);
  EXPECT_EQ(UnitError("unit U;\ninterface\ntype\n  TForm1 = class;\n  TForm1Class = class of "
                      "TForm1;\n  { TForm1 = class(TForm) }\nimplementation\nend.\n",
                      change),
            missing);
  EXPECT_EQ(UnitError("unit U;\ninterface\ntype\n  TForm1 = class(TForm)\n  { open\n", change),
            "cannot understand unit Unit1.pas: unterminated comment at line 5");
  EXPECT_EQ(UnitError("program P;\nbegin\nend.\n", change),
            "cannot understand unit Unit1.pas: no interface section at line 1");
  EXPECT_EQ(
      UnitError("unit U;\ninterface\ntype\n  TForm1 = class(TForm)\n    Q: TQuery;\n", change),
      "cannot understand unit Unit1.pas: class without 'end' at line 6");
}

TEST(FormUnit, NothingToDoGivesTheSameBytes) {
  const std::string unit = "\xEF\xBB\xBF" + Unit("    Q: TQuery;\n", "DB, Mysqldbtables");
  EXPECT_EQ(
      Update(unit, Change("TForm1", {{"Q", "TQuery"}, {"Base", "TQuery"}},
                          {{"Q", "TQuery"}, {"Base", "TmySQLQuery"}}, {STR("mysqldbtables")})),
      unit);
}

TEST(FormUnit, OwnedComponentsAreTheNamedOnesInOrder) {
  TComponent root(nullptr);
  (new TComponent(&root))->SetName(STR("Query1"));
  new TComponent(&root);
  (new TComponent(&root))->SetName(STR("Source1"));
  const auto components = OwnedComponents(root);
  ASSERT_EQ(components.size(), 2u);
  EXPECT_EQ(components[0].Name, STR("Query1"));
  EXPECT_EQ(components[1].Name, STR("Source1"));
  EXPECT_EQ(components[1].ClassName, STR("TComponent"));
}

}  // namespace
