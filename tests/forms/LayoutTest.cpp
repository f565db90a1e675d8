// Geometry, painting, pictures and the published properties that layouts set.
#include <gtest/gtest.h>

#include "ScriptedDriver.h"
#include "classes/IntegerConsts.h"

namespace {

TEST(Layout, AlignedControlsFillTheClientAreaAndAnchorsFollowResizes) {
  TForm form(nullptr);
  form.SetBorderStyle(TFormBorderStyle::bsNone);
  form.SetBounds(0, 0, 300, 200);
  auto* top = new TPanel(&form);
  top->SetParent(&form);
  top->SetHeight(40);
  top->SetAlign(TAlign::alTop);
  auto* left = new TPanel(&form);
  left->SetParent(&form);
  left->SetWidth(100);
  left->SetAlign(TAlign::alLeft);
  auto* client = new TPanel(&form);
  client->SetParent(&form);
  client->SetAlign(TAlign::alClient);
  auto* button = new TButton(client);
  button->SetParent(client);
  button->SetBounds(100, 100, 75, 25);
  button->SetAnchors((1 << akRight) | (1 << akBottom));
  EXPECT_EQ(top->Width(), 300);
  EXPECT_EQ(left->Top(), 40);
  EXPECT_EQ(left->Height(), 160);
  EXPECT_EQ(client->Left(), 100);
  EXPECT_EQ(client->Width(), 200);
  form.SetBounds(0, 0, 350, 230);
  EXPECT_EQ(client->Width(), 250);
  EXPECT_EQ(button->Left(), 150);
  EXPECT_EQ(button->Top(), 130);
  left->SetVisible(false);
  EXPECT_EQ(client->Left(), 0);
  // The frame of a dialog surrounds its client area.
  form.SetBorderStyle(TFormBorderStyle::bsDialog);
  EXPECT_EQ(form.ClientWidth(), 350);
  EXPECT_GT(form.Width(), 350);
}

class TSplitForm : public TForm {
  OMBRIX_CLASS(TSplitForm)
  using TForm::TForm;
  int Moves = 0;
  void CanResize(TObject*, int& newSize, bool& accept) { accept = newSize > 44; }
  void Moved(TObject*) { ++Moves; }
};

const TClassInfo& TSplitForm::StaticClass() {
  static const TClassInfo info = TClassBuilder<TSplitForm, TForm>(STR("TSplitForm"))
                                     .Method(STR("CanResize"), &TSplitForm::CanResize)
                                     .Method(STR("Moved"), &TSplitForm::Moved)
                                     .Build();
  return info;
}

TEST(Layout, SplitterAsksAndKeepsItsLimits) {
  TSplitForm form(nullptr);
  form.SetBorderStyle(TFormBorderStyle::bsNone);
  form.SetBounds(0, 0, 400, 300);
  auto* meta = new TPanel(&form);
  meta->SetParent(&form);
  meta->SetWidth(150);
  meta->SetAlign(TAlign::alLeft);
  auto* splitter = new TSplitter(&form);
  splitter->SetName(STR("Splitter"));
  splitter->SetParent(&form);
  splitter->SetLeft(150);
  splitter->SetMinSize(100);
  splitter->OnCanResize = TMethod{&form, STR("CanResize")};
  splitter->OnMoved = TMethod{&form, STR("Moved")};
  auto* memo = new TPanel(&form);
  memo->SetParent(&form);
  memo->SetAlign(TAlign::alClient);
  ASSERT_EQ(splitter->ResizeControl(), meta);
  TScriptedDriver driver;
  driver.Expect(TScript()
                    .Drag(STR("Splitter"), 200)
                    .Drag(STR("Splitter"), 20)
                    .Drag(STR("Splitter"), 1000)
                    .CloseBox());
  form.ShowModal();
  // 20 is raised to MinSize; 1000 is cut to what leaves MinSize for the memo.
  EXPECT_EQ(meta->Width(), 400 - 3 - 100);
  EXPECT_EQ(memo->Left(), 400 - 100);
  EXPECT_EQ(form.Moves, 3);
  splitter->SetMinSize(10);
  EXPECT_FALSE(splitter->MoveTo(30));  // refused by the handler
  EXPECT_EQ(form.Moves, 3);
}

TEST(Layout, TabOrderReadBeforeTheParentIsKept) {
  TForm form(nullptr);
  auto* a = new TEdit(&form);
  auto* b = new TEdit(&form);
  auto* c = new TEdit(&form);
  a->SetTabOrder(2);
  b->SetTabOrder(0);
  c->SetTabOrder(1);
  a->SetParent(&form);
  b->SetParent(&form);
  c->SetParent(&form);
  EXPECT_EQ(form.TabList(), (std::vector<TWinControl*>{b, c, a}));
  c->SetTabOrder(0);
  EXPECT_EQ(b->TabOrder(), 1);
  EXPECT_EQ(a->TabOrder(), 2);
}

// A 4-bit bitmap file: 3 x 2 pixels, palette olive (0) and red (1); bottom row olive.
std::vector<uint8_t> SmallBitmap() {
  std::vector<uint8_t> bmp = {
      'B',  'M',  0, 0, 0, 0, 0, 0, 0,    0,    62,   0, 0,    0,  // file header
      40,   0,    0, 0, 3, 0, 0, 0, 2,    0,    0,    0, 1,    0,    4,    0,
      0,    0,    0, 0, 8, 0, 0, 0, 0,    0,    0,    0, 0,    0,    0,    0,
      2,    0,    0, 0, 0, 0, 0, 0, 0x00, 0x80, 0x80, 0, 0x00, 0x00, 0xFF, 0,  // palette (BGR0)
      0x00, 0x00, 0, 0,                                                        // bottom row: 0 0 0
      0x10, 0x10, 0, 0};                                                       // top row: 1 0 1
  bmp[2] = static_cast<uint8_t>(bmp.size());
  return bmp;
}

TEST(Graphics, BitmapFilesAndPictureData) {
  TBitmap bitmap;
  bitmap.LoadFromBmp(SmallBitmap());
  EXPECT_EQ(bitmap.Width(), 3);
  EXPECT_EQ(bitmap.Height(), 2);
  EXPECT_EQ(bitmap.BitsPerPixel(), 4);
  EXPECT_EQ(bitmap.Pixel(0, 0), clRed);
  EXPECT_EQ(bitmap.Pixel(1, 0), clOlive);
  EXPECT_EQ(bitmap.TransparentColor(), clOlive);
  EXPECT_THROW(bitmap.Pixel(3, 0), EInvalidGraphic);
  auto broken = SmallBitmap();
  broken.resize(broken.size() - 3);
  EXPECT_THROW(bitmap.LoadFromBmp(broken), EInvalidGraphic);
  EXPECT_EQ(bitmap.Width(), 3);  // unchanged after the failure
  broken = SmallBitmap();
  broken[54] = 0x11;  // a colour index beyond the two palette entries
  broken[62] = 0x20;
  EXPECT_THROW(bitmap.LoadFromBmp(broken), EInvalidGraphic);

  std::vector<uint8_t> data = {7, 'T', 'B', 'i', 't', 'm', 'a', 'p'};
  const auto file = SmallBitmap();
  const auto size = static_cast<uint32_t>(file.size());
  for (int i = 0; i < 4; ++i) data.push_back(static_cast<uint8_t>(size >> (8 * i)));
  data.insert(data.end(), file.begin(), file.end());
  TImage image(nullptr);
  SetPropValue(image.Picture(), *GetPropInfo(image.Picture(), STR("Data")), std::any(data));
  EXPECT_EQ(image.Picture()->Width(), 3);
  data[1] = 'X';
  EXPECT_THROW(image.Picture()->SetData(data), EInvalidGraphic);
  // A name that runs into the size bytes is shown without its raw bytes.
  data[0] = 10;
  data[1] = 'T';
  try {
    image.Picture()->SetData(data);
    ADD_FAILURE() << "a picture class of ten letters was taken";
  } catch (const EInvalidGraphic& e) {
    // The size, 70, reads as "F"; its three high bytes are zeros.
    EXPECT_EQ(e.Message(), STR("Unsupported picture class TBitmapF#0#0"));
  }
  EXPECT_EQ(image.Picture()->Width(), 3);  // the failures left the picture as it was
}

TEST(Graphics, CanvasMeasuresWithFixedCellsAndDrawsUntilTheNextPaint) {
  TMemo memo(nullptr);
  memo.Font()->SetHeight(-13);
  TCanvas canvas;
  canvas.SetControl(&memo);
  EXPECT_EQ(canvas.TextHeight(STR("0")), 17);
  EXPECT_EQ(canvas.TextWidth(STR("SELECT")), 6 * 8);
  TBitmap marker;
  marker.SetSize(10, 6);
  canvas.Draw(45, 17, marker);
  ASSERT_EQ(memo.Drawings().size(), 1u);
  EXPECT_EQ(memo.Drawings()[0].X, 45);
  memo.Invalidate();
  EXPECT_EQ(memo.Drawings().size(), 1u);  // erased only when the paint happens
  memo.Update();
  EXPECT_TRUE(memo.Drawings().empty());
  TCanvas unbound;
  EXPECT_THROW(unbound.Draw(0, 0, marker), EInvalidOperation);
}

TEST(Published, LayoutPropertiesByName) {
  RegisterFormsClasses();
  const TClassInfo* cls = GetClass(STR("TButton"));
  ASSERT_NE(cls, nullptr);
  TForm form(nullptr);
  TObject* button = cls->Create(&form);
  SetOrdProp(button, STR("ModalResult"), mrOk);
  SetOrdProp(button, STR("Align"), GetEnumValue(TypeInfoAlign(), STR("alBottom")));
  SetStrProp(button, STR("Caption"), STR("&OK"));
  TObject* font = GetObjectProp(button, STR("Font"));
  SetOrdProp(font, STR("Style"), 1 << fsBold);
  EXPECT_TRUE(static_cast<TButton*>(button)->Font()->HasStyle(fsBold));
  EXPECT_EQ(IdentToInt(*GetPropInfo(button, STR("Color"))->PropType, STR("clBtnFace")), clBtnFace);
  TEdit* edit = new TEdit(&form);
  SetStrProp(edit, STR("PasswordChar"), STR("*"));
  EXPECT_EQ(edit->PasswordChar(), '*');
  EXPECT_EQ(GetPropInfo(edit, STR("OnChange"))->PropType->Name(), STR("TNotifyEvent"));
  EXPECT_EQ(GetPropInfo(&form, STR("OnCloseQuery"))->PropType->Name(), STR("TCloseQueryEvent"));
  EXPECT_NE(GetClass(STR("TTabSheet")), nullptr);
  EXPECT_NE(GetClass(STR("TPopupMenu")), nullptr);
}

TEST(Published, NestedComponentsStreamInsideTheirParents) {
  TForm form(nullptr);
  auto* panel = new TPanel(&form);
  auto* label = new TLabel(&form);
  label->SetParentComponent(panel);
  panel->SetParentComponent(&form);
  auto* menu = new TPopupMenu(&form);
  auto* item = new TMenuItem(&form);
  item->SetParentComponent(menu);
  std::vector<TComponent*> top, inside, entries;
  form.GetChildren([&](TComponent* c) { top.push_back(c); }, &form);
  panel->GetChildren([&](TComponent* c) { inside.push_back(c); }, &form);
  menu->GetChildren([&](TComponent* c) { entries.push_back(c); }, &form);
  EXPECT_EQ(top, (std::vector<TComponent*>{panel, menu}));
  EXPECT_EQ(inside, (std::vector<TComponent*>{label}));
  EXPECT_EQ(entries, (std::vector<TComponent*>{item}));
  EXPECT_EQ(item->GetParentComponent(), menu);
  delete panel;  // takes its children along, and they leave their owner
  EXPECT_EQ(form.ComponentCount(), 2);
}

}  // namespace
