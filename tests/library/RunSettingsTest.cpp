// A run's connection settings and the Connected/Active values of form files: loading connects
// nobody, the settings apply only when connecting, and form files keep what they were read with.
#include "LibraryFixture.h"
#include "classes/FormSet.h"
#include "library/ConnectionOverride.h"

namespace {

const std::string kModule =
    "object Shop: TShop\n"
    "  object Db: TmySQLDatabase\n"
    "    DatabaseName = 'elsewhere'\n"
    "    UserName = 'nobody'\n"
    "    Host = 'db.invalid'\n"
    "    ServerPort = 3307\n"
    "    Socket = '/run/none.sock'\n"
    "    Connected = True\n"
    "  end\n"
    "  object Customers: TmySQLTable\n"
    "    Database = Db\n"
    "    TableName = 'customers'\n"
    "    Active = True\n"
    "  end\n"
    "end\n";

class RunSettings : public LibraryTest {
 protected:
  RunSettings() {
    RegisterClassesUnit();
    FCatalog.AddUser(STR("ann"), STR("secret"));
  }
  // The parameters of every connection made, in order.
  std::vector<TConnectParams> FConnects;
  TScopedSessionFactory FRecording{[this] {
    struct TRecording : TMemorySession {
      TRecording(TMemoryCatalog& catalog, std::vector<TConnectParams>& log)
          : TMemorySession(catalog), Log(log) {}
      void Connect(const TConnectParams& params) override {
        Log.push_back(params);
        TMemorySession::Connect(params);
      }
      std::vector<TConnectParams>& Log;
    };
    return std::make_unique<TRecording>(FCatalog, FConnects);
  }};
};

TConnectionOverride ToShop() {
  TConnectionOverride run;
  run.Socket = STR("/tmp/run.sock");
  run.User = STR("ann");
  run.Password = STR("secret");
  run.Database = STR("shop");
  return run;
}

TEST_F(RunSettings, LoadingConnectsNobodyAndTheFileKeepsWhatItSaid) {
  TFormSet forms;
  TFormModule& module = forms.OpenText(kModule, "Shop.dfm");
  auto* db = As<TmySQLDatabase>(module.Root()->FindComponent(STR("Db")));
  auto* customers = As<TmySQLTable>(module.Root()->FindComponent(STR("Customers")));
  EXPECT_TRUE(FConnects.empty());
  EXPECT_FALSE(db->Connected());
  EXPECT_FALSE(customers->Active());
  EXPECT_EQ(GetOrdProp(db, STR("Connected")), 0);

  TScopedConnectionOverride run(ToShop());
  customers->Open();
  EXPECT_EQ(customers->RecordCount(), 3);
  EXPECT_EQ(module.Render(), kModule);
  customers->Close();
  db->Close();
  EXPECT_EQ(module.Render(), kModule);

  // A closed file stays closed when the run opens it.
  TFormModule& closed = forms.OpenText(
      "object Other: TOther\n  object Db2: TmySQLDatabase\n  end\nend\n", "Other.dfm");
  As<TmySQLDatabase>(closed.Root()->FindComponent(STR("Db2")))->Open();
  EXPECT_EQ(closed.Render(), "object Other: TOther\n  object Db2: TmySQLDatabase\n  end\nend\n");
}

TEST_F(RunSettings, TheRunsSettingsApplyOnlyWhenConnecting) {
  TFormSet forms;
  auto* db =
      As<TmySQLDatabase>(forms.OpenText(kModule, "Shop.dfm").Root()->FindComponent(STR("Db")));
  {
    TScopedConnectionOverride run(ToShop());
    db->Open();
    ASSERT_EQ(FConnects.size(), 1u);
    // A socket alone means the local server, whatever host the form names.
    EXPECT_EQ(FConnects[0].Host, String());
    EXPECT_EQ(FConnects[0].Socket, STR("/tmp/run.sock"));
    EXPECT_EQ(FConnects[0].Port, 3307u);
    EXPECT_EQ(FConnects[0].User, STR("ann"));
    EXPECT_EQ(FConnects[0].Password, STR("secret"));
    EXPECT_EQ(FConnects[0].Database, STR("shop"));
    // What a dialog or --json would show are the stored settings.
    EXPECT_EQ(db->Host(), STR("db.invalid"));
    EXPECT_EQ(db->UserName(), STR("nobody"));
    EXPECT_EQ(db->UserPassword(), String());
    EXPECT_EQ(db->DatabaseName(), STR("elsewhere"));
    db->Close();

    TConnectionOverride withHost = ToShop();
    withHost.Host = STR("localhost");
    withHost.Port = 3310;
    TScopedConnectionOverride inner(withHost);
    db->Open();
    EXPECT_EQ(FConnects.back().Host, STR("localhost"));
    EXPECT_EQ(FConnects.back().Port, 3310u);
    db->Close();
  }
  // Once the run's settings are gone, the stored ones apply again.
  EXPECT_THROW(db->Open(), EDatabaseError);
  EXPECT_EQ(FConnects.back().Host, STR("db.invalid"));
  EXPECT_EQ(FConnects.back().Password, String());
}

}  // namespace
