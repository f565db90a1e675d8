#pragma once
#include <memory>

#include "designide/Package.h"
#include "forms/Graphics.h"

// A bitmap resource by name (the host's own pictures): the file <NAME>.bmp in the layout
// directory. Null when there is none; raises EInvalidGraphic for a broken file.
std::shared_ptr<TBitmap> LoadBitmapResource(StringView name);
// A bitmap resource of a package's own resources (the name compared without regard to case).
// Null when the package has none of that name; raises EInvalidGraphic for a broken one.
std::shared_ptr<TBitmap> LoadBitmapResource(const TPackageResourceTable& resources,
                                            StringView name);
