#include "comp/Register.h"

#include "aboutfrm/AboutText.h"
#include "comp/AboutProperty.h"
#include "comp/DataSourceProperty.h"
#include "comp/DatabaseEditor.h"
#include "comp/MigrateExecuteProperty.h"
#include "comp/ServerNameProperties.h"
#include "comp/TableFieldLinkProperty.h"
#include "comp/UpdateSQLEditor.h"
#include "db/DataSource.h"
#include "designide/Registry.h"
#include "designide/SplashScreen.h"
#include "forms/Resources.h"
#include "library/MySQLQuery.h"
#include "library/MySQLStoredProc.h"
#include "library/MySQLTable.h"
#include "library/MySQLUpdateSQL.h"
#include "library/OmbrixAbout.h"
#include "library/PaletteComponents.h"
#include "migrator/BDE2Ombrix.h"
#include "rtl/Format.h"
#if !OMBRIX_OLDEST_HOST
#include "comp/ParamsProperty.h"
#include "comp/QueryEditor.h"
#endif

namespace {

// The trade mark sign in the build's own encoding.
#if OMBRIX_WIDE_STRINGS
const Char* const kPalettePage = u"Ombrix\u2122";
#else
const Char* const kPalettePage = "Ombrix\x99";  // Windows-1252
#endif

#if !OMBRIX_OLDEST_HOST
void AddSplashEntry(ISplashScreenServices& splash) {
  ForceDemandLoadState(dlDisable);
  const String caption = Format(STR("Ombrix Component Suite %s"), {String(kOmbrixVersion)});
  splash.AddPluginBitmap(caption, LoadBitmapResource(*GetPackageResources(), STR("LOGO")));
}
#endif

}  // namespace

void Register() {
#if !OMBRIX_OLDEST_HOST
  if (ISplashScreenServices* splash = SplashScreenServices()) AddSplashEntry(*splash);
#endif
  RegisterComponents(
      kPalettePage,
      {&TmySQLDatabase::StaticClass(), &TmySQLTable::StaticClass(), &TmySQLQuery::StaticClass(),
       &TmySQLStoredProc::StaticClass(), &TmySQLDirectQuery::StaticClass(),
       &TmySQLUpdateSQL::StaticClass(), &TMySQLMacroQuery::StaticClass(),
       &TBDE2Ombrix::StaticClass(), &TMySQLBatchExecute::StaticClass(),
       &TMySQLMonitor::StaticClass(), &TmySQLDump::StaticClass(), &TMySQLTools::StaticClass()});
  RegisterComponentEditor(TmySQLDatabase::StaticClass(),
                          ComponentEditorClass<TMySQLDatabaseEditor>());
#if !OMBRIX_OLDEST_HOST
  RegisterComponentEditor(TmySQLQuery::StaticClass(), ComponentEditorClass<TMySQLQueryEditor>());
#endif
  RegisterComponentEditor(TmySQLUpdateSQL::StaticClass(),
                          ComponentEditorClass<TMySQLUpdateSQLEditor>());
  RegisterPropertyEditors();
}

void RegisterPropertyEditors() {
  const TClassInfo* table = &TmySQLTable::StaticClass();
  const TClassInfo* storedProc = &TmySQLStoredProc::StaticClass();
  const TClassInfo* database = &TmySQLDatabase::StaticClass();
  RegisterPropertyEditor(TypeInfoFileName(), table, STR("TableName"),
                         PropertyEditorClass<TmySQLTableNamePropertyEditor>());
  RegisterPropertyEditor(TypeInfoString(), table, STR("IndexName"),
                         PropertyEditorClass<TmySQLIndexNamePropertyEditor>());
  RegisterPropertyEditor(TypeInfoString(), table, STR("IndexFieldNames"),
                         PropertyEditorClass<TmySQLIndexFieldNamesPropertyEditor>());
  RegisterPropertyEditor(TypeInfoClassOf<TDataSource>(), table, STR("MasterSource"),
                         PropertyEditorClass<TmySQLDataSourcePropertyEditor>());
  RegisterPropertyEditor(TypeInfoString(), table, STR("MasterFields"),
                         PropertyEditorClass<TmySQLTableFieldLinkProperty>());
  RegisterPropertyEditor(TypeInfoOmbrixAbout(), nullptr, String(),
                         PropertyEditorClass<TAboutProperty>());
  RegisterPropertyEditor(TypeInfoBoolean(), &TBDE2Ombrix::StaticClass(), STR("Execute"),
                         PropertyEditorClass<TMigrateExecutePropertyEditor>());
  RegisterPropertyEditor(TypeInfoString(), storedProc, STR("ProcedureName"),
                         PropertyEditorClass<TmySQLStoredProcNamePropertyEditor>());
  RegisterPropertyEditor(TypeInfoString(), database, STR("ConnectionCharacterSet"),
                         PropertyEditorClass<TmySQLDatabaseCharsetPropertyEditor>());
  RegisterPropertyEditor(TypeInfoString(), database, STR("ConnectionCollation"),
                         PropertyEditorClass<TmySQLDatabaseCollationPropertyEditor>());
#if !OMBRIX_OLDEST_HOST
  RegisterPropertyEditor(TypeInfoClassOf<TParams>(), storedProc, STR("Params"),
                         PropertyEditorClass<TMySQLSPParamsProperty>());
#endif
}
