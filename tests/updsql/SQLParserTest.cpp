#include "updsql/SQLParser.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "rtl/Exceptions.h"

namespace {

using Tokens = std::vector<std::pair<TSQLToken, String>>;
using Names = std::vector<String>;

Tokens Scan(StringView text, const TSysLocale& locale = TSysLocale()) {
  TSQLParser parser(text, locale);
  Tokens tokens;
  for (; parser.Token() != TSQLToken::stEnd; parser.NextToken()) {
    tokens.emplace_back(parser.Token(), parser.TokenString());
  }
  return tokens;
}

// The names and quoted marks of a SELECT's tables, as "name" or "name quoted".
Names SelectTables(StringView text) {
  TStringList list{STR("stale")};
  ListSelectTables(text, list);
  EXPECT_EQ(list.UpdateCount(), 0);
  Names names;
  for (int i = 0; i < list.Count(); ++i) {
    names.push_back(list.Strings(i) + (list.Objects(i) != nullptr ? STR(" quoted") : STR("")));
  }
  return names;
}

struct TUpdateParts {
  String table;
  Names set;
  Names where;
};
TUpdateParts ParseUpdate(StringView text) {
  TUpdateParts parts{STR("stale"), {}, {}};
  TStringList set{STR("stale")};
  TStringList where{STR("stale")};
  ParseUpdateSQL(text, parts.table, &set, &where);
  EXPECT_EQ(set.UpdateCount() + where.UpdateCount(), 0);
  parts.set = set.ToVector();
  parts.where = where.ToVector();
  return parts;
}

constexpr auto S = TSQLToken::stSymbol;
constexpr auto A = TSQLToken::stAlias;
constexpr auto N = TSQLToken::stNumber;
constexpr auto O = TSQLToken::stOther;

TEST(SQLParser, NumbersTakeMinusSignsExponentsAndStrayFullStops) {
  EXPECT_EQ(Scan(STR("-12 a-b 1e+5 1..2 --3 -x")), (Tokens{{N, STR("-12")},
                                                           {S, STR("a")},
                                                           {N, STR("-")},
                                                           {S, STR("b")},
                                                           {N, STR("1e+5")},
                                                           {N, STR("1..2")},
                                                           {N, STR("--3")},
                                                           {N, STR("-")},
                                                           {S, STR("x")}}));
}

TEST(SQLParser, QualifiersQuotesAndSingleCharacters) {
  EXPECT_EQ(Scan(STR("t.* db.tbl t.\"a\" `b` (),=;")), (Tokens{{A, STR("t.")},
                                                               {O, STR("")},
                                                               {S, STR("db.tbl")},
                                                               {S, STR("t.\"a\"")},
                                                               {O, STR("")},
                                                               {S, STR("b")},
                                                               {O, STR("")},
                                                               {TSQLToken::stLParen, STR("")},
                                                               {TSQLToken::stRParen, STR("")},
                                                               {TSQLToken::stComma, STR("")},
                                                               {TSQLToken::stEQ, STR("")},
                                                               {O, STR("")}}));
  // Inside quotes: blanks at both ends go, a leading colon goes, the other quote kind stays.
  TSQLParser parser(STR("' a b\t' \":x\" '' 'q.' \"it's\""));
  const std::vector<std::pair<TSQLToken, String>> expected{
      {S, STR("a b")}, {S, STR("x")}, {S, STR("")}, {A, STR("q.")}, {S, STR("it's")}};
  for (const auto& [kind, text] : expected) {
    EXPECT_EQ(parser.Token(), kind);
    EXPECT_EQ(parser.TokenString(), text);
    EXPECT_TRUE(parser.SymbolQuoted());
    parser.NextToken();
  }
  EXPECT_EQ(parser.Token(), TSQLToken::stEnd);
}

TEST(SQLParser, TextEndsAtNulAndEndIsStickyUntilReset) {
  const String text(STR("a\0b"), 3);
  TSQLParser parser(text);
  EXPECT_EQ(parser.TokenString(), STR("a"));
  EXPECT_EQ(parser.NextToken(), TSQLToken::stEnd);
  EXPECT_THROW(parser.NextToken(), EAbort);
  EXPECT_THROW(parser.NextToken(), EAbort);
  parser.Reset();
  EXPECT_TRUE(parser.TokenSymbolIs(STR("A")));
  // An unterminated quote takes the rest; control characters are blanks.
  EXPECT_EQ(Scan(STR("\x01\x1f'abc ")), (Tokens{{S, STR("abc")}}));
  EXPECT_EQ(Scan(STR("")), Tokens{});
}

TEST(SQLParser, SelectTables) {
  EXPECT_EQ(SelectTables(STR("")), Names{});
  EXPECT_EQ(SelectTables(STR("sElEcT a FrOm Orders")), Names{STR("Orders")});
  EXPECT_EQ(SelectTables(STR("select * from \"order lines\" ol, customers c where ol.id = c.id")),
            (Names{STR("order lines quoted"), STR("customers")}));
  EXPECT_EQ(SelectTables(STR("select * from a join b on a.id = b.id")), Names{STR("a")});
  EXPECT_EQ(SelectTables(STR("select count(*) from shop.orders")), Names{STR("shop.orders")});
  EXPECT_EQ(SelectTables(STR("select * from `orders`")), Names{});
  // The first FROM wins, also one inside a sub-select of the column list.
  EXPECT_EQ(SelectTables(STR("select (select max(x) from inner_t), y from outer_t")),
            Names{STR("inner_t")});
  // No FROM: the walk ends at the end of the text. Another statement: nothing at all.
  EXPECT_EQ(SelectTables(STR("select 1")), Names{});
  EXPECT_EQ(SelectTables(STR("update t set a = 1 from x")), Names{});
  EXPECT_EQ(SelectTables(STR("select * from a, b,")), (Names{STR("a"), STR("b")}));
}

TEST(SQLParser, UpdateStatements) {
  TUpdateParts parts =
      ParseUpdate(STR("UPDATE orders\nSET\n  a = :a,\n  b = :b\nWHERE\n  id = :OLD_id and\n  "
                      "k2 = :OLD_k2"));
  EXPECT_EQ(parts.table, STR("orders"));
  EXPECT_EQ(parts.set, (Names{STR("a"), STR("b")}));
  EXPECT_EQ(parts.where, (Names{STR("id"), STR("k2")}));

  // Quoted field names come back qualified and with their quotes.
  parts = ParseUpdate(
      STR("update t set t.\"a\" = :\"a\", t.\"b\" = :\"b\" where t.\"id\" = :\"OLD_id\""));
  EXPECT_EQ(parts.set, (Names{STR("t.\"a\""), STR("t.\"b\"")}));
  EXPECT_EQ(parts.where, Names{STR("t.\"id\"")});
  // A quoted table name: the first field is that name, then the full stop ends the reading.
  parts = ParseUpdate(STR("update \"t\" set \"t\".\"a\" = :\"a\" where \"t\".\"id\" = :\"id\""));
  EXPECT_EQ(parts.table, STR("t"));
  EXPECT_EQ(parts.set, Names{STR("t")});
  EXPECT_EQ(parts.where, Names{STR("t")});
  // Aliases and parentheses before a WHERE name are skipped; a value without "=" ends the list.
  parts = ParseUpdate(STR("update t set x. a = 1, b where (t. c = 2) and d > 3"));
  EXPECT_EQ(parts.set, (Names{STR("a"), STR("b")}));
  EXPECT_EQ(parts.where, (Names{STR("c"), STR("d")}));

  parts = ParseUpdate(STR("update t"));
  EXPECT_EQ(parts.table, STR("t"));
  EXPECT_EQ(parts.set, Names{});
  EXPECT_EQ(parts.where, Names{});
  parts = ParseUpdate(STR("delete from t where id = 1"));
  EXPECT_EQ(parts.table, STR(""));
  EXPECT_EQ(parts.set, Names{});
  EXPECT_EQ(parts.where, Names{});
  EXPECT_EQ(ParseUpdate(STR("update (x)")).table, STR(""));

  String table;
  ParseUpdateSQL(STR("update t set a = 1"), table, nullptr, nullptr);
  EXPECT_EQ(table, STR("t"));
}

TEST(SQLParser, ReadersKeepWhatTheyReadWhenTheListRefusesAnEntry) {
  TStringList list;
  list.SetSorted(true);
  list.Duplicates = TDuplicates::dupError;
  ListSelectTables(STR("select * from b, a, b, c"), list);
  EXPECT_EQ(list.ToVector(), (Names{STR("a"), STR("b")}));
  EXPECT_EQ(list.UpdateCount(), 0);
}

#if OMBRIX_WIDE_STRINGS
TEST(SQLParser, NamesInAnyScriptScanWhole) {
  EXPECT_EQ(SelectTables(u"select * from Заказы з, Παραγγελίες, café, Über\U0001F600x"),
            (Names{u"Заказы", u"Παραγγελίες", u"café", u"Über\U0001F600x"}));
  // Above U+044F a code unit continues a name but does not start one.
  EXPECT_EQ(Scan(u"ёлка дерево"), (Tokens{{O, u""}, {S, u"лка"}, {S, u"дерево"}}));
}

TEST(SQLParser, FarEastRegimeDropsLatinOneFromNames) {
  TSysLocale chinese{.FarEast = true, .PriLangID = 0x04, .LeadBytes = {}};
  TSysLocale japanese{.FarEast = true, .PriLangID = LANG_JAPANESE, .LeadBytes = {}};
  EXPECT_EQ(Scan(u"café", chinese), (Tokens{{S, u"caf"}, {S, u"é"}}));
  // 161..223 are taken in a Japanese locale only; 224 up never.
  EXPECT_EQ(Scan(u"caféÀ", japanese), (Tokens{{S, u"caf"}, {S, u"éÀ"}}));
  EXPECT_EQ(Scan(u"aÀè", japanese), (Tokens{{S, u"aÀ"}, {S, u"è"}}));
  EXPECT_EQ(Scan(u"a\U0001F600b=", chinese),
            (Tokens{{S, u"a\U0001F600b"}, {TSQLToken::stEQ, u""}}));
  EXPECT_EQ(Scan(u"表 a表", chinese), (Tokens{{O, u""}, {S, u"a表"}}));
}
#else
TEST(SQLParser, BytesAboveAsciiBelongToNames) {
  EXPECT_EQ(
      SelectTables("select * from \xd0\x97\xd0\xb0\xd0\xba\xd0\xb0\xd0\xb7\xd1\x8b z, caf\xc3\xa9"),
      (Names{"\xd0\x97\xd0\xb0\xd0\xba\xd0\xb0\xd0\xb7\xd1\x8b", "caf\xc3\xa9"}));
}

TEST(SQLParser, FarEastRegimeTakesDoubleByteCharactersWhole) {
  const TSysLocale sjis = LocaleFromName("ja_JP.SJIS");
  // 0x95 0x5C is one character whose trail byte is a backslash; 0x8A 0x7C ends in "|".
  EXPECT_EQ(Scan("\x95\x5C\x8A\x7C=a\x95\x5C", sjis),
            (Tokens{{S, "\x95\x5C\x8A\x7C"}, {TSQLToken::stEQ, ""}, {S, "a\x95\x5C"}}));
  // Half-width katakana (161..223) continue a name in a Japanese locale only.
  EXPECT_EQ(Scan("a\xb1\xb2", sjis), (Tokens{{S, "a\xb1\xb2"}}));
  EXPECT_EQ(Scan("a\xb1", LocaleFromName("zh_CN.UTF-8")), (Tokens{{S, "a"}, {S, "\xb1"}}));
  // A lead byte at the very end takes nothing beyond the text.
  EXPECT_EQ(Scan("a\x95", sjis), (Tokens{{S, "a\x95"}}));
}
#endif

}  // namespace
