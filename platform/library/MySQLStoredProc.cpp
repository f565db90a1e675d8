#include "library/MySQLStoredProc.h"

#include "library/DatabaseSession.h"
#include "library/OmbrixAbout.h"
#include "library/ServerValues.h"

namespace {

TParamType ParamTypeOf(TParamDirection direction) {
  switch (direction) {
    case TParamDirection::Out:
      return TParamType::ptOutput;
    case TParamDirection::InOut:
      return TParamType::ptInputOutput;
    case TParamDirection::Result:
      return TParamType::ptResult;
    default:
      return TParamType::ptInput;
  }
}

}  // namespace

const TClassInfo& TmySQLStoredProc::StaticClass() {
  static const TClassInfo info = [] {
    using T = TmySQLStoredProc;
    TClassBuilder<T, TmySQLDataSet> builder(STR("TmySQLStoredProc"));
    builder.Creatable()
        .Unit(STR("Mysqldbtables"))
        .Prop(STR("Params"), &T::Params, &T::SetParams)
        .Prop(STR("ProcedureName"), &T::ProcedureName, &T::SetProcedureName);
    return builder.Build();
  }();
  return info;
}

TmySQLStoredProc::TmySQLStoredProc(TComponent* owner)
    : TmySQLDataSet(owner), FParams(std::make_unique<TParams>(this)) {}

TmySQLStoredProc::~TmySQLStoredProc() = default;

void TmySQLStoredProc::SetProcedureName(const String& value) {
  if (value == FProcedureName) return;
  CheckInactive();
  FProcedureName = value;
  FNeedRefreshParams = true;
}

void TmySQLStoredProc::SetParams(const TParams* value) {
  if (value != nullptr) FParams->Assign(value);
}

void TmySQLStoredProc::RefreshParams() {
  if (!FNeedRefreshParams) return;
  if (Database() == nullptr) DatabaseError(STR("Database not assigned"), this);
  if (FProcedureName.empty()) DatabaseError(STR("No stored procedure name specified"), this);
  const std::vector<TRoutineParam> params = Session().RoutineParams(FProcedureName);
  // Parameters that stay keep their values.
  TParams old;
  old.Assign(FParams.get());
  FParams->BeginUpdate();
  FParams->Clear();
  for (const TRoutineParam& param : params) {
    // A function's result has no name of its own.
    const String name = param.Name.empty() ? STR("Result") : param.Name;
    TParam* created = FParams->CreateParam(param.DataType, name, ParamTypeOf(param.Direction));
    if (const TParam* kept = old.FindParam(name)) created->SetValue(kept->Value());
  }
  FParams->EndUpdate();
  FNeedRefreshParams = false;
}

void TmySQLStoredProc::InternalInitFieldDefs() {
  DatabaseError(STR("A stored procedure cannot be opened as a dataset"), this);
}
