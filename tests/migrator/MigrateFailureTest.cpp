// A run that cannot finish changes nothing, on any open form.
#include "ErrorMessage.h"
#include "MigratorFixture.h"
#include "db/DataSource.h"
#include "library/MySQLQuery.h"

namespace {

const char* const kForm =
    "object Main: TForm1\n"
    "  object Database1: TmySQLDatabase\n"
    "  end\n"
    "  object Query1: TQuery\n"
    "    SQL.Strings = (\n"
    "      'select 1')\n"
    "    UpdateObject = UpdateSQL1\n"
    "    Left = 10\n"
    "    Top = 20\n"
    "    object Query1Id: TIntegerField\n"
    "      FieldName = 'Id'\n"
    "    end\n"
    "    object Query1Name: TStringField\n"
    "      FieldName = 'Name'\n"
    "    end\n"
    "  end\n"
    "  object UpdateSQL1: TUpdateSQL\n"
    "    ModifySQL.Strings = (\n"
    "      'update t set Name = :Name')\n"
    "  end\n"
    "  object Table1: TTable\n"
    "    TableName = 't'\n"
    "    UpdateObject = Other1\n"
    "    object Table1Table1Code: TStringField\n"
    "      FieldName = 'Code'\n"
    "    end\n"
    "  end\n"
    "  object Other1: TOtherUpdateSQL\n"
    "  end\n"
    "  object DataSource1: TDataSource\n"
    "    DataSet = Table1\n"
    "  end\n"
    "end\n";

const char* const kSecond =
    "object Second: TForm2\n"
    "  object DataSource2: TDataSource\n"
    "    DataSet = Main.Query1\n"
    "  end\n"
    "  object Items: TmySQLQuery\n"
    "    object ItemsTitle: TStringField\n"
    "      FieldKind = fkLookup\n"
    "      FieldName = 'Title'\n"
    "      LookupDataSet = Main.Table1\n"
    "      LookupKeyFields = 'Code'\n"
    "      LookupResultField = 'Code'\n"
    "      KeyFields = 'Code'\n"
    "      Lookup = True\n"
    "    end\n"
    "  end\n"
    "end\n";

std::string FailureOf(TBDE2Ombrix& m) {
  try {
    m.Migrate();
  } catch (const Exception& e) {
    return e.what();
  }
  return "(no error)";
}

std::string With(std::string text, const std::string& from, const std::string& to) {
  text.replace(text.find(from), from.size(), to);
  return text;
}

class MigrateFailureTest : public MigratorTest {
 protected:
  MigrateFailureTest() { RegisterClass(OtherUpdateObjectClass()); }
  // The run failed with message and every form is as it was read.
  void ExpectNothingChanged(TBDE2Ombrix& m, const std::string& message) {
    EXPECT_EQ(FailureOf(m), message);
    EXPECT_EQ(m.DataSets().Count(), 0);
    EXPECT_TRUE(m.LastRun().Pairs.empty());
    EXPECT_TRUE(driver.Messages().empty());
    EXPECT_EQ(driver.Cursors(), (std::vector<TCursor>{crHourGlass, crDefault}));
    delete &m;
    ExpectFormsUnchanged();
  }
};

TEST_F(MigrateFailureTest, WithoutAConnectionTheRunStopsBeforeItStarts) {
  Open(kForm, "Main.dfm");
  TBDE2Ombrix& m = Migrator();
  m.Migrate();
  ASSERT_EQ(m.DataSets().Count(), 2);
  m.SetDatabase(nullptr);
  m.SetName(STR("Migrator1"));
  EXPECT_EQ(DatabaseErrorMessage([&] { m.Migrate(); }), "Migrator1: Database not assigned");
  EXPECT_EQ(m.DataSets().Count(), 2);  // the last run's pairs stay
  EXPECT_EQ(driver.Cursors().size(), 2u);
}

TEST_F(MigrateFailureTest, ATakenPrefixedName) {
  Open(With(kForm, "  object DataSource1",
            "  object Die_Query1: TDataSource\n  end\n  object DataSource1"),
       "Main.dfm");
  Open(kSecond, "Second.dfm");
  ExpectNothingChanged(
      Migrator(),
      "Cannot rename Main.Query1 to Die_Query1: a component named Die_Query1 already exists");
}

TEST_F(MigrateFailureTest, ARepairedFieldNameThatIsTaken) {
  Open(With(kForm, "  object DataSource1",
            "  object Table1Code: TDataSource\n  end\n  object DataSource1"),
       "Main.dfm");
  ExpectNothingChanged(Migrator(),
                       "Cannot rename Main.Table1Table1Code to Table1Code: a component named "
                       "Table1Code already exists");
}

TEST_F(MigrateFailureTest, AnInheritedDataset) {
  Open(With(kForm, "object Query1", "inherited Query1"), "Main.dfm");
  ExpectNothingChanged(Migrator(),
                       "Cannot rename Main.Query1: it was introduced in an ancestor form");
}

TEST_F(MigrateFailureTest, AnInheritedUpdateObject) {
  Open(With(kForm, "object UpdateSQL1", "inherited UpdateSQL1"), "Main.dfm");
  ExpectNothingChanged(Migrator(),
                       "Cannot rename Main.UpdateSQL1: it was introduced in an ancestor form");
}

TEST_F(MigrateFailureTest, AnInheritedUpdateObjectThatWouldBeDeleted) {
  const std::string form = With(kForm, "object Other1", "inherited Other1");
  Open(form, "Main.dfm");
  ExpectNothingChanged(Migrator(),
                       "Cannot delete Main.Other1: it was introduced in an ancestor form");
  // Kept sources are not deleted, so the same form converts.
  TBDE2Ombrix& m = Migrator();
  m.SetDeleteSourceComponents(false);
  m.Migrate();
  EXPECT_EQ(m.DataSets().Count(), 2);
  EXPECT_NE(Find("Main", "Other1"), nullptr);
}

// A dataset of a listed class name whose statement cannot be read: it fails after other
// datasets were converted, data sources included.
class TBrokenQuery : public TDataSet {
 public:
  static const TClassInfo& StaticClass() {
    static const TClassInfo info = [] {
      TClassInfo cls;
      cls.Name = STR("TQuery");
      cls.Parent = &TDataSet::StaticClass();
      TPropInfo sql;
      sql.Name = STR("SQL");
      sql.PropType = &TypeInfoClass(TStringList::StaticClass());
      sql.Get = [](const TObject*) -> TValue { throw EPropertyError(STR("SQL is unreadable")); };
      cls.Props.push_back(sql);
      return cls;
    }();
    return info;
  }
  const TClassInfo& ClassType() const override { return StaticClass(); }
  using TDataSet::TDataSet;
};

TEST_F(MigrateFailureTest, AFailureAfterChangesPutsEverythingBack) {
  // Found first, so it is converted last.
  Open("object First: TForm0\nend\n", "First.dfm");
  auto* broken = new TBrokenQuery(RootOf("First"));
  broken->SetName(STR("Broken"));
  Open(kForm, "Main.dfm");
  Open(kSecond, "Second.dfm");
  auto* query = Get<TDataSet>("Main", "Query1");
  TField* id = query->Fields()[0];
  TBDE2Ombrix& m = Migrator();
  EXPECT_EQ(FailureOf(m), "SQL is unreadable");
  EXPECT_EQ(id->DataSet(), query);
  EXPECT_EQ(id->Index(), 0);
  EXPECT_EQ(GetObjectProp(query, STR("UpdateObject")), Find("Main", "UpdateSQL1"));
  delete broken;
  EXPECT_EQ(m.DataSets().Count(), 0);
  EXPECT_TRUE(driver.Messages().empty());
  delete &m;
  ExpectFormsUnchanged();
}

TEST_F(MigrateFailureTest, AnUpdateObjectOfAnotherClassIsNotConvertedButDeleted) {
  Open(kForm, "Main.dfm");
  TBDE2Ombrix& m = Migrator();
  m.Migrate();
  EXPECT_EQ(As<TmySQLDataSet>(Find("Main", "Table1"))->UpdateObject(), nullptr);
  EXPECT_EQ(Find("Main", "Other1"), nullptr);
  EXPECT_EQ(Find("Main", "Die_Other1"), nullptr);
}

}  // namespace
