#pragma once
// The parameters of a stored procedure, read from the server before the collection editor
// opens, so that the editor shows what the procedure declares now.
#include "designide/PropertyEditor.h"

class TMySQLSPParamsProperty : public TCollectionProperty {
  OMBRIX_CLASS(TMySQLSPParamsProperty)
  void Edit() override;
};
