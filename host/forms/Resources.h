#pragma once
#include <memory>

#include "forms/Graphics.h"

// A bitmap resource by name (the palette pictures, a package's logo): the file <NAME>.bmp in
// the layout directory. Null when there is none; raises EInvalidGraphic for a broken file.
std::shared_ptr<TBitmap> LoadBitmapResource(StringView name);
