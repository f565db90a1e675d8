// Forms migrated by TBDE2Ombrix work against the private test server: the carried statements,
// table names, filters and procedure names reach it, and a lookup field that followed its
// dataset across forms looks its values up in the new one.
#include <gtest/gtest.h>

#include "ServerFixture.h"
#include "classes/FormSet.h"
#include "db/Field.h"
#include "designide/FormSetServices.h"
#include "foreign/ForeignClasses.h"
#include "forms/ScriptedDriver.h"
#include "library/LibraryClasses.h"
#include "library/MySQLQuery.h"
#include "library/MySQLStoredProc.h"
#include "library/MySQLTable.h"
#include "migrator/BDE2Ombrix.h"

namespace {

const std::vector<std::string> kSchema = {
    "CREATE TABLE orders (Id INT PRIMARY KEY, Total INT)",
    "CREATE TABLE order_lines (OrderId INT, Line INT, Qty INT, PRIMARY KEY (OrderId, Line))",
    "CREATE PROCEDURE close_order(IN id INT, OUT closed INT) SET closed = id",
    "INSERT INTO orders VALUES (1, 150), (2, 20)",
    "INSERT INTO order_lines VALUES (1, 1, 3), (1, 2, 1), (2, 1, 5)",
};

const char* const kOrders =
    "object Orders: TDataModule2\n"
    "  object Database1: TmySQLDatabase\n"
    "  end\n"
    "  object Query1: TQuery\n"
    "    SQL.Strings = (\n"
    "      'select Id, Total'\n"
    "      'from orders order by Id')\n"
    "    object Query1Id: TIntegerField\n"
    "      FieldName = 'Id'\n"
    "    end\n"
    "    object Query1Query1Total: TIntegerField\n"
    "      FieldName = 'Total'\n"
    "    end\n"
    "  end\n"
    "  object Lines: TADOTable\n"
    "    TableName = 'order_lines'\n"
    "    Filtered = True\n"
    "    Filter = 'Qty > 1'\n"
    "  end\n"
    "  object Proc1: TZStoredProc\n"
    "    StoredProcName = 'close_order'\n"
    "  end\n"
    "end\n";

const char* const kItems =
    "object Items: TForm2\n"
    "  object Lines2: TmySQLQuery\n"
    "    Database = Orders.Database1\n"
    "    SQL.Strings = (\n"
    "      'select OrderId, Qty from order_lines order by OrderId, Line')\n"
    "    object Lines2OrderId: TIntegerField\n"
    "      FieldName = 'OrderId'\n"
    "    end\n"
    "    object Lines2Qty: TIntegerField\n"
    "      FieldName = 'Qty'\n"
    "    end\n"
    "    object Lines2OrderTotal: TIntegerField\n"
    "      FieldKind = fkLookup\n"
    "      FieldName = 'OrderTotal'\n"
    "      LookupDataSet = Orders.Query1\n"
    "      LookupKeyFields = 'Id'\n"
    "      LookupResultField = 'Total'\n"
    "      KeyFields = 'OrderId'\n"
    "      Lookup = True\n"
    "    end\n"
    "  end\n"
    "end\n";

TEST(MigratorServer, MigratedDatasetsReadFromTheServer) {
  RegisterForeignClasses();
  RegisterLibraryClasses();
  TTestDatabase schema(kSchema);
  TFormSet forms;
  TFormSetServices services(forms);
  TScriptedDriver driver;
  SetBorlandIDEServices(&services);
  TComponent* orders = forms.OpenText(kOrders, "Orders.dfm").Root();
  TComponent* items = forms.OpenText(kItems, "Items.dfm").Root();
  auto* database = As<TmySQLDatabase>(orders->FindComponent(STR("Database1")));
  schema.Target(*database);

  auto* migrator = new TBDE2Ombrix(orders);
  EXPECT_EQ(migrator->GetDatabase(), database);
  migrator->Migrate();
  SetBorlandIDEServices(nullptr);
  ASSERT_EQ(migrator->DataSets().Count(), 3);

  auto* query = As<TmySQLQuery>(orders->FindComponent(STR("Query1")));
  query->Open();
  ASSERT_EQ(query->RecordCount(), 2);
  EXPECT_EQ(query->FieldByName(STR("Total"))->AsInteger(), 150);
  EXPECT_EQ(orders->FindComponent(STR("Query1Total")), query->FieldByName(STR("Total")));

  auto* lines = As<TmySQLTable>(orders->FindComponent(STR("Lines")));
  lines->Open();
  EXPECT_EQ(lines->RecordCount(), 2);  // the filter came along

  auto* proc = As<TmySQLStoredProc>(orders->FindComponent(STR("Proc1")));
  proc->RefreshParams();
  EXPECT_EQ(proc->GetParamsCount(), 2);

  auto* lines2 = As<TmySQLQuery>(items->FindComponent(STR("Lines2")));
  lines2->Open();
  ASSERT_EQ(lines2->RecordCount(), 3);
  lines2->Last();
  EXPECT_EQ(lines2->FieldByName(STR("OrderTotal"))->AsInteger(), 20);
  query->Close();
  lines->Close();
  lines2->Close();
  database->Close();
}

}  // namespace
