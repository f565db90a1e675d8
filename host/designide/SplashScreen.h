#pragma once
// The designer's splash screen, where packages add their caption and picture. A designer may
// offer none.
#include <memory>

#include "forms/Graphics.h"

class ISplashScreenServices {
 public:
  virtual ~ISplashScreenServices() = default;
  // The bitmap belongs to the splash screen from here on (it may be null: a missing resource).
  virtual void AddPluginBitmap(const String& caption, std::shared_ptr<TBitmap> bitmap) = 0;
};

// Null when the designer has no splash screen.
ISplashScreenServices* SplashScreenServices();
void SetSplashScreenServices(ISplashScreenServices* services);
