#include "library/LibraryClasses.h"

#include "db/DBClasses.h"
#include "library/MySQLQuery.h"
#include "library/MySQLStoredProc.h"
#include "library/MySQLTable.h"
#include "library/MySQLUpdateSQL.h"
#include "library/PaletteComponents.h"

void RegisterLibraryClasses() {
  RegisterDBClasses();
  for (const TClassInfo* cls :
       {&TmySQLDatabase::StaticClass(), &TmySQLDataSet::StaticClass(), &TmySQLQuery::StaticClass(),
        &TmySQLTable::StaticClass(), &TmySQLStoredProc::StaticClass(),
        &TmySQLSQLUpdateObject::StaticClass(), &TmySQLUpdateSQL::StaticClass(),
        &TmySQLDirectQuery::StaticClass(), &TMySQLMacroQuery::StaticClass(),
        &TMySQLBatchExecute::StaticClass(), &TMySQLMonitor::StaticClass(),
        &TmySQLDump::StaticClass(), &TMySQLTools::StaticClass()}) {
    RegisterClass(*cls);
  }
}
