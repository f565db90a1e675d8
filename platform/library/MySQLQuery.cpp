#include "library/MySQLQuery.h"

#include "db/DataSource.h"
#include "library/DatabaseSession.h"
#include "library/OmbrixAbout.h"
#include "library/ServerValues.h"

namespace {

// The master's field that gives an unset parameter its value; null when there is none.
const TField* MasterField(const TDataSource* source, const TParam& param) {
  if (!param.IsNull() || source == nullptr || source->DataSet() == nullptr ||
      !source->DataSet()->Active()) {
    return nullptr;
  }
  return source->DataSet()->FindField(param.Name());
}

}  // namespace

const TClassInfo& TmySQLQuery::StaticClass() {
  static const TClassInfo info = [] {
    using T = TmySQLQuery;
    TClassBuilder<T, TmySQLDataSet> builder(STR("TmySQLQuery"));
    builder.Creatable()
        .Unit(STR("Mysqldbtables"))
        .Prop(STR("DataSource"), &T::DataSource, &T::SetDataSource)
        .Prop(STR("Params"), &T::Params, &T::SetParams)
        .Prop(STR("SQL"), &T::SQL, &T::SetSQL)
        .Method(STR("SQLChanged"), &T::SQLChanged);
    return builder.Build();
  }();
  return info;
}

TmySQLQuery::TmySQLQuery(TComponent* owner)
    : TmySQLDataSet(owner),
      FSQL(std::make_unique<TStringList>()),
      FParams(std::make_unique<TParams>(this)) {
  FSQL->OnChange = TMethod{this, STR("SQLChanged")};
}

TmySQLQuery::~TmySQLQuery() = default;

void TmySQLQuery::SetSQL(const TStringList* value) {
  if (value != nullptr) FSQL->Assign(value);
}

void TmySQLQuery::SetParams(const TParams* value) {
  if (value != nullptr) FParams->Assign(value);
}

void TmySQLQuery::SQLChanged(TObject*) {
  Close();
  FParams->ParseSQL(FSQL->Text(), true);
  FDescribeFailedOn = nullptr;
  // The old statement's columns say nothing about the new one.
  FDescribing = true;
  FieldDefs()->Clear();
  FieldDefs()->SetUpdated(false);
  FDescribing = false;
}

void TmySQLQuery::FieldDefsRead() {
  TmySQLDatabase* database = Database();
  if (FDescribing || database == nullptr || !database->Connected() || FSQL->Count() == 0 ||
      FDescribeFailedOn == database) {
    return;
  }
  FDescribing = true;
  try {
    // Reading must not fail: a statement the server refuses leaves the definitions empty
    // until the statement or the connection changes; Update or Open report the error.
    FieldDefs()->Update();
  } catch (const EDatabaseError&) {
    FDescribeFailedOn = database;
  } catch (...) {
    FDescribing = false;
    throw;
  }
  FDescribing = false;
}

void TmySQLQuery::InternalInitFieldDefs() {
  if (Trim(FSQL->Text()).empty()) DatabaseError(STR("No SQL statement available"), this);
  DefineFields(Session().Describe(FSQL->Text()));
}

std::vector<Variant> TmySQLQuery::MasterValues() {
  std::vector<Variant> values;
  for (int i = 0; i < FParams->Count(); ++i) {
    if (const TField* field = MasterField(DataSource(), *FParams->Items(i))) {
      values.push_back(field->Value());
    }
  }
  return values;
}

void TmySQLQuery::InternalOpen() {
  ReadRows([this] {
    std::vector<TParamValue> values;
    for (int i = 0; i < FParams->Count(); ++i) {
      const TParam& param = *FParams->Items(i);
      const TField* field = MasterField(DataSource(), param);
      values.push_back(field != nullptr
                           ? ServerParam(param.Name(), field->Value(), field->DataType())
                           : ServerParam(param.Name(), param.Value(), param.DataType()));
    }
    return Session().Execute(FSQL->Text(), values, static_cast<size_t>(MaxRows()));
  });
}

void TmySQLQuery::InternalRefresh() {
  InternalOpen();
}
