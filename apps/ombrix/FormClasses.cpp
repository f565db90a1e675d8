#include "FormClasses.h"

#include "db/DBClasses.h"
#include "foreign/ForeignClasses.h"
#include "forms/Forms.h"
#include "library/LibraryClasses.h"

void RegisterFormClasses() {
  RegisterClassesUnit();
  RegisterDBClasses();
  RegisterForeignClasses();
  RegisterLibraryClasses();
  RegisterFormsClasses();
}
