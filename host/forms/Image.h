#pragma once
#include "forms/Control.h"

class TImage : public TGraphicControl {
  OMBRIX_CLASS(TImage)
  explicit TImage(TComponent* owner);
  ~TImage() override;

  TPicture* Picture() const { return FPicture.get(); }
  void SetPicture(TPicture* value) { FPicture->Assign(value); }
  // Drawn without its transparent colour; passed on to the picture's bitmap.
  bool Transparent() const { return FTransparent; }
  void SetTransparent(bool value);
  bool Center() const { return FCenter; }
  void SetCenter(bool value) { FCenter = value; }
  bool Stretch() const { return FStretch; }
  void SetStretch(bool value) { FStretch = value; }
  bool AutoSize() const { return FAutoSize; }
  void SetAutoSize(bool value) { FAutoSize = value; }

  void Loaded() override;

 private:
  std::unique_ptr<TPicture> FPicture;
  bool FTransparent = false;
  bool FCenter = false;
  bool FStretch = false;
  bool FAutoSize = false;
};
