#include "comp/ParamsProperty.h"

#include "library/MySQLStoredProc.h"

const TClassInfo& TMySQLSPParamsProperty::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TMySQLSPParamsProperty, TCollectionProperty>(STR("TMySQLSPParamsProperty"))
          .Build();
  return info;
}

void TMySQLSPParamsProperty::Edit() {
  auto* proc = As<TmySQLStoredProc>(GetComponent(0));
  if (proc->Database() == nullptr) throw EDatabaseError(STR("Database property is not set"));
  if (proc->GetParamsCount() == 0) proc->SetNeedRefreshParams();
  proc->RefreshParams();
  TCollectionProperty::Edit();
}
