#pragma once
// Types shared by the form library: modal results, cursors, alignment, key codes, event
// signatures and the type descriptions that let form files set enumerations by name.
#include <cstdint>

#include "classes/Alignment.h"
#include "classes/TypInfo.h"

// Raised for operations that the state of a control or form forbids.
class EInvalidOperation : public Exception {
  using Exception::Exception;
};

using TModalResult = int;
inline constexpr TModalResult mrNone = 0;
inline constexpr TModalResult mrOk = 1;
inline constexpr TModalResult mrCancel = 2;
inline constexpr TModalResult mrAbort = 3;
inline constexpr TModalResult mrRetry = 4;
inline constexpr TModalResult mrIgnore = 5;
inline constexpr TModalResult mrYes = 6;
inline constexpr TModalResult mrNo = 7;
inline constexpr TModalResult mrAll = 8;
inline constexpr TModalResult mrNoToAll = 9;
inline constexpr TModalResult mrYesToAll = 10;
inline constexpr TModalResult mrClose = 11;

using TCursor = int;
inline constexpr TCursor crDefault = 0;
inline constexpr TCursor crNone = -1;
inline constexpr TCursor crArrow = -2;
inline constexpr TCursor crCross = -3;
inline constexpr TCursor crIBeam = -4;
inline constexpr TCursor crSizeNS = -7;
inline constexpr TCursor crSizeWE = -9;
inline constexpr TCursor crHourGlass = -11;
inline constexpr TCursor crHSplit = -14;
inline constexpr TCursor crVSplit = -15;
inline constexpr TCursor crNo = -18;
inline constexpr TCursor crAppStart = -19;
inline constexpr TCursor crHelp = -20;
inline constexpr TCursor crHandPoint = -21;

// Characters that keys produce in key-press events.
inline constexpr Char VK_BACK = 8;
inline constexpr Char VK_TAB = 9;
inline constexpr Char VK_RETURN = 13;
inline constexpr Char VK_ESCAPE = 27;
inline constexpr Char CTRL_A = 1;

enum class TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };
// Anchors: a set of TAnchorKind, bit n for ordinal n.
enum TAnchorKind { akLeft, akTop, akRight, akBottom };
using TAnchors = uint8_t;
inline constexpr TAnchors kDefaultAnchors = (1 << akLeft) | (1 << akTop);

enum class TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };
enum class TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
enum TBorderIcon { biSystemMenu, biMinimize, biMaximize, biHelp };
using TBorderIcons = uint8_t;
enum class TPosition {
  poDesigned,
  poDefault,
  poDefaultPosOnly,
  poDefaultSizeOnly,
  poScreenCenter,
  poDesktopCenter,
  poMainFormCenter,
  poOwnerFormCenter
};
enum class TCloseAction { caNone, caHide, caFree, caMinimize };
enum class TComboBoxStyle {
  csDropDown,
  csSimple,
  csDropDownList,
  csOwnerDrawFixed,
  csOwnerDrawVariable
};
enum class TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };
enum class TBevelCut { bvNone, bvLowered, bvRaised, bvSpace };
enum class TBevelShape {
  bsBox,
  bsFrame,
  bsTopLine,
  bsBottomLine,
  bsLeftLine,
  bsRightLine,
  bsSpacer
};
enum class TBevelStyle { bsLowered, bsRaised };
enum class TTextLayout { tlTop, tlCenter, tlBottom };
enum class TBorderStyle { bsNone, bsSingle };

// Type descriptions of the published enumerations and sets.
const TTypeInfo& TypeInfoAlign();
const TTypeInfo& TypeInfoAnchors();
const TTypeInfo& TypeInfoScrollStyle();
const TTypeInfo& TypeInfoFormBorderStyle();
const TTypeInfo& TypeInfoBorderIcons();
const TTypeInfo& TypeInfoPosition();
const TTypeInfo& TypeInfoComboBoxStyle();
const TTypeInfo& TypeInfoCheckBoxState();
const TTypeInfo& TypeInfoBevelCut();
const TTypeInfo& TypeInfoBevelShape();
const TTypeInfo& TypeInfoBevelStyle();
const TTypeInfo& TypeInfoTextLayout();
const TTypeInfo& TypeInfoBorderStyle();
// Integer types whose values form files may write as identifiers (clBtnFace, crHandPoint).
const TTypeInfo& TypeInfoColor();
const TTypeInfo& TypeInfoCursor();
const TTypeInfo& TypeInfoFontCharset();
const TTypeInfo& TypeInfoModalResult();
// A single character, passed as a string of length 0 (none) or 1.
const TTypeInfo& TypeInfoChar();

// Event signatures. Handlers are methods of the object named in the TMethod, found by name.
//   TNotifyEvent        void (TObject* Sender)
//   TKeyPressEvent      void (TObject* Sender, Char& Key)
//   TCloseQueryEvent    void (TObject* Sender, bool& CanClose)
//   TCloseEvent         void (TObject* Sender, TCloseAction& Action)
//   TTabChangingEvent   void (TObject* Sender, bool& AllowChange)
//   TCanResizeEvent     void (TObject* Sender, int& NewSize, bool& Accept)
inline void FireNotify(const TMethod& event, TObject* sender) {
  CallMethod<void, TObject*>(event, sender);
}
inline void FireKeyPress(const TMethod& event, TObject* sender, Char& key) {
  CallMethod<void, TObject*, Char&>(event, sender, key);
}
inline void FireBoolQuery(const TMethod& event, TObject* sender, bool& answer) {
  CallMethod<void, TObject*, bool&>(event, sender, answer);
}
inline void FireClose(const TMethod& event, TObject* sender, TCloseAction& action) {
  CallMethod<void, TObject*, TCloseAction&>(event, sender, action);
}
inline void FireCanResize(const TMethod& event, TObject* sender, int& newSize, bool& accept) {
  CallMethod<void, TObject*, int&, bool&>(event, sender, newSize, accept);
}
