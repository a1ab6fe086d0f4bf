#pragma once

#include <windows.h>

// The framework's names on the system side: window properties, class names, messages and
// timers. Other programs and skins may read the properties, so the names never change.
namespace skin {

// Window properties of a skinned window.
constexpr char kPropWindowProc[] = "Fc_hProc";
constexpr char kPropRegistryIndex[] = "Fc_lbID";
constexpr char kPropFrameworkWindow[] = "CK_Fcck";
constexpr char kPropClassCursor[] = "Ck_YGbzz";
constexpr char kPropLayered[] = "FC_Jytm";
constexpr char kPropClipBorder[] = "CK_bkdkd";
constexpr char kPropClipRadius[] = "Ck_tmyjd";
constexpr char kPropFirstShowDone[] = "Fc_Ckscxswc";
constexpr char kPropShowEffectPlayed[] = "Ck_Txyzr";
constexpr char kPropBackgroundLayer[] = "Fcsx_bjcj";
constexpr char kPropComposedSurface[] = "Fcsx_gycj";
constexpr char kPropFading[] = "Fc_Bjjbz";
constexpr char kPropFadeSnapshot[] = "Fc_Jbcj";
constexpr char kPropFadeAlpha[] = "Fc_Jbtmd";
constexpr char kPropPresenting[] = "Fc_Gxzy";
// Embedded child windows.
constexpr char kPropHiddenByProgram[] = "Fc_Ckmqyc";
constexpr char kPropFrameworkChild[] = "Fc_Cjwzj";
constexpr char kPropFrameworkParent[] = "Fc_Fjb";
// Read but never set by this program.
constexpr char kPropHostIndex[] = "Hw_lbID";
constexpr char kPropHostFuId[] = "Hw_FuID";
constexpr char kPropParentBackground[] = "CK_Bjcj";
constexpr char kPropEffectPicture[] = "CK_Ggcj";
// Shadow windows and their owners.
constexpr char kPropShadowWindow[] = "Yyck_yyWxck";
constexpr char kPropShadowOwner[] = "Yyck_yyfck";
constexpr char kPropShadowWidth[] = "Yyck_yykd";
constexpr char kPropShadowRadius[] = "Yyck_yyysd";
constexpr char kPropShadowStyle[] = "Yyck_yyys";
constexpr char kPropShadowRecord[] = "Yyck_bkID";

constexpr wchar_t kWindowClassPrefix[] = L"hbfcWindow_";
constexpr wchar_t kShadowClassName[] = L"FCckyy";

// Framework messages between windows.
constexpr UINT kMsgCompanionAttached = WM_USER + 0x35;
constexpr UINT kMsgCompanionDetached = WM_USER + 0x36;
constexpr UINT kMsgCompanionMoved = WM_USER + 0x38;
constexpr UINT kMsgGiveFocus = WM_USER + 0x88;
constexpr UINT kMsgGetBackgroundColour = WM_USER + 0x8B;
constexpr UINT kMsgGetOpacity = WM_USER + 0x8C;
constexpr UINT kMsgGetFocusedControl = WM_USER + 0x8D;
constexpr UINT kMsgRecompose = WM_USER + 0x8E;
constexpr UINT kMsgGetHotControl = WM_USER + 0xA0;
constexpr UINT kMsgQueryFocusedControl = WM_USER + 0xA2;
constexpr UINT kMsgSetFocusedControl = WM_USER + 0xA3;

// Messages a window sends its controls, and controls their containers.
constexpr UINT kMsgSetControlBackground = WM_USER + 0x7E;
constexpr UINT kMsgGetControlColour = WM_USER + 0x7F;
constexpr UINT kMsgGetControlAlpha = WM_USER + 0x80;
constexpr UINT kMsgAddChild = WM_USER + 0x81;
constexpr UINT kMsgGetWindowRect = WM_USER + 0x82;
constexpr UINT kMsgIsVisible = WM_USER + 0x83;
constexpr UINT kMsgClicked = WM_USER + 0x84;
constexpr UINT kMsgRemoveChild = WM_USER + 0x85;
constexpr UINT kMsgGetRelativeRect = WM_USER + 0x86;
constexpr UINT kMsgPresent = WM_USER + 0x8A;
constexpr UINT kMsgChildMoved = WM_USER + 0x9D;
constexpr UINT kMsgCompleteTransitions = WM_USER + 0x9F;
constexpr UINT kMsgOfferChild = WM_USER + 0xA1;

// A WM_PAINT whose lParam is this was posted by the framework, not sent by the system.
constexpr LPARAM kFrameworkPaint = 5;

// lParam bits of a control's WM_SHOWWINDOW. Bit 0 asks for a repaint; a high word of 1 means
// shown or hidden together with its container or window. The program's own requests also
// carry 0x10, which no handler reads.
constexpr LPARAM kShowRepaint = 1;
constexpr LPARAM kShownWithContainer = 0x10000;
constexpr LPARAM kShowRequested = 0x10;

// wParam of a control's WM_MOVE, whose lParam points at the new rectangle.
constexpr WPARAM kMoveNoRepaint = 0;
constexpr WPARAM kMoveRepaint = 1;
// Takes the position only, and repaints.
constexpr WPARAM kMoveKeepSize = 2;
// Repaints, and a container of kind kKindWantsChildMoves hears of the move.
constexpr WPARAM kMoveReported = 3;
// Stores the rectangle without a repaint, as kMoveNoRepaint.
constexpr WPARAM kMoveStoreOnly = 4;

// Why an element re-renders its picture. Present also puts it on screen; the hot and pressed
// looks are the button's, which presents them too.
enum class RedrawReason : int { Render = 0, Hot = 1, Leave = 2, Pressed = 3, Present = 9 };

constexpr UINT_PTR kFadeTimerId = 768;

// Control kinds in the window's control records.
constexpr int kKindLabel = 1;
constexpr int kKindToggle = 4;
constexpr int kKindPanel = 7;
constexpr int kKindPicture = 8;
constexpr int kKindColourButton = 16;
constexpr int kKindImageButton = 17;
constexpr int kKindSkinButton = 18;
constexpr int kKindCaptionButtons = 19;
constexpr int kKindWantsChildMoves = 27;
constexpr int kKindKeepsTab = 29;
// Kinds no class of this system creates, each with a behaviour of its own in the base: the
// first is redrawn, like a toggle, when it loses the focus; the second is asked before each
// of its children is shown or hidden with it.
constexpr int kKindRedrawsOnFocusLoss = 3;
constexpr int kKindOffersChildren = 9;

// Integer values of the window properties; a missing property reads as 0.
inline void setProperty(HWND window, const char* name, INT_PTR value)
{
    SetPropA(window, name, reinterpret_cast<HANDLE>(value));
}

inline INT_PTR property(HWND window, const char* name)
{
    return reinterpret_cast<INT_PTR>(GetPropA(window, name));
}

}  // namespace skin
