#include <gtest/gtest.h>

#include "db/SqlTableName.h"

namespace {

TEST(GetTableNameFromSQL, SimpleSelectsGiveTheirTable) {
  EXPECT_EQ(GetTableNameFromSQL(STR("select * from customer")), STR("customer"));
  EXPECT_EQ(GetTableNameFromSQL(STR("SELECT a, (select max(b) from other) m\n  FROM `my table` t "
                                    "WHERE x = 'from y' ORDER BY a;")),
            STR("my table"));
  EXPECT_EQ(GetTableNameFromSQL(STR("select * from shop.orders as o where o.id in "
                                    "(select id from items)")),
            STR("shop.orders"));
  EXPECT_EQ(GetTableNameFromSQL(STR("/* list */ select extract(year from d) from \"Log\" limit 5")),
            STR("Log"));
  EXPECT_EQ(GetTableNameFromSQL(STR("select * from t for update")), STR("t"));
}

TEST(GetTableNameFromSQL, AnythingElseGivesNothing) {
  for (const Char* sql :
       {STR(""), STR("update t set a = 1"), STR("select 1"), STR("select * from a, b"),
        STR("select * from a join b on a.id = b.id"),
        STR("select * from a left outer join b using (id)"),
        STR("select * from (select * from t) x"), STR("select * from a union select * from b"),
        STR("select * from a natural join b"), STR("select * from 't'"),
        STR("select * from `open")}) {
    EXPECT_EQ(GetTableNameFromSQL(sql), String()) << ToUtf8(sql);
  }
}

}  // namespace
