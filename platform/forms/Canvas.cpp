#include "forms/Control.h"

const TClassInfo& TCanvas::StaticClass() {
  static const TClassInfo info = TClassBuilder<TCanvas, TPersistent>(STR("TCanvas")).Build();
  return info;
}

TCanvas::TCanvas() : FFont(std::make_unique<TFont>()) {}

TCanvas::~TCanvas() = default;

void TCanvas::SetControl(TControl* control) {
  FControl = control;
  if (control != nullptr) FFont->Assign(control->Font());
}

namespace {

int CellHeight(const TFont& font) {
  const int h = font.Height() < 0 ? -font.Height() : font.Height();
  return h + h / 4 + 1;
}

int CellWidth(const TFont& font) {
  const int h = font.Height() < 0 ? -font.Height() : font.Height();
  return (3 * h + 4) / 5;
}

}  // namespace

int TCanvas::TextWidth(StringView text) const {
  return static_cast<int>(text.size()) * CellWidth(*FFont);
}

int TCanvas::TextHeight(StringView) const {
  return CellHeight(*FFont);
}

void TCanvas::Draw(int x, int y, const TBitmap& bitmap) {
  if (FControl == nullptr) throw EInvalidOperation(STR("Canvas does not allow drawing"));
  auto copy = std::make_shared<TBitmap>();
  copy->Assign(&bitmap);
  FControl->AddDrawing({x, y, bitmap.Width(), bitmap.Height(), bitmap.Transparent(),
                        bitmap.TransparentColor(), std::move(copy)});
}
