#pragma once
// The package's pictures: one palette picture per component class and the splash screen's logo.
#include <string>
#include <vector>

#include "Canvas.h"

struct Picture {
  std::string Name;  // the resource name
  Canvas Image;
  int BitsPerPixel;
};

std::vector<Picture> DrawPictures();
