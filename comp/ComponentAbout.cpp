#include "comp/ComponentAbout.h"

#include "aboutfrm/AboutForm.h"

void ShowComponentAbout(const String& className) {
  TMySQLAboutComp::Execute(className);
}
