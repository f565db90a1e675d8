#include "forms/Image.h"

const TClassInfo& TImage::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TImage, TGraphicControl>(STR("TImage"))
          .Creatable()
          .Prop(STR("AutoSize"), &TImage::AutoSize, &TImage::SetAutoSize, nullptr, 0)
          .Prop(STR("Center"), &TImage::Center, &TImage::SetCenter, nullptr, 0)
          .Prop(STR("Picture"), &TImage::Picture, &TImage::SetPicture)
          .Prop(STR("Stretch"), &TImage::Stretch, &TImage::SetStretch, nullptr, 0)
          .Prop(STR("Transparent"), &TImage::Transparent, &TImage::SetTransparent, nullptr, 0)
          .Build();
  return info;
}

TImage::TImage(TComponent* owner) : TGraphicControl(owner), FPicture(std::make_unique<TPicture>()) {
  SetBounds(0, 0, 105, 105);
}

TImage::~TImage() = default;

void TImage::SetTransparent(bool value) {
  FTransparent = value;
  FPicture->Bitmap()->SetTransparent(value);
}

// The picture may be read after Transparent.
void TImage::Loaded() {
  TGraphicControl::Loaded();
  FPicture->Bitmap()->SetTransparent(FTransparent);
  if (FAutoSize && !FPicture->Bitmap()->Empty()) {
    SetBounds(Left(), Top(), FPicture->Width(), FPicture->Height());
  }
}
