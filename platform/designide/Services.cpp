// The designer's optional services: the splash screen and the module services. A designer
// installs what it offers; outside one, neither exists.
#include "designide/IDEServices.h"
#include "designide/SplashScreen.h"

namespace {

ISplashScreenServices*& Splash() {
  static ISplashScreenServices* services = nullptr;
  return services;
}

IBorlandIDEServices*& IDE() {
  static IBorlandIDEServices* services = nullptr;
  return services;
}

}  // namespace

ISplashScreenServices* SplashScreenServices() {
  return Splash();
}

void SetSplashScreenServices(ISplashScreenServices* services) {
  Splash() = services;
}

IBorlandIDEServices* BorlandIDEServices() {
  return IDE();
}

void SetBorlandIDEServices(IBorlandIDEServices* services) {
  IDE() = services;
}
