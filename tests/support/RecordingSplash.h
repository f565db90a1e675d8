#pragma once
// A splash screen that keeps what packages add to it, for tests of package registration.
#include <memory>
#include <vector>

#include "designide/SplashScreen.h"

class TRecordingSplash : public ISplashScreenServices {
 public:
  void AddPluginBitmap(const String& caption, std::shared_ptr<TBitmap> bitmap) override {
    Captions.push_back(caption);
    Bitmaps.push_back(std::move(bitmap));
  }
  std::vector<String> Captions;
  std::vector<std::shared_ptr<TBitmap>> Bitmaps;
};
