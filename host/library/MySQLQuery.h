#pragma once
// A dataset over an SQL statement. Its field definitions come from the server without running
// the statement: FieldDefs.Update describes it, and a query whose connection is open describes
// itself the first time its field definitions are read. ":name" parameters take their values
// from Params, or, when unset, from the same-named field of the DataSource's dataset.
#include <memory>

#include "db/Params.h"
#include "library/MySQLDataSet.h"

class TmySQLQuery : public TmySQLDataSet {
  OMBRIX_CLASS(TmySQLQuery)
  explicit TmySQLQuery(TComponent* owner);
  ~TmySQLQuery() override;

  // Changing the statement closes the query and rebuilds Params (values of parameters that
  // stay are kept).
  TStringList* SQL() const { return FSQL.get(); }
  void SetSQL(const TStringList* value);
  TParams* Params() const { return FParams.get(); }
  void SetParams(const TParams* value);
  TParam* ParamByName(StringView name) const { return FParams->ParamByName(name); }

 protected:
  void InternalInitFieldDefs() override;
  void InternalOpen() override;
  void InternalRefresh() override;
  void FieldDefsRead() override;
  std::vector<Variant> MasterValues() override;

 private:
  void SQLChanged(TObject* sender);

  std::unique_ptr<TStringList> FSQL;
  std::unique_ptr<TParams> FParams;
  // The connection on which describing the statement failed when its definitions were read;
  // reading again waits for another statement or connection.
  const TmySQLDatabase* FDescribeFailedOn = nullptr;
  bool FDescribing = false;
};
