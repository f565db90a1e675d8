#include "forms/FormTypes.h"

// One function per type, each holding its description.
#define OMBRIX_ENUM_TYPE(Function, Kind, Name, ...)                               \
  const TTypeInfo& Function() {                                                   \
    static const TTypeInfo t{TTypeKind::Kind, STR(Name), {__VA_ARGS__}, nullptr}; \
    return t;                                                                     \
  }

OMBRIX_ENUM_TYPE(TypeInfoAlign, tkEnumeration, "TAlign", STR("alNone"), STR("alTop"),
                 STR("alBottom"), STR("alLeft"), STR("alRight"), STR("alClient"))
OMBRIX_ENUM_TYPE(TypeInfoAnchors, tkSet, "TAnchors", STR("akLeft"), STR("akTop"), STR("akRight"),
                 STR("akBottom"))
OMBRIX_ENUM_TYPE(TypeInfoScrollStyle, tkEnumeration, "TScrollStyle", STR("ssNone"),
                 STR("ssHorizontal"), STR("ssVertical"), STR("ssBoth"))
OMBRIX_ENUM_TYPE(TypeInfoFormBorderStyle, tkEnumeration, "TFormBorderStyle", STR("bsNone"),
                 STR("bsSingle"), STR("bsSizeable"), STR("bsDialog"), STR("bsToolWindow"),
                 STR("bsSizeToolWin"))
OMBRIX_ENUM_TYPE(TypeInfoBorderIcons, tkSet, "TBorderIcons", STR("biSystemMenu"), STR("biMinimize"),
                 STR("biMaximize"), STR("biHelp"))
OMBRIX_ENUM_TYPE(TypeInfoPosition, tkEnumeration, "TPosition", STR("poDesigned"), STR("poDefault"),
                 STR("poDefaultPosOnly"), STR("poDefaultSizeOnly"), STR("poScreenCenter"),
                 STR("poDesktopCenter"), STR("poMainFormCenter"), STR("poOwnerFormCenter"))
OMBRIX_ENUM_TYPE(TypeInfoComboBoxStyle, tkEnumeration, "TComboBoxStyle", STR("csDropDown"),
                 STR("csSimple"), STR("csDropDownList"), STR("csOwnerDrawFixed"),
                 STR("csOwnerDrawVariable"))
OMBRIX_ENUM_TYPE(TypeInfoCheckBoxState, tkEnumeration, "TCheckBoxState", STR("cbUnchecked"),
                 STR("cbChecked"), STR("cbGrayed"))
OMBRIX_ENUM_TYPE(TypeInfoBevelCut, tkEnumeration, "TBevelCut", STR("bvNone"), STR("bvLowered"),
                 STR("bvRaised"), STR("bvSpace"))
OMBRIX_ENUM_TYPE(TypeInfoBevelShape, tkEnumeration, "TBevelShape", STR("bsBox"), STR("bsFrame"),
                 STR("bsTopLine"), STR("bsBottomLine"), STR("bsLeftLine"), STR("bsRightLine"),
                 STR("bsSpacer"))
OMBRIX_ENUM_TYPE(TypeInfoBevelStyle, tkEnumeration, "TBevelStyle", STR("bsLowered"),
                 STR("bsRaised"))
OMBRIX_ENUM_TYPE(TypeInfoTextLayout, tkEnumeration, "TTextLayout", STR("tlTop"), STR("tlCenter"),
                 STR("tlBottom"))
OMBRIX_ENUM_TYPE(TypeInfoBorderStyle, tkEnumeration, "TBorderStyle", STR("bsNone"), STR("bsSingle"))
OMBRIX_ENUM_TYPE(TypeInfoColor, tkInteger, "TColor")
OMBRIX_ENUM_TYPE(TypeInfoCursor, tkInteger, "TCursor")
OMBRIX_ENUM_TYPE(TypeInfoFontCharset, tkInteger, "TFontCharset")
OMBRIX_ENUM_TYPE(TypeInfoModalResult, tkInteger, "TModalResult")
OMBRIX_ENUM_TYPE(TypeInfoChar, tkString, "Char")
