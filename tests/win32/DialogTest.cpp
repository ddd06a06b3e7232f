#include <windows.h>
#include <commctrl.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "RealFiles.h"
#include "platform/win32/Utf.h"
#include "platform/win32/Win32Platform.h"
#include "res/Dialogs.h"

namespace {

using win32::Narrow;

// A real modal dialog that runs `init` in its initialisation and records what it hears.
class Recording : public plat::IDialogEvents {
  public:
    explicit Recording(std::function<void(plat::IDialog&)> init) : m_init(std::move(init)) {}
    void OnInitDialog(plat::IDialog& dialog) override { m_init(dialog); }
    void OnCommand(plat::IDialog& dialog, int id, int notifyCode) override {
        commands.emplace_back(id, notifyCode);
        plat::IDialogEvents::OnCommand(dialog, id, notifyCode);
    }
    void OnDropFiles(plat::IDialog& dialog, const std::vector<std::string>& files) override {
        dropped = files;
        dialog.End(plat::mb::kIdOk);
    }

    std::vector<std::pair<int, int>> commands;
    std::vector<std::string> dropped;

  private:
    std::function<void(plat::IDialog&)> m_init;
};

HWND Item(plat::IDialog& d, int id) {
    return GetDlgItem(reinterpret_cast<HWND>(d.Window().value), id);
}

class Dialogs : public testing::Test {
  protected:
    int Run(const plat::DialogTemplate& t, Recording& events) {
        return platform.Dialogs().RunModalDialog(t, {}, events);
    }
    win32::Win32Platform platform;
};

TEST_F(Dialogs, SettingAnEditsTextReportsAnUpdateAsTypingDoes) {
    Recording events([](plat::IDialog& d) {
        d.SetItemText(dlg::kSetPath, "C:\\A.EXE");
        d.End(plat::mb::kIdCancel);
    });
    Run(dlg::Setting(), events);
    EXPECT_NE(std::find(events.commands.begin(), events.commands.end(),
                        std::pair<int, int>{dlg::kSetPath, plat::kEditUpdate}),
              events.commands.end());
}

TEST_F(Dialogs, AComboBoxTakesItemsAndAnIndexOutsideThemSelectsNothing) {
    std::vector<int> selections;
    Recording events([&](plat::IDialog& d) {
        const std::vector<std::string> modes = {"通常のｳｲﾝﾄﾞｳ", "最小化", "最大化"};
        for (int index : {-1, 2, 5, 0, -1}) {
            d.SetComboItems(dlg::kSetShowMode, modes, index);
            selections.push_back(d.ComboSelection(dlg::kSetShowMode));
        }
        EXPECT_EQ(SendMessageW(Item(d, dlg::kSetShowMode), CB_GETCOUNT, 0, 0), 3)
            << "filled anew, not added to";
        wchar_t text[32] = {};
        SendMessageW(Item(d, dlg::kSetShowMode), CB_GETLBTEXT, 1, reinterpret_cast<LPARAM>(text));
        EXPECT_EQ(Narrow(text), "最小化");
        d.End(plat::mb::kIdCancel);
    });
    Run(dlg::Setting(), events);
    EXPECT_EQ(selections, (std::vector<int>{-1, 2, -1, 0, -1}));
}

TEST_F(Dialogs, AnIconStaticShowsTheLentIconAndNothingWhenGivenNone) {
    const plat::Icon shared(reinterpret_cast<std::uintptr_t>(LoadIconW(nullptr, IDI_ASTERISK)),
                            nullptr);
    Recording events([&](plat::IDialog& d) {
        d.SetItemIcon(dlg::kIconPreview, &shared);
        EXPECT_EQ(SendMessageW(Item(d, dlg::kIconPreview), STM_GETICON, 0, 0),
                  static_cast<LRESULT>(shared.Get()));
        d.SetItemIcon(dlg::kIconPreview, nullptr);
        EXPECT_EQ(SendMessageW(Item(d, dlg::kIconPreview), STM_GETICON, 0, 0), 0);
        d.End(plat::mb::kIdCancel);
    });
    Run(dlg::IconChange(), events);
}

TEST_F(Dialogs, FilesDroppedOnTheSettingsDialogArriveWholeAndInOrder) {
    const std::vector<std::wstring> names = {L"C:\\ﾃｽﾄ\\一.exe", L"D:\\two.txt",
                                             L"C:\\" + std::wstring(300, L'x') + L".doc"};
    Recording events([&](plat::IDialog& d) {
        EXPECT_TRUE(GetWindowLongPtrW(reinterpret_cast<HWND>(d.Window().value), GWL_EXSTYLE) &
                    WS_EX_ACCEPTFILES);
        std::wstring list;
        for (const auto& n : names) list += n + L'\0';
        list += L'\0';
        HGLOBAL drop = GlobalAlloc(GHND, sizeof(DROPFILES) + list.size() * sizeof(wchar_t));
        auto* files = static_cast<DROPFILES*>(GlobalLock(drop));
        files->pFiles = sizeof(DROPFILES);
        files->fWide = TRUE;
        memcpy(files + 1, list.data(), list.size() * sizeof(wchar_t));
        GlobalUnlock(drop);
        PostMessageW(reinterpret_cast<HWND>(d.Window().value), WM_DROPFILES,
                     reinterpret_cast<WPARAM>(drop), 0);
    });
    EXPECT_EQ(Run(dlg::Setting(), events), plat::mb::kIdOk);
    ASSERT_EQ(events.dropped.size(), 3u);
    for (std::size_t i = 0; i < names.size(); ++i) EXPECT_EQ(events.dropped[i], Narrow(names[i]));
}

// --- How the two dialogs look with the Japanese dialog font --------------------------------

struct Child {
    HWND hwnd;
    int id;
    std::wstring className, text;
    RECT rect;  // in the dialog's client coordinates
    LONG style;
    HWND buddy;  // an up-down control's
};

std::vector<Child> Children(HWND dialog) {
    std::vector<Child> out;
    for (HWND c = GetWindow(dialog, GW_CHILD); c != nullptr; c = GetWindow(c, GW_HWNDNEXT)) {
        // The dialog itself is not shown yet: the control's own style says whether it will be.
        if (!(GetWindowLongW(c, GWL_STYLE) & WS_VISIBLE)) continue;
        wchar_t cls[64] = {}, text[256] = {};
        GetClassNameW(c, cls, 64);
        GetWindowTextW(c, text, 256);
        RECT r;
        GetWindowRect(c, &r);
        MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
        const bool upDown = _wcsicmp(cls, UPDOWN_CLASSW) == 0;
        out.push_back(
            {c, GetDlgCtrlID(c), cls, text, r, GetWindowLongW(c, GWL_STYLE),
             upDown ? reinterpret_cast<HWND>(SendMessageW(c, UDM_GETBUDDY, 0, 0)) : nullptr});
    }
    return out;
}

bool Overlap(const RECT& a, const RECT& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}
bool Inside(const RECT& inner, const RECT& outer) {
    return inner.left >= outer.left && inner.right <= outer.right && inner.top >= outer.top &&
           inner.bottom <= outer.bottom;
}
bool IsGroupBox(const Child& c) {
    return _wcsicmp(c.className.c_str(), L"Button") == 0 && (c.style & 0xF) == BS_GROUPBOX;
}

struct LayoutCase {
    const plat::DialogTemplate& (*dialog)();
    int preview;
};
class Layout : public testing::TestWithParam<LayoutCase> {};

TEST_P(Layout, EveryLabelFitsItsControlAndNoControlOverlapsAnother) {
    win32::Win32Platform platform;
    const plat::Icon icon(reinterpret_cast<std::uintptr_t>(LoadIconW(nullptr, IDI_ASTERISK)),
                          nullptr);
    std::vector<Child> children;
    std::vector<std::pair<std::wstring, SIZE>> labels;
    Recording events([&](plat::IDialog& d) {
        HWND dialog = reinterpret_cast<HWND>(d.Window().value);
        // A shown icon gives the static its real size.
        d.SetItemIcon(GetParam().preview, &icon);
        children = Children(dialog);
        HDC dc = GetDC(dialog);
        HGDIOBJ old =
            SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(dialog, WM_GETFONT, 0, 0)));
        for (const Child& c : children) {
            SIZE size{};
            GetTextExtentPoint32W(dc, c.text.c_str(), static_cast<int>(c.text.size()), &size);
            labels.emplace_back(c.text, size);
        }
        LOGFONTW font{};
        GetObjectW(GetCurrentObject(dc, OBJ_FONT), sizeof font, &font);
        wchar_t face[LF_FACESIZE] = {};
        GetTextFaceW(dc, LF_FACESIZE, face);
        std::printf("dialog font: %s\n", Narrow(face).c_str());
        SelectObject(dc, old);
        ReleaseDC(dialog, dc);
        d.End(plat::mb::kIdCancel);
    });
    platform.Dialogs().RunModalDialog(GetParam().dialog(), {}, events);
    ASSERT_FALSE(children.empty());

    for (std::size_t i = 0; i < children.size(); ++i) {
        const Child& c = children[i];
        if (c.text.empty() || _wcsicmp(c.className.c_str(), L"Edit") == 0) continue;
        const SIZE text = labels[i].second;
        // Push buttons and group boxes draw their text inside a frame.
        const bool framed = _wcsicmp(c.className.c_str(), L"Button") == 0;
        const LONG room = (c.rect.right - c.rect.left) - (framed ? (IsGroupBox(c) ? 12 : 6) : 0);
        EXPECT_LE(text.cx, room) << "clipped: " << Narrow(c.text);
        EXPECT_LE(text.cy, c.rect.bottom - c.rect.top) << "cut off below: " << Narrow(c.text);
    }
    for (std::size_t i = 0; i < children.size(); ++i) {
        for (std::size_t j = i + 1; j < children.size(); ++j) {
            const Child& a = children[i];
            const Child& b = children[j];
            if (!Overlap(a.rect, b.rect)) continue;
            const bool framed = (IsGroupBox(a) && Inside(b.rect, a.rect)) ||
                                (IsGroupBox(b) && Inside(a.rect, b.rect));
            // An up-down control sits on the edge of the edit it is attached to.
            const bool attached = a.buddy == b.hwnd || b.buddy == a.hwnd;
            EXPECT_TRUE(framed || attached) << "overlap: " << a.id << " \"" << Narrow(a.text)
                                            << "\" and " << b.id << " \"" << Narrow(b.text) << "\"";
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Templates, Layout,
                         testing::Values(LayoutCase{&dlg::Setting, dlg::kSetPreview},
                                         LayoutCase{&dlg::IconChange, dlg::kIconPreview}));

}  // namespace
