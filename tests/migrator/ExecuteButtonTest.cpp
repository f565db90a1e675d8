// The migrator's Execute button in the object inspector: it runs the migration and tells the
// designer, and never shows the Boolean behind it.
#include "MigratorFixture.h"
#include "comp/MigrateExecuteProperty.h"
#include "designide/FormDesigner.h"

namespace {

const char* const kModule =
    "object Module: TDataModule\n"
    "  object Database1: TmySQLDatabase\n"
    "  end\n"
    "  object Query1: TQuery\n"
    "    SQL.Strings = (\n"
    "      'select * from orders')\n"
    "  end\n"
    "end\n";

TEST_F(MigratorTest, ExecuteButtonRunsTheMigrationAndMarksTheFormModified) {
  Open(kModule, "Module.dfm");
  TBDE2Ombrix& migrator = Migrator();
  TFormDesigner designer(forms.Modules(0).Root());
  TMigrateExecutePropertyEditor editor;
  editor.Initialize(&designer, {&migrator}, *GetPropInfo(migrator.ClassType(), S("Execute")));
  EXPECT_EQ(editor.GetValue(), S("Press to Migrate..."));
  EXPECT_EQ(editor.GetAttributes(), 0x44u);
  EXPECT_EQ(designer.ModifiedCount(), 0);

  editor.Edit();
  EXPECT_EQ(Get<TComponent>("Module", "Query1")->ClassName(), S("TmySQLQuery"));
  EXPECT_EQ(designer.ModifiedCount(), 1);
}

}  // namespace
