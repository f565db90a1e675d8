#include "classes/IntegerConsts.h"
#include "forms/Forms.h"

namespace {

void RegisterIdentifiers() {
  RegisterIntegerConsts(TypeInfoColor(), {{STR("clBlack"), clBlack},
                                          {STR("clMaroon"), clMaroon},
                                          {STR("clGreen"), clGreen},
                                          {STR("clOlive"), clOlive},
                                          {STR("clNavy"), clNavy},
                                          {STR("clPurple"), clPurple},
                                          {STR("clTeal"), clTeal},
                                          {STR("clGray"), clGray},
                                          {STR("clSilver"), clSilver},
                                          {STR("clRed"), clRed},
                                          {STR("clLime"), clLime},
                                          {STR("clYellow"), clYellow},
                                          {STR("clBlue"), clBlue},
                                          {STR("clFuchsia"), clFuchsia},
                                          {STR("clAqua"), clAqua},
                                          {STR("clWhite"), clWhite},
                                          {STR("clScrollBar"), clSystemColor | 0},
                                          {STR("clBackground"), clSystemColor | 1},
                                          {STR("clActiveCaption"), clSystemColor | 2},
                                          {STR("clInactiveCaption"), clSystemColor | 3},
                                          {STR("clMenu"), clSystemColor | 4},
                                          {STR("clWindow"), clWindow},
                                          {STR("clWindowFrame"), clSystemColor | 6},
                                          {STR("clMenuText"), clSystemColor | 7},
                                          {STR("clWindowText"), clWindowText},
                                          {STR("clCaptionText"), clSystemColor | 9},
                                          {STR("clActiveBorder"), clSystemColor | 10},
                                          {STR("clInactiveBorder"), clSystemColor | 11},
                                          {STR("clAppWorkSpace"), clSystemColor | 12},
                                          {STR("clHighlight"), clHighlight},
                                          {STR("clHighlightText"), clSystemColor | 14},
                                          {STR("clBtnFace"), clBtnFace},
                                          {STR("clBtnShadow"), clSystemColor | 16},
                                          {STR("clGrayText"), clSystemColor | 17},
                                          {STR("clBtnText"), clBtnText},
                                          {STR("clInactiveCaptionText"), clSystemColor | 19},
                                          {STR("clBtnHighlight"), clSystemColor | 20},
                                          {STR("cl3DDkShadow"), clSystemColor | 21},
                                          {STR("cl3DLight"), clSystemColor | 22},
                                          {STR("clInfoText"), clSystemColor | 23},
                                          {STR("clInfoBk"), clSystemColor | 24},
                                          {STR("clHotLight"), clSystemColor | 26},
                                          {STR("clNone"), clNone},
                                          {STR("clDefault"), clDefault}});
  RegisterIntegerConsts(TypeInfoCursor(), {{STR("crDefault"), crDefault},
                                           {STR("crNone"), crNone},
                                           {STR("crArrow"), crArrow},
                                           {STR("crCross"), crCross},
                                           {STR("crIBeam"), crIBeam},
                                           {STR("crSizeNS"), crSizeNS},
                                           {STR("crSizeWE"), crSizeWE},
                                           {STR("crHourGlass"), crHourGlass},
                                           {STR("crHSplit"), crHSplit},
                                           {STR("crVSplit"), crVSplit},
                                           {STR("crNo"), crNo},
                                           {STR("crAppStart"), crAppStart},
                                           {STR("crHelp"), crHelp},
                                           {STR("crHandPoint"), crHandPoint}});
  RegisterIntegerConsts(TypeInfoFontCharset(), {{STR("ANSI_CHARSET"), 0},
                                                {STR("DEFAULT_CHARSET"), DEFAULT_CHARSET},
                                                {STR("SYMBOL_CHARSET"), 2},
                                                {STR("MAC_CHARSET"), 77},
                                                {STR("SHIFTJIS_CHARSET"), 128},
                                                {STR("HANGEUL_CHARSET"), 129},
                                                {STR("JOHAB_CHARSET"), 130},
                                                {STR("GB2312_CHARSET"), 134},
                                                {STR("CHINESEBIG5_CHARSET"), 136},
                                                {STR("GREEK_CHARSET"), 161},
                                                {STR("TURKISH_CHARSET"), 162},
                                                {STR("VIETNAMESE_CHARSET"), 163},
                                                {STR("HEBREW_CHARSET"), 177},
                                                {STR("ARABIC_CHARSET"), 178},
                                                {STR("BALTIC_CHARSET"), 186},
                                                {STR("RUSSIAN_CHARSET"), 204},
                                                {STR("THAI_CHARSET"), 222},
                                                {STR("EASTEUROPE_CHARSET"), 238},
                                                {STR("OEM_CHARSET"), 255}});
  RegisterIntegerConsts(TypeInfoModalResult(), {{STR("mrNone"), mrNone},
                                                {STR("mrOk"), mrOk},
                                                {STR("mrCancel"), mrCancel},
                                                {STR("mrAbort"), mrAbort},
                                                {STR("mrRetry"), mrRetry},
                                                {STR("mrIgnore"), mrIgnore},
                                                {STR("mrYes"), mrYes},
                                                {STR("mrNo"), mrNo},
                                                {STR("mrAll"), mrAll},
                                                {STR("mrNoToAll"), mrNoToAll},
                                                {STR("mrYesToAll"), mrYesToAll},
                                                {STR("mrClose"), mrClose}});
}

}  // namespace

void RegisterFormsClasses() {
  RegisterClassesUnit();
  for (const TClassInfo* cls :
       {&TFont::StaticClass(),       &TBitmap::StaticClass(),      &TPicture::StaticClass(),
        &TControl::StaticClass(),    &TWinControl::StaticClass(),  &TCustomForm::StaticClass(),
        &TForm::StaticClass(),       &TLabel::StaticClass(),       &TEdit::StaticClass(),
        &TMemo::StaticClass(),       &TListBox::StaticClass(),     &TComboBox::StaticClass(),
        &TCheckBox::StaticClass(),   &TButton::StaticClass(),      &TGroupBox::StaticClass(),
        &TRadioGroup::StaticClass(), &TPageControl::StaticClass(), &TTabSheet::StaticClass(),
        &TPanel::StaticClass(),      &TSplitter::StaticClass(),    &TBevel::StaticClass(),
        &TImage::StaticClass(),      &TMenuItem::StaticClass(),    &TPopupMenu::StaticClass()}) {
    RegisterClass(*cls);
  }
  RegisterIdentifiers();
}
