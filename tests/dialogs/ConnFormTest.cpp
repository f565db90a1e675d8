// The connection options dialog, driven through its controls as a user would.
#include <gtest/gtest.h>

#include "ScriptedDriver.h"
#include "connfrm/ConnForm.h"
#include "library/SessionFactory.h"
#include "library/memory/MemorySession.h"

namespace {

std::vector<String> ItemsOf(TCustomForm& form, const Char* combo) {
  const TStringList& items = *form.Field<TComboBox>(combo)->Items();
  std::vector<String> result;
  for (int i = 0; i < items.Count(); ++i) result.push_back(items.Strings(i));
  return result;
}

String TextOf(TCustomForm& form, const Char* control) {
  return form.Field<TControl>(control)->Caption();
}

bool Ticked(TCustomForm& form, const Char* box) {
  return form.Field<TCheckBox>(box)->Checked();
}

const std::vector<const Char*> kOptionBoxes = {
    STR("CheckBox6"), STR("CheckBox2"), STR("CheckBox9"), STR("CheckBox10"),
    STR("CheckBox5"), STR("CheckBox7"), STR("CheckBox11")};

class ConnFormTest : public ::testing::Test {
 protected:
  void SetUp() override {
    RegisterFormsClasses();
    db.SetDatabaseName(STR("shop"));
    db.SetUserName(STR("clerk"));
    db.SetUserPassword(STR("pw"));
    db.SetHost(STR("db.example.org"));
    db.SetServerPort(3307);
    db.SetLoginPrompt(false);
    db.SetConnectionCharacterSet(STR("latin1"));
    db.SetConnectionCollation(STR("latin1_german2_ci"));
    db.SetConnectOptions(ConnectOptionBit(TConnectOption::coCompress) |
                         ConnectOptionBit(TConnectOption::coSSL));
  }

  // Every setting, to see that a dialog left without OK (or failing) changed none.
  std::vector<String> Settings() const {
    return {db.DatabaseName(),
            db.UserName(),
            db.UserPassword(),
            db.Host(),
            IntToStr(db.ServerPort()),
            db.LoginPrompt() ? STR("login") : STR("nologin"),
            db.ConnectionCharacterSet(),
            db.ConnectionCollation(),
            IntToStr(db.ConnectOptions())};
  }

  TScriptedDriver driver;
  TmySQLDatabase db{nullptr};
};

TEST_F(ConnFormTest, TheLayoutHasTheControlsInTabOrder) {
  TConnForm form(nullptr);
  EXPECT_EQ(form.Caption(), STR("MySQL connection options"));
  EXPECT_TRUE(form.KeyPreview());
  EXPECT_EQ(form.DBPasswd->PasswordChar(), '*');
  EXPECT_TRUE(form.OkBtn->Default());
  EXPECT_TRUE(form.CancelBtn->Cancel());
  std::vector<String> order;
  for (TWinControl* control : form.TabSequence()) order.push_back(control->Name());
  EXPECT_EQ(order,
            (std::vector<String>{
                STR("DBName"), STR("DBUserID"), STR("DBPasswd"), STR("DBHost"), STR("DBPort"),
                STR("cbCharset"), STR("cbCollation"), STR("DBLogin"), STR("CheckBox2"),
                STR("CheckBox5"), STR("CheckBox6"), STR("CheckBox7"), STR("CheckBox9"),
                STR("CheckBox10"), STR("CheckBox11"), STR("OkBtn"), STR("CancelBtn")}));
  EXPECT_EQ(ItemsOf(form, STR("cbCharset")).size(), 39u);
  EXPECT_TRUE(ItemsOf(form, STR("cbCollation")).empty());
}

TEST_F(ConnFormTest, OpensWithTheConnectionsSettings) {
  driver.Expect(TScript(STR("TConnForm"))
                    .Run([](TCustomForm& f) {
                      EXPECT_EQ(f.Caption(), STR("TMySQLDatabase Editor..."));
                      EXPECT_EQ(TextOf(f, STR("DBName")), STR("shop"));
                      EXPECT_EQ(TextOf(f, STR("DBHost")), STR("db.example.org"));
                      EXPECT_EQ(TextOf(f, STR("DBPort")), STR("3307"));
                      EXPECT_EQ(f.Field<TEdit>(STR("DBPasswd"))->DisplayText(), STR("**"));
                      EXPECT_FALSE(Ticked(f, STR("DBLogin")));
                      EXPECT_EQ(TextOf(f, STR("cbCharset")), STR("latin1"));
                      EXPECT_EQ(TextOf(f, STR("cbCollation")), STR("latin1_german2_ci"));
                      EXPECT_EQ(
                          ItemsOf(f, STR("cbCollation")),
                          (std::vector<String>{STR("latin1_swedish_ci"), STR("latin1_bin"),
                                               STR("latin1_general_ci"), STR("latin1_german1_ci"),
                                               STR("latin1_general_cs"), STR("latin1_spanish_ci"),
                                               STR("latin1_danish_ci"), STR("latin1_german2_ci")}));
                      // Ordinals 0 and 6.
                      for (const Char* box : kOptionBoxes) {
                        const bool expected =
                            String(box) == STR("CheckBox6") || String(box) == STR("CheckBox11");
                        EXPECT_EQ(Ticked(f, box), expected) << ToUtf8(box);
                      }
                    })
                    .Click(STR("CancelBtn")));
  const int owned = Application()->ComponentCount();
  const auto before = Settings();
  EXPECT_FALSE(EditDatabase(db));
  EXPECT_EQ(Settings(), before);
  EXPECT_EQ(Application()->ComponentCount(), owned);
}

TEST_F(ConnFormTest, EmptyCharacterSetAndCollationOpenEmpty) {
  db.SetConnectionCharacterSet(String());
  db.SetConnectionCollation(String());
  driver.Expect(TScript(STR("TConnForm"))
                    .Run([](TCustomForm& f) {
                      EXPECT_EQ(TextOf(f, STR("cbCharset")), String());
                      EXPECT_EQ(TextOf(f, STR("cbCollation")), String());
                      EXPECT_TRUE(ItemsOf(f, STR("cbCollation")).empty());
                    })
                    .Click(STR("OkBtn")));
  EXPECT_TRUE(EditDatabase(db));
  EXPECT_EQ(db.ConnectionCharacterSet(), String());
  EXPECT_EQ(db.ConnectionCollation(), String());
}

TEST_F(ConnFormTest, TheCollationListFollowsTheCharacterSet) {
  driver.Expect(
      TScript(STR("TConnForm"))
          .Choose(STR("cbCharset"), STR("binary"))
          .Run([](TCustomForm& f) {
            EXPECT_EQ(ItemsOf(f, STR("cbCollation")), (std::vector<String>{STR("binary")}));
            EXPECT_EQ(TextOf(f, STR("cbCollation")), String());
          })
          .Choose(STR("cbCharset"), STR("koi8r"))
          .Run([](TCustomForm& f) {
            EXPECT_EQ(ItemsOf(f, STR("cbCollation")),
                      (std::vector<String>{STR("koi8r_general_ci"), STR("koi8r_bin")}));
          })
          .Choose(STR("cbCollation"), STR("koi8r_bin"))
          .Choose(STR("cbCharset"), STR("utf8"))
          .Run([](TCustomForm& f) {
            // Another character set empties the chosen collation; utf8 is not utf8mb3.
            EXPECT_EQ(TextOf(f, STR("cbCollation")), String());
            const auto items = ItemsOf(f, STR("cbCollation"));
            ASSERT_EQ(items.size(), 22u);
            EXPECT_EQ(items.front(), STR("utf8_general_ci"));
            EXPECT_EQ(items.back(), STR("utf8_estonian_ci"));
            for (const String& item : items) EXPECT_FALSE(item.starts_with(STR("utf8mb3")));
          })
          .Choose(STR("cbCharset"), STR("utf8mb3"))
          .Run([](TCustomForm& f) {
            const auto items = ItemsOf(f, STR("cbCollation"));
            ASSERT_EQ(items.size(), 22u);
            EXPECT_EQ(items.front(), STR("utf8mb3_general_ci"));
          })
          // Typed text counts as well: a partial name lists nothing.
          .Replace(STR("cbCharset"), STR("ucs"))
          .Run([](TCustomForm& f) { EXPECT_TRUE(ItemsOf(f, STR("cbCollation")).empty()); })
          .Type(STR("2"))
          .Run([](TCustomForm& f) { EXPECT_EQ(ItemsOf(f, STR("cbCollation")).size(), 22u); })
          .Choose(STR("cbCollation"), STR("ucs2_bin"))
          .Click(STR("OkBtn")));
  EXPECT_TRUE(EditDatabase(db));
  EXPECT_EQ(db.ConnectionCharacterSet(), STR("ucs2"));
  EXPECT_EQ(db.ConnectionCollation(), STR("ucs2_bin"));
}

TEST_F(ConnFormTest, OptionsAreStoredFromTheBoxesAlone) {
  TScript untickAll(STR("TConnForm"));
  for (const Char* box : kOptionBoxes) untickAll.Tick(box, false);
  driver.Expect(std::move(untickAll.Click(STR("OkBtn"))));
  EXPECT_TRUE(EditDatabase(db));
  EXPECT_EQ(db.ConnectOptions(), 0);

  driver.Expect(TScript(STR("TConnForm"))
                    .Tick(STR("CheckBox9"), true)
                    .Tick(STR("CheckBox5"), true)
                    .Click(STR("OkBtn")));
  EXPECT_TRUE(EditDatabase(db));
  EXPECT_EQ(db.ConnectOptions(), ConnectOptionBit(TConnectOption::coIgnoreSpaces) |
                                     ConnectOptionBit(TConnectOption::coNoSchema));
}

TEST_F(ConnFormTest, OkWritesEveryValueAsTyped) {
  driver.Expect(TScript(STR("TConnForm"))
                    .Replace(STR("DBName"), STR("stock"))
                    .Replace(STR("DBUserID"), STR(" admin "))
                    .Replace(STR("DBPasswd"), STR("p* 'x"))
                    .Replace(STR("DBHost"), String())
                    .Replace(STR("DBPort"), STR("0"))
                    .Tick(STR("DBLogin"), true)
                    .Key(VK_RETURN));
  EXPECT_TRUE(EditDatabase(db));
  EXPECT_EQ(Settings(), (std::vector<String>{STR("stock"), STR(" admin "), STR("p* 'x"), String(),
                                             STR("0"), STR("login"), STR("latin1"),
                                             STR("latin1_german2_ci"), STR("65")}));
}

TEST_F(ConnFormTest, EscapeAnywhereClosesWithoutWriting) {
  const auto before = Settings();
  for (const Char* control : {STR("DBName"), STR("DBPort"), STR("cbCharset"), STR("CheckBox7")}) {
    driver.Expect(TScript(STR("TConnForm"))
                      .Replace(STR("DBUserID"), STR("intruder"))
                      .Tick(STR("CheckBox2"), true)
                      .Focus(control)
                      .Key(VK_ESCAPE));
    EXPECT_FALSE(EditDatabase(db)) << ToUtf8(control);
    EXPECT_EQ(Settings(), before);
  }
  driver.Expect(TScript(STR("TConnForm")).Replace(STR("DBName"), STR("x")).CloseBox());
  EXPECT_FALSE(EditDatabase(db));
  EXPECT_EQ(Settings(), before);
}

TEST_F(ConnFormTest, ABadPortWritesNothing) {
  const auto before = Settings();
  const int owned = Application()->ComponentCount();
  for (const Char* port :
       {STR("abc"), STR("3306x"), STR(""), STR("-1"), STR("65536"), STR("4294967295")}) {
    driver.Expect(TScript(STR("TConnForm"))
                      .Replace(STR("DBName"), STR("other"))
                      .Replace(STR("DBHost"), STR("elsewhere"))
                      .Replace(STR("DBPort"), port)
                      .Click(STR("OkBtn")));
    try {
      EditDatabase(db);
      ADD_FAILURE() << "no error for port " << ToUtf8(port);
    } catch (const EConvertError& e) {
      EXPECT_NE(e.Message().find(STR("'") + String(port) + STR("'")), String::npos) << e.what();
    }
    EXPECT_EQ(Settings(), before) << ToUtf8(port);
    EXPECT_EQ(Application()->ComponentCount(), owned);
  }
  driver.Expect(TScript(STR("TConnForm")).Replace(STR("DBPort"), STR("65535")).Click(STR("OkBtn")));
  EXPECT_TRUE(EditDatabase(db));
  EXPECT_EQ(db.ServerPort(), 65535u);
}

TEST_F(ConnFormTest, AnOpenConnectionRefusesChangesWithoutLosingAny) {
  TMemoryCatalog catalog;
  catalog.Database(STR("shop"));
  TScopedSessionFactory factory([&catalog] { return std::make_unique<TMemorySession>(catalog); });
  db.SetConnected(true);
  ASSERT_TRUE(db.Connected());
  const auto before = Settings();
  driver.Expect(TScript(STR("TConnForm")).Click(STR("OkBtn")));
  EXPECT_TRUE(EditDatabase(db));  // nothing changed: nothing to refuse
  // The login prompt is never refused itself, so it must not be written before a refusal.
  driver.Expect(TScript(STR("TConnForm"))
                    .Tick(STR("DBLogin"), true)
                    .Choose(STR("cbCharset"), STR("utf8"))
                    .Click(STR("OkBtn")));
  EXPECT_THROW(EditDatabase(db), EDatabaseError);
  EXPECT_EQ(Settings(), before);
  EXPECT_TRUE(db.Connected());
}

}  // namespace
