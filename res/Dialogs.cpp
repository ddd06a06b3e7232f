#include "res/Dialogs.h"

#include "platform/win32/DialogStyles.h"
#include "res/Resource.h"
#include "res/Texts.h"

namespace dlg {

namespace {

using namespace dlgstyle;
constexpr const char* kDialogFont = "ＭＳ Ｐゴシック";
// Centred on the screen: the owner they would otherwise sit on is hidden.
constexpr unsigned kModal = kPopup | kCaption | kSysMenu | kDsModalFrame | kDsSetFont | kDsCenter;

constexpr unsigned kEsAutoHScroll = 0x80;
constexpr unsigned kEsReadOnly = 0x800;
constexpr unsigned kEsNumber = 0x2000;
constexpr unsigned kCbsDropDownList = 0x3;
constexpr unsigned kEdit = kEsAutoHScroll | kBorder | kTabStop;
// Attached to the control before it, at its right edge, writing plain decimal numbers into it.
constexpr unsigned kUpDown = 0x2 | 0x4 | 0x10 | 0x20 | 0x80;

plat::DialogControl Rule(int y) { return {-1, "STATIC", "", kSsSunken, 7, y, 182, 1}; }
plat::DialogControl Centred(int id, const char* text, int y) {
    return {id, "STATIC", text, kSsCenter, 7, y, 182, 10};
}
plat::DialogControl Label(const char* text, int x, int y, int cx) {
    return {-1, "STATIC", text, kSsRight, x, y, cx, 8};
}
plat::DialogControl Push(int id, const char* text, int x, int y, int cx) {
    return {id, "BUTTON", text, kBsPushButton | kTabStop, x, y, cx, 14};
}

}  // namespace

const plat::DialogTemplate& About() {
    static const plat::DialogTemplate t{
        IDD_ABOUTBOX,
        "Brisalto のﾊﾞｰｼﾞｮﾝ情報",
        kModal,
        0,
        197,
        115,
        kDialogFont,
        9,
        {
            {-1, "STATIC", "#128", kSsIcon, 9, 8, 20, 20},
            Rule(36),
            Centred(-1, "Brisalto", 43),
            Rule(57),
            Centred(kAboutVersion, "", 65),
            Centred(-1, "Kestrowave", 78),
            Rule(92),
            {1, "BUTTON", "OK", kBsDefPushButton | kTabStop | kGroup, 125, 98, 42, 14},
        }};
    return t;
}

const plat::DialogTemplate& ButtonSize() {
    static const plat::DialogTemplate t{
        IDD_BUTTONSIZE,
        "ﾎﾞﾀﾝのｻｲｽﾞ",
        kModal,
        0,
        123,
        49,
        kDialogFont,
        9,
        {
            {-1, "STATIC", "ﾎﾞﾀﾝのｻｲｽﾞを全て揃えます。", kSsCenter, 2, 10, 119, 8},
            {kSizeEdit, "EDIT", "", kEsNumber | kEsAutoHScroll | kBorder | kTabStop, 14, 28, 23,
             14},
            {kSizeSpin, "msctls_updown32", "Spin1", kUpDown, 36, 27, 10, 14},
            {1, "BUTTON", "OK", kBsDefPushButton | kTabStop, 46, 28, 36, 14},
            {2, "BUTTON", text::kCancel, kBsPushButton | kTabStop, 82, 28, 36, 14},
        }};
    return t;
}

const plat::DialogTemplate& WatchSet() {
    static const plat::DialogTemplate t{
        IDD_WATCHSET,
        text::kWatchSetCaption,
        kModal,
        0,
        187,
        93,
        kDialogFont,
        9,
        {
            {kWatchFont, "BUTTON", text::kWatchSetFont, kBsPushButton | kTabStop, 6, 47, 50, 14},
            {kWatchTopmost, "BUTTON", text::kWatchSetTopmost, kBsAutoCheckBox | kTabStop, 5, 72, 63,
             10},
            {kWatchTextColour, "BUTTON", text::kWatchSetTextColour, kBsPushButton | kTabStop, 68,
             47, 50, 14},
            {kWatchBackColour, "BUTTON", text::kWatchSetBackColour, kBsPushButton | kTabStop, 68,
             69, 50, 14},
            {1, "BUTTON", "OK", kBsDefPushButton | kTabStop, 132, 47, 50, 14},
            {2, "BUTTON", text::kCancel, kBsPushButton | kTabStop, 132, 69, 50, 14},
            {kWatchPreview, "STATIC", "", kSsCenter, 46, 17, 95, 8, true},
            {kWatchPreviewBound, "STATIC", "", 0, 178, 37, 8, 8},
        }};
    return t;
}

// The list draws its own rows, variable in height, and stores no strings.
constexpr unsigned kOwnerDrawnList = 0x1 | 0x20 | 0x100 | kVScroll | kBorder | kTabStop;

const plat::DialogTemplate& Order() {
    static const plat::DialogTemplate t{
        IDD_ORDER,
        "整列の順序",
        kModal,
        0,
        143,
        125,
        kDialogFont,
        9,
        {
            {kOrderList, "LISTBOX", "", kOwnerDrawnList, 5, 8, 84, 110},
            {kOrderUp, "BUTTON", "↑上へ", kBsPushButton | kTabStop, 96, 19, 40, 14},
            {kOrderDown, "BUTTON", "↓下へ", kBsPushButton | kTabStop, 96, 36, 40, 14},
            {1, "BUTTON", "閉じる", kBsPushButton | kDisabled, 130, 61, 11, 7, true},
            // The default button: Enter closes the dialog as Escape does, wherever the focus is.
            {2, "BUTTON", "閉じる", kBsDefPushButton | kTabStop, 96, 104, 40, 14},
            {-1, "BUTTON", "", kBsGroupBox, 91, 9, 49, 46},
            {-1, "STATIC", "#128", kSsIcon, 106, 62, 18, 20},
            {-1, "STATIC", "Brisalto", kSsCenter, 97, 85, 40, 17},
        }};
    return t;
}

const plat::DialogTemplate& Setting() {
    static const plat::DialogTemplate t{
        IDD_SETTING,
        "設定",
        kModal,
        kExAcceptFiles,
        279,
        93,
        kDialogFont,
        9,
        {
            // Each label stands just before its control: a screen reader names the control after
            // it, and the tab order, which only the controls make, stays as it is.
            Label("ﾀｲﾄﾙ ：", 43, 10, 28),
            {kSetTitle, "EDIT", "", kEdit, 75, 5, 147, 14},
            Label("ﾌﾙﾊﾟｽ ：", 40, 27, 31),
            {kSetPath, "EDIT", "", kEdit, 75, 22, 147, 14},
            Label("起動時のﾃﾞｨﾚｸﾄﾘ ：", 3, 44, 68),
            {kSetDir, "EDIT", "", kEdit, 75, 39, 147, 14},
            Label("起動時のﾊﾟﾗﾒｰﾀ ：", 3, 60, 68),
            {kSetParm, "EDIT", "", kEdit, 75, 56, 147, 14},
            Label("起動時の大きさ ：", 3, 76, 68),
            {kSetShowMode, "COMBOBOX", "", kCbsDropDownList | kVScroll | kTabStop, 75, 73, 69, 44},
            Label("ﾎﾞﾀﾝのｻｲｽﾞ ：", 146, 76, 47),
            // Letters are not kept out: the check on OK names what is wrong.
            {kSizeEdit, "EDIT", "", kEdit, 196, 73, 25, 14},
            {kSizeSpin, "msctls_updown32", "", kUpDown, 220, 73, 9, 14},
            Push(kSetChangeIcon, "ｱｲｺﾝの変更", 226, 5, 48),
            Push(kSetBrowse, "参照", 226, 22, 48),
            Push(1, "OK", 226, 56, 48),
            Push(2, "ｷｬﾝｾﾙ", 226, 73, 48),
            {kSetPreview, "STATIC", "", kSsIcon, 15, 12, 20, 20},
            {-1, "BUTTON", "ｱｲｺﾝ", kBsGroupBox, 9, 4, 29, 33},
        }};
    return t;
}

const plat::DialogTemplate& IconChange() {
    static const plat::DialogTemplate t{
        IDD_ICONCHANGE,
        "ｱｲｺﾝの変更",
        kModal,
        0,
        223,
        79,
        kDialogFont,
        9,
        {
            // In the order they are read: the file and its browse button, the steps through its
            // icons, the way back to the program's own, then OK and cancel.
            {-1, "STATIC", "ｱｲｺﾝのﾌｧｲﾙ名", kSsCenter, 5, 19, 59, 8},
            // Read-only: a file is chosen by browsing, never typed.
            {kIconFile, "EDIT", "", kEdit | kEsReadOnly, 71, 15, 90, 14},
            Push(kIconBrowse, "参照", 173, 15, 39),
            Push(kIconPrevious, "<-", 68, 48, 27),
            Push(kIconNext, "->", 95, 48, 28),
            Push(kIconDefault, "標準のｱｲｺﾝ", 68, 62, 55),
            Push(1, "OK", 134, 61, 39),
            Push(2, "ｷｬﾝｾﾙ", 173, 61, 39),
            {kIconPreview, "STATIC", "", kSsIcon | kSsSunken, 23, 52, 18, 20},
        }};
    return t;
}

const plat::DialogTemplate& Hotkey() {
    // In the order Tab walks: the label hands its mnemonic on to the control after it.
    static const plat::DialogTemplate t{
        IDD_HOTKEY,
        text::kHotkeyCaption,
        kModal,
        0,
        186,
        76,
        kDialogFont,
        9,
        {
            {-1, "STATIC", text::kHotkeyLabel, 0, 7, 9, 76, 8},
            {kHotkeyKey, "msctls_hotkey32", "", kBorder | kTabStop, 84, 7, 95, 13},
            {-1, "STATIC", text::kHotkeyHint, 0, 7, 25, 172, 8},
            {kHotkeyState, "STATIC", "", 0, 7, 37, 172, 8},
            Push(kHotkeyClear, text::kHotkeyNone, 7, 55, 50),
            {1, "BUTTON", "OK", kBsDefPushButton | kTabStop, 82, 55, 46, 14},
            Push(2, text::kCancel, 133, 55, 46),
        }};
    return t;
}

}  // namespace dlg
