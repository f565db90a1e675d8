#pragma once
// A dataset's Filter text, parsed once and evaluated against its active record.
#include <memory>
#include <vector>

#include "db/DataSet.h"

class TFilterExpression {
 public:
  // Raises the database error naming what is wrong and where (1-based character position); field
  // names must exist in the dataset.
  TFilterExpression(StringView text, TDataSet& dataSet);
  ~TFilterExpression();
  bool Evaluate(TFilterOptions options) const;

  struct Node;

 private:
  TDataSet& FDataSet;
  std::unique_ptr<Node> FRoot;
};
