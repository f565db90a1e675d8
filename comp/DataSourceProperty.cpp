#include "comp/DataSourceProperty.h"

#include "db/DataSet.h"
#include "db/DataSource.h"

const TClassInfo& TmySQLDataSourcePropertyEditor::StaticClass() {
  static const TClassInfo info = TClassBuilder<TmySQLDataSourcePropertyEditor, TComponentProperty>(
                                     STR("TmySQLDataSourcePropertyEditor"))
                                     .Build();
  return info;
}

void TmySQLDataSourcePropertyEditor::GetValues(const TGetStrProc& proc) {
  FCheckProc = proc;
  struct TReset {
    TGetStrProc& Proc;
    ~TReset() { Proc = nullptr; }
  } reset{FCheckProc};
  TComponentProperty::GetValues([this](const String& name) { CheckComponent(name); });
}

void TmySQLDataSourcePropertyEditor::CheckComponent(const String& name) {
  auto* dataSource = As<TDataSource>(Designer()->GetComponent(name));
  for (int i = 0; i < PropCount(); ++i) {
    if (As<TDataSet>(GetComponent(i))->IsLinkedTo(dataSource)) return;
  }
  FCheckProc(name);
}
