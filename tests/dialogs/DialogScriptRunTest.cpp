// One dialog script over several dialogs of a run: the package's connection dialog, then the
// host's collection editor, each reached by the control names of its layout.
#include <gtest/gtest.h>

#include "ScriptedDriver.h"
#include "connfrm/ConnForm.h"
#include "db/Params.h"
#include "designide/CollectionEditor.h"
#include "forms/DialogScript.h"

namespace {

TEST(DialogScriptRun, OneScriptDrivesTheDialogsInTurn) {
  RegisterFormsClasses();
  TmySQLDatabase db(nullptr);
  db.SetDatabaseName(STR("shop"));
  TParams params;
  params.AddParam()->SetName(STR("id"));
  TScriptedDriver driver;
  driver.ExpectAll(
      ParseDialogScript(STR("# connection\n"
                            "type DBName stock\n"
                            "type DBPasswd secret\n"
                            "tick CheckBox11 on\n"
                            "click OkBtn\n"
                            "# parameters\n"
                            "click AddButton\n"
                            "choose ItemList 0 - id\n"
                            "click DeleteButton\n")));
  ASSERT_TRUE(EditDatabase(db));
  ShowCollectionEditor(nullptr, nullptr, &params, STR("Params"));
  EXPECT_EQ(db.DatabaseName(), STR("stock"));
  EXPECT_EQ(db.UserPassword(), STR("secret"));
  EXPECT_NE(db.ConnectOptions() & ConnectOptionBit(TConnectOption::coSSL), 0u);
  ASSERT_EQ(params.Count(), 1);  // one added, the first deleted
  EXPECT_EQ(params.Items(0)->Name(), String());
  ASSERT_EQ(driver.Shown().size(), 2u);
  EXPECT_EQ(driver.Shown()[1].Result, mrCancel);  // left open: closed by its close box
  EXPECT_EQ(driver.UnusedLine(), 0);
}

}  // namespace
