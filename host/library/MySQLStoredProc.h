#pragma once
// A stored procedure (or function) of the server and its parameters. Running it is not part of
// this library: opening one raises the database error.
#include <memory>

#include "db/Params.h"
#include "library/MySQLDataSet.h"

class TmySQLStoredProc : public TmySQLDataSet {
  OMBRIX_CLASS(TmySQLStoredProc)
  explicit TmySQLStoredProc(TComponent* owner);
  ~TmySQLStoredProc() override;

  const String& ProcedureName() const { return FProcedureName; }
  // A new name makes the parameters due for a refresh.
  void SetProcedureName(const String& value);
  TParams* Params() const { return FParams.get(); }
  void SetParams(const TParams* value);

  int GetParamsCount() const { return FParams->Count(); }
  void SetNeedRefreshParams() { FNeedRefreshParams = true; }
  // Reads the parameters from the server when they are due; values of parameters that stay
  // are kept. Raises "Database not assigned" without a connection.
  void RefreshParams();

 protected:
  void InternalInitFieldDefs() override;

 private:
  std::unique_ptr<TParams> FParams;
  String FProcedureName;
  bool FNeedRefreshParams = true;
};
