#include <windows.h>

#include <gtest/gtest.h>

#include <cwctype>
#include <map>
#include <string>
#include <vector>

#include "platform/win32/DialogTemplate.h"
#include "platform/win32/Utf.h"
#include "platform/win32/Win32Platform.h"
#include "res/Dialogs.h"

namespace {

// A dialog of the program made from its template, as the real dialog manager runs it; it hears
// nothing but the commands the keys send.
class KeyedDialog {
  public:
    explicit KeyedDialog(const plat::DialogTemplate& t) : m_words(win32::BuildDialogTemplate(t)) {
        m_hwnd = CreateDialogIndirectParamW(GetModuleHandleW(nullptr),
                                            reinterpret_cast<const DLGTEMPLATE*>(m_words.data()),
                                            nullptr, Proc, reinterpret_cast<LPARAM>(this));
        if (m_hwnd == nullptr) return;
        ShowWindow(m_hwnd, SW_SHOW);
        SetForegroundWindow(m_hwnd);
        // As the system does when the dialog opens: the first control that takes the focus.
        SetFocus(GetNextDlgTabItem(m_hwnd, nullptr, FALSE));
    }
    ~KeyedDialog() {
        if (m_hwnd != nullptr) DestroyWindow(m_hwnd);
    }
    KeyedDialog(const KeyedDialog&) = delete;
    KeyedDialog& operator=(const KeyedDialog&) = delete;

    HWND Window() const { return m_hwnd; }
    int Focused() const { return GetFocus() != nullptr ? GetDlgCtrlID(GetFocus()) : 0; }
    // A key as the message loop hands it to the dialog manager; the commands it sent.
    std::vector<int> Press(UINT message, WPARAM key) {
        commands.clear();
        MSG msg{GetFocus(), message, key, 1, static_cast<DWORD>(GetMessageTime()), {}};
        IsDialogMessageW(m_hwnd, &msg);
        return commands;
    }

    std::vector<int> commands;

  private:
    static INT_PTR CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
        if (msg == WM_INITDIALOG) {
            SetWindowLongPtrW(hwnd, DWLP_USER, lParam);
            return TRUE;
        }
        auto* self = reinterpret_cast<KeyedDialog*>(GetWindowLongPtrW(hwnd, DWLP_USER));
        if (msg == WM_COMMAND && self != nullptr && HIWORD(wParam) == BN_CLICKED) {
            self->commands.push_back(LOWORD(wParam));
            return TRUE;
        }
        return FALSE;
    }

    std::vector<WORD> m_words;
    HWND m_hwnd = nullptr;
};

struct Walk {
    const char* name;
    const plat::DialogTemplate& (*dialog)();
    std::vector<int> tabOrder;  // from the control that has the focus when it opens
    int enter;                  // what Enter sends from a control that is not a push button
    std::vector<int> labelled;  // the controls a screen reader names after the label before them
};

class DialogKeys : public testing::TestWithParam<Walk> {
  protected:
    // The thread as the program sets it up, common controls and all.
    win32::Win32Platform platform;
};

bool TakesInput(HWND control) {
    wchar_t cls[64] = {};
    GetClassNameW(control, cls, 64);
    const LONG style = GetWindowLongW(control, GWL_STYLE);
    if (_wcsicmp(cls, L"Button") == 0) return (style & BS_TYPEMASK) != BS_GROUPBOX;
    return _wcsicmp(cls, L"Edit") == 0 || _wcsicmp(cls, L"ComboBox") == 0 ||
           _wcsicmp(cls, L"ListBox") == 0;
}

TEST_P(DialogKeys, TabReachesEveryControlInReadingOrderAndWrapsShiftTabWalksBack) {
    KeyedDialog d(GetParam().dialog());
    ASSERT_NE(d.Window(), nullptr);
    std::vector<int> walked;
    for (int i = 0; i < 40; ++i) {
        walked.push_back(d.Focused());
        d.Press(WM_KEYDOWN, VK_TAB);
        if (d.Focused() == walked.front()) break;
    }
    EXPECT_EQ(walked, GetParam().tabOrder);

    // Every control a user works with is on the way: none is left to the mouse.
    for (HWND c = GetWindow(d.Window(), GW_CHILD); c != nullptr; c = GetWindow(c, GW_HWNDNEXT)) {
        if (!TakesInput(c) || !IsWindowVisible(c) || !IsWindowEnabled(c)) continue;
        EXPECT_NE(std::find(walked.begin(), walked.end(), GetDlgCtrlID(c)), walked.end())
            << "not reached by Tab: " << GetDlgCtrlID(c);
    }

    std::vector<int> back;
    for (HWND c = GetFocus(); back.size() < walked.size();) {
        c = GetNextDlgTabItem(d.Window(), c, TRUE);
        back.push_back(GetDlgCtrlID(c));
    }
    std::vector<int> reversed(walked.rbegin(), walked.rend());
    EXPECT_EQ(back, reversed);
}

TEST_P(DialogKeys, EnterConfirmsFromAnyFieldAndEscapeCancels) {
    KeyedDialog d(GetParam().dialog());
    ASSERT_NE(d.Window(), nullptr);
    for (int id : GetParam().tabOrder) {
        HWND control = GetDlgItem(d.Window(), id);
        // Through the dialog manager, as Tab moves it: a push button that gets the focus so
        // becomes the default one.
        SendMessageW(d.Window(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control), TRUE);
        const bool pushButton = (SendMessageW(control, WM_GETDLGCODE, 0, 0) &
                                 (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON)) != 0;
        // A push button with the focus is the one Enter presses.
        EXPECT_EQ(d.Press(WM_KEYDOWN, VK_RETURN),
                  (std::vector<int>{pushButton ? id : GetParam().enter}))
            << "Enter at " << id;
        EXPECT_EQ(d.Press(WM_KEYDOWN, VK_ESCAPE), std::vector<int>{IDCANCEL}) << "Escape at " << id;
    }
}

TEST_P(DialogKeys, EveryMnemonicIsItsDialogsOnlyOneAndReachesAControl) {
    KeyedDialog d(GetParam().dialog());
    ASSERT_NE(d.Window(), nullptr);
    std::map<wchar_t, int> mnemonics;
    for (const plat::DialogControl& c : GetParam().dialog().controls) {
        const std::wstring text = win32::Widen(c.text);
        for (std::size_t at = text.find(L'&'); at != std::wstring::npos && at + 1 < text.size();
             at = text.find(L'&', at + 2)) {
            if (text[at + 1] == L'&') continue;
            const wchar_t key = static_cast<wchar_t>(std::towlower(text[at + 1]));
            EXPECT_EQ(mnemonics.count(key), 0u) << "two controls answer Alt+" << char(key);
            mnemonics[key] = c.id;
        }
    }
    for (const auto& [key, id] : mnemonics) {
        SetFocus(GetNextDlgTabItem(d.Window(), nullptr, FALSE));
        const int before = d.Focused();
        const std::vector<int> sent = d.Press(WM_SYSCHAR, key);
        EXPECT_TRUE(!sent.empty() || d.Focused() != before)
            << "Alt+" << char(key) << " does nothing";
    }
}

// Screen readers name an edit, a list or a combo box after the static text just before it.
TEST_P(DialogKeys, EveryFieldFollowsItsLabel) {
    const auto& controls = GetParam().dialog().controls;
    for (int id : GetParam().labelled) {
        const auto it = std::find_if(controls.begin(), controls.end(),
                                     [&](const plat::DialogControl& c) { return c.id == id; });
        ASSERT_NE(it, controls.end());
        ASSERT_NE(it, controls.begin()) << id;
        const plat::DialogControl& label = *(it - 1);
        EXPECT_EQ(std::string(label.className), "STATIC") << id;
        EXPECT_FALSE(std::string(label.text).empty()) << id;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Templates, DialogKeys,
    testing::Values(
        Walk{"Settings",
             &dlg::Setting,
             {dlg::kSetTitle, dlg::kSetPath, dlg::kSetDir, dlg::kSetParm, dlg::kSetShowMode,
              dlg::kSizeEdit, dlg::kSetChangeIcon, dlg::kSetBrowse, IDOK, IDCANCEL},
             IDOK,
             {dlg::kSetTitle, dlg::kSetPath, dlg::kSetDir, dlg::kSetParm, dlg::kSetShowMode,
              dlg::kSizeEdit}},
        Walk{"IconChange",
             &dlg::IconChange,
             {dlg::kIconFile, dlg::kIconBrowse, dlg::kIconPrevious, dlg::kIconNext,
              dlg::kIconDefault, IDOK, IDCANCEL},
             IDOK,
             {dlg::kIconFile}},
        Walk{"Order",
             &dlg::Order,
             {dlg::kOrderList, dlg::kOrderUp, dlg::kOrderDown, IDCANCEL},
             IDCANCEL,
             {}},
        Walk{"OneSize", &dlg::ButtonSize, {dlg::kSizeEdit, IDOK, IDCANCEL}, IDOK, {dlg::kSizeEdit}},
        Walk{"ClockSettings",
             &dlg::WatchSet,
             {dlg::kWatchFont, dlg::kWatchTopmost, dlg::kWatchTextColour, dlg::kWatchBackColour,
              IDOK, IDCANCEL},
             IDOK,
             {}},
        Walk{"About", &dlg::About, {IDOK}, IDOK, {}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
