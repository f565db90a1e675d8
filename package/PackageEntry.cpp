// The package's entry points. Its units do no work of their own when the package is loaded
// or unloaded; the host calls Mysqlcomp's Register for the registrations.
#include "designide/Package.h"

namespace {

const char* const kRequires[] = {"Ombrix18", "dbdesign"};
#if OMBRIX_WIDE_STRINGS
const char* const kUnits[] = {"Mysqlcomp",     "Mysqlupdsqled", "Mysqlqueryedit", "Mysqlfldlinks",
                              "Mysqlmigrator", "Mysqlconnfrm",  "Mysqlaboutfrm"};
#else
// The connection dialog and the About box come from the library in these generations.
const char* const kUnits[] = {"Mysqlcomp", "Mysqlupdsqled", "Mysqlqueryedit", "Mysqlfldlinks",
                              "Mysqlmigrator"};
#endif

const TPackageInfoTable kInfo{pfDesignOnly, "Ombrix",
                              kRequires,    static_cast<int>(std::size(kRequires)),
                              kUnits,       static_cast<int>(std::size(kUnits))};

}  // namespace

extern "C" {

void Initialize() {}

void Finalize() {}

const TPackageInfoTable* GetPackageInfoTable() {
  return &kInfo;
}
}
