#include "DialogState.h"

#include "Json.h"
#include "updsql/UpdateSQLEditForm.h"

namespace {

std::string FieldsJson(const TListBox& list) {
  std::vector<std::string> fields;
  for (int i = 0; i < list.Count(); ++i) {
    fields.push_back(JsonObject({{"name", JsonString(list.Items()->Strings(i))},
                                 {"selected", JsonBool(list.Selected(i))}}));
  }
  return JsonArray(fields);
}

}  // namespace

std::string DialogStateJson(const TMySQLUpdateSQLEditForm& form) {
  std::vector<std::string> tables;
  const TStringList& items = *form.UpdateTableName->Items();
  for (int i = 0; i < items.Count(); ++i) {
    tables.push_back(JsonObject({{"name", JsonString(items.Strings(i))},
                                 {"quoted", JsonBool(items.Objects(i) != nullptr)}}));
  }
  return JsonObject(
      {{"tables", JsonArray(tables)},
       {"tableText", JsonString(form.UpdateTableName->Text())},
       {"keyFields", FieldsJson(*form.KeyFieldList)},
       {"updateFields", FieldsJson(*form.UpdateFieldList)},
       {"quoteFields", JsonBool(form.QuoteFields->Checked())},
       {"buttons", JsonObject({{"getTableFields", JsonBool(form.GetTableFieldsButton->Enabled())},
                               {"primaryKeys", JsonBool(form.PrimaryKeyButton->Enabled())},
                               {"generate", JsonBool(form.GenerateButton->Enabled())},
                               {"datasetDefaults", JsonBool(form.DefaultButton->Enabled())}})}});
}
