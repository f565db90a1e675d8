#include "connfrm/ConnForm.h"

#include "connfrm/ConnFormChoices.h"
#include "rtl/Exceptions.h"
#include "rtl/SysUtils.h"

const TClassInfo& TConnForm::StaticClass() {
  static const TClassInfo info = TClassBuilder<TConnForm, TForm>(STR("TConnForm"))
                                     .Method(STR("FormCreate"), &TConnForm::FormCreate)
                                     .Method(STR("FormDestroy"), &TConnForm::FormDestroy)
                                     .Method(STR("FormKeyPress"), &TConnForm::FormKeyPress)
                                     .Method(STR("cbCharsetChange"), &TConnForm::cbCharsetChange)
                                     .Build();
  return info;
}

TConnForm::TConnForm(TComponent* owner) : TForm(owner) {
  LoadLayout(STR("Mysqlconnfrm"));
  DBName = Field<TEdit>(STR("DBName"));
  DBUserID = Field<TEdit>(STR("DBUserID"));
  DBPasswd = Field<TEdit>(STR("DBPasswd"));
  DBHost = Field<TEdit>(STR("DBHost"));
  DBPort = Field<TEdit>(STR("DBPort"));
  cbCharset = Field<TComboBox>(STR("cbCharset"));
  cbCollation = Field<TComboBox>(STR("cbCollation"));
  DBLogin = Field<TCheckBox>(STR("DBLogin"));
  GroupBox1 = Field<TGroupBox>(STR("GroupBox1"));
  OkBtn = Field<TButton>(STR("OkBtn"));
  CancelBtn = Field<TButton>(STR("CancelBtn"));
  // Ordinal order of TConnectOption: Compress, FoundRows, IgnoreSpaces, Interactive, NoSchema,
  // ODBC, SSL.
  static constexpr std::array<const Char*, kConnectOptionCount> kBoxNames = {
      STR("CheckBox6"), STR("CheckBox2"), STR("CheckBox9"), STR("CheckBox10"),
      STR("CheckBox5"), STR("CheckBox7"), STR("CheckBox11")};
  for (size_t i = 0; i < kBoxNames.size(); ++i) FOptionBoxes[i] = Field<TCheckBox>(kBoxNames[i]);
  DoCreate();
}

TConnForm::~TConnForm() {
  DoDestroy();
}

bool TConnForm::Edit() {
  GetDatabaseProperty(*Database);
  if (ShowModal() != mrOk) return false;
  SetDatabaseProperty(*Database);
  return true;
}

void TConnForm::GetDatabaseProperty(TmySQLDatabase& db) {
  DBName->SetText(db.DatabaseName());
  DBUserID->SetText(db.UserName());
  DBPasswd->SetText(db.UserPassword());
  DBHost->SetText(db.Host());
  DBPort->SetText(IntToStr(db.ServerPort()));
  DBLogin->SetChecked(db.LoginPrompt());
  MySQLOpt = db.ConnectOptions();
  if (!db.ConnectionCharacterSet().empty()) {
    cbCharset->SetText(db.ConnectionCharacterSet());
    cbCharsetChange(cbCharset);
  }
  if (!db.ConnectionCollation().empty()) cbCollation->SetText(db.ConnectionCollation());
  SetOption(MySQLOpt);
}

namespace {

// Ports are 0 to 65535 (0: the client library's default). Anything else, a negative number
// included, is refused: stored as 32 bits it would only fail later, when connecting.
uint32_t PortFromText(const String& text) {
  const int32_t port = StrToInt(text);
  if (port < 0 || port > 65535) {
    throw EConvertError(STR("'") + text + STR("' is not a valid server port (0 to 65535)"));
  }
  return static_cast<uint32_t>(port);
}

}  // namespace

void TConnForm::SetDatabaseProperty(TmySQLDatabase& db) {
  const uint32_t port = PortFromText(DBPort->Text());
  // The setters refuse only a changed value of an open connection, so a refusal happens before
  // anything changed; the login prompt, which is never refused, goes last for the same reason.
  db.SetDatabaseName(DBName->Text());
  db.SetUserName(DBUserID->Text());
  db.SetUserPassword(DBPasswd->Text());
  db.SetHost(DBHost->Text());
  db.SetServerPort(port);
  db.SetConnectionCharacterSet(cbCharset->Text());
  db.SetConnectionCollation(cbCollation->Text());
  db.SetConnectOptions(GetOption());
  db.SetLoginPrompt(DBLogin->Checked());
}

TConnectOptions TConnForm::GetOption() const {
  TConnectOptions options = 0;
  for (size_t i = 0; i < FOptionBoxes.size(); ++i) {
    if (FOptionBoxes[i]->Checked()) options |= ConnectOptionBit(static_cast<TConnectOption>(i));
  }
  return options;
}

void TConnForm::SetOption(TConnectOptions options) {
  for (size_t i = 0; i < FOptionBoxes.size(); ++i) {
    if (HasConnectOption(options, static_cast<TConnectOption>(i)))
      FOptionBoxes[i]->SetChecked(true);
  }
}

void TConnForm::FormCreate(TObject*) {
  cbCharset->Items()->Clear();
  cbCollation->Items()->Clear();
  for (const Char* name : kConnCharsets) cbCharset->Items()->Add(name);
  FCollations = std::make_unique<TStringList>();
  for (const Char* name : kConnCollations) FCollations->Add(name);
}

void TConnForm::FormDestroy(TObject*) {
  FCollations.reset();
}

void TConnForm::FormKeyPress(TObject*, Char& key) {
  if (key == VK_ESCAPE) SetModalResult(mrCancel);
}

void TConnForm::cbCharsetChange(TObject*) {
  cbCollation->Items()->Clear();
  cbCollation->SetText(String());
  const String charset = cbCharset->Text();
  const String prefix = charset + STR("_");
  for (int i = 0; i < FCollations->Count(); ++i) {
    const String& name = FCollations->Strings(i);
    if (name == charset || name.starts_with(prefix)) cbCollation->Items()->Add(name);
  }
}

bool EditDatabase(TmySQLDatabase& db) {
  std::unique_ptr<TConnForm> form(new TConnForm(Application()));
  form->SetCaption(STR("TMySQLDatabase Editor..."));
  form->Database = &db;
  return form->Edit();
}
