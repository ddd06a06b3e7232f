// Message boxes, popup menus, modal dialogs from templates, and the colour, font and open-file
// choosers.
#include "platform/win32/Dialogs.h"

#include <windows.h>
#include <commctrl.h>
#include <commdlg.h>
#include <shellapi.h>

#include <algorithm>
#include <vector>

#include "platform/win32/DialogTemplate.h"
#include "platform/win32/Drop.h"
#include "platform/win32/Graphics.h"
#include "platform/win32/Handles.h"
#include "platform/win32/Utf.h"
#include "res/Texts.h"

namespace win32 {

int Dialogs::ShowMessageBox(plat::WindowRef owner, std::string_view text, unsigned type) {
    return MessageBoxW(ToHwnd(owner), Widen(text).c_str(), Widen(text::kAppName).c_str(), type);
}

namespace {

// The menus live exactly as long as the tracking.
void FillMenu(HMENU menu, const plat::Menu& items) {
    for (const plat::MenuItem& item : items) {
        switch (item.kind) {
            case plat::MenuItem::Kind::Separator:
                AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
                break;
            case plat::MenuItem::Kind::Command:
                AppendMenuW(menu, MF_STRING | (item.checked ? MF_CHECKED : MF_UNCHECKED),
                            static_cast<UINT_PTR>(item.id), Widen(item.text).c_str());
                break;
            case plat::MenuItem::Kind::Submenu: {
                MenuHandle sub(CreatePopupMenu());
                FillMenu(sub.get(), item.items);
                if (AppendMenuW(menu, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(sub.get()),
                                Widen(item.text).c_str())) {
                    // It now belongs to the menu it is attached to.
                    static_cast<void>(sub.release());
                }
                break;
            }
        }
    }
}

// A hot-key control's word holds the key in its low byte and HOTKEYF_ flags in its high byte;
// the program's combination holds MOD_ flags, which RegisterHotKey takes.
unsigned FromHotkeyControl(LRESULT word) {
    const unsigned flags = HIBYTE(LOWORD(word));
    unsigned modifiers = 0;
    if (flags & HOTKEYF_ALT) modifiers |= plat::hotkey::kAlt;
    if (flags & HOTKEYF_CONTROL) modifiers |= plat::hotkey::kControl;
    if (flags & HOTKEYF_SHIFT) modifiers |= plat::hotkey::kShift;
    return plat::hotkey::Combine(modifiers, LOBYTE(LOWORD(word)));
}

WPARAM ToHotkeyControl(unsigned combination) {
    const unsigned modifiers = plat::hotkey::Modifiers(combination);
    const unsigned key = plat::hotkey::Key(combination);
    BYTE flags = 0;
    if (modifiers & plat::hotkey::kAlt) flags |= HOTKEYF_ALT;
    if (modifiers & plat::hotkey::kControl) flags |= HOTKEYF_CONTROL;
    if (modifiers & plat::hotkey::kShift) flags |= HOTKEYF_SHIFT;
    // The keys of the navigation block are named as such only when marked extended.
    const bool extended = (key >= VK_PRIOR && key <= VK_DOWN) || key == VK_INSERT ||
                          key == VK_DELETE || key == VK_DIVIDE || key == VK_NUMLOCK;
    if (extended) flags |= HOTKEYF_EXT;
    return MAKEWORD(static_cast<BYTE>(key), flags);
}

class RunningDialog : public plat::IDialog {
  public:
    explicit RunningDialog(plat::IDialogEvents& events) : events(events) {}
    plat::WindowRef Window() override { return ToRef(hwnd); }
    std::string ItemText(int id) override {
        HWND item = GetDlgItem(hwnd, id);
        std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(item)) + 1, L'\0');
        text.resize(static_cast<std::size_t>(
            GetWindowTextW(item, text.data(), static_cast<int>(text.size()))));
        return Narrow(text);
    }
    void SetItemText(int id, std::string_view text) override {
        SetDlgItemTextW(hwnd, id, Widen(text).c_str());
    }
    void FocusItem(int id, bool selectAll) override {
        HWND item = GetDlgItem(hwnd, id);
        SendMessageW(hwnd, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(item), TRUE);
        if (selectAll) SendMessageW(item, EM_SETSEL, 0, -1);
    }
    void SetSpinRange(int id, int lower, int upper) override {
        SendDlgItemMessageW(hwnd, id, UDM_SETRANGE32, static_cast<WPARAM>(lower),
                            static_cast<LPARAM>(upper));
    }
    void End(int result) override { EndDialog(hwnd, result); }
    plat::Rect ClientRect() override {
        RECT r{};
        GetClientRect(hwnd, &r);
        return {r.left, r.top, r.right, r.bottom};
    }
    plat::Rect ItemRect(int id) override {
        RECT r{};
        if (!GetWindowRect(GetDlgItem(hwnd, id), &r)) return {};
        MapWindowPoints(nullptr, hwnd, reinterpret_cast<POINT*>(&r), 2);
        return {r.left, r.top, r.right, r.bottom};
    }
    void MoveItem(int id, plat::Rect rect) override {
        ::MoveWindow(GetDlgItem(hwnd, id), rect.left, rect.top, rect.Width(), rect.Height(), TRUE);
    }
    unsigned ItemValue(int id) override {
        if (IsHotkeyControl(id))
            return FromHotkeyControl(SendDlgItemMessageW(hwnd, id, HKM_GETHOTKEY, 0, 0));
        return IsDlgButtonChecked(hwnd, id) == BST_CHECKED ? 1 : 0;
    }
    void SetItemValue(int id, unsigned value) override {
        if (IsHotkeyControl(id)) {
            // A key alone or with Shift alone would take that key from every program: the
            // control makes such a press Ctrl+Alt with the key.
            SendDlgItemMessageW(hwnd, id, HKM_SETRULES, HKCOMB_NONE | HKCOMB_S,
                                MAKELPARAM(HOTKEYF_CONTROL | HOTKEYF_ALT, 0));
            SendDlgItemMessageW(hwnd, id, HKM_SETHOTKEY, ToHotkeyControl(value), 0);
            return;
        }
        CheckDlgButton(hwnd, id, value != 0 ? BST_CHECKED : BST_UNCHECKED);
    }
    bool IsHotkeyControl(int id) {
        wchar_t name[32] = {};
        GetClassNameW(GetDlgItem(hwnd, id), name, 32);
        return _wcsicmp(name, HOTKEY_CLASSW) == 0;
    }
    void Invalidate(int id) override {
        InvalidateRect(id == kWholeDialog ? hwnd : GetDlgItem(hwnd, id), nullptr, TRUE);
    }
    int ListAddRow(int id, std::uintptr_t data) override {
        return static_cast<int>(
            SendDlgItemMessageW(hwnd, id, LB_ADDSTRING, 0, static_cast<LPARAM>(data)));
    }
    void ListDeleteRow(int id, int row) override {
        SendDlgItemMessageW(hwnd, id, LB_DELETESTRING, static_cast<WPARAM>(row), 0);
    }
    int ListSelection(int id) override {
        const LRESULT row = SendDlgItemMessageW(hwnd, id, LB_GETCURSEL, 0, 0);
        return row == LB_ERR ? -1 : static_cast<int>(row);
    }
    void ListSelect(int id, int row) override {
        SendDlgItemMessageW(hwnd, id, LB_SETCURSEL, static_cast<WPARAM>(row), 0);
    }
    void SetComboItems(int id, const std::vector<std::string>& items, int index) override {
        SendDlgItemMessageW(hwnd, id, CB_RESETCONTENT, 0, 0);
        for (const std::string& item : items) {
            SendDlgItemMessageW(hwnd, id, CB_ADDSTRING, 0,
                                reinterpret_cast<LPARAM>(Widen(item).c_str()));
        }
        // Not every version clears the selection for an index past the items.
        if (index < 0 || index >= static_cast<int>(items.size())) index = -1;
        SendDlgItemMessageW(hwnd, id, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    }
    int ComboSelection(int id) override {
        const LRESULT index = SendDlgItemMessageW(hwnd, id, CB_GETCURSEL, 0, 0);
        return index == CB_ERR ? -1 : static_cast<int>(index);
    }
    void SetItemIcon(int id, const plat::Icon* icon) override {
        const auto handle = icon != nullptr ? icon->Get() : 0;
        SendDlgItemMessageW(hwnd, id, STM_SETICON, static_cast<WPARAM>(handle), 0);
    }

    plat::IDialogEvents& events;
    HWND hwnd = nullptr;
};

INT_PTR CALLBACK DialogProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_INITDIALOG) {
        auto* dialog = reinterpret_cast<RunningDialog*>(lParam);
        SetWindowLongPtrW(hwnd, DWLP_USER, lParam);
        dialog->hwnd = hwnd;
        dialog->events.OnInitDialog(*dialog);
        return TRUE;
    }
    auto* dialog = reinterpret_cast<RunningDialog*>(GetWindowLongPtrW(hwnd, DWLP_USER));
    if (dialog == nullptr) return FALSE;
    if (msg == WM_COMMAND) {
        dialog->events.OnCommand(*dialog, LOWORD(wParam), HIWORD(wParam));
        return TRUE;
    }
    if (msg == WM_PAINT) {
        const PaintScope painting(hwnd);
        dialog->events.OnPaint(*dialog);
        return TRUE;
    }
    if (msg == WM_MEASUREITEM) {
        auto* m = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
        const plat::Size size = dialog->events.OnMeasureItem(*dialog, static_cast<int>(m->CtlID),
                                                             static_cast<int>(m->itemID));
        m->itemWidth = static_cast<UINT>(size.cx);
        m->itemHeight = static_cast<UINT>(size.cy);
        return TRUE;
    }
    if (msg == WM_DRAWITEM) {
        const auto* d = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        plat::DrawItem item;
        item.control = static_cast<int>(d->CtlID);
        item.row = static_cast<int>(d->itemID);
        item.action = d->itemAction;
        item.state = d->itemState & ODS_SELECTED ? plat::oda::kSelected : 0;
        item.rect = {d->rcItem.left, d->rcItem.top, d->rcItem.right, d->rcItem.bottom};
        item.window = ToRef(d->hwndItem);
        dialog->events.OnDrawItem(*dialog, item);
        return TRUE;
    }
    if (msg == WM_DROPFILES) {
        dialog->events.OnDropFiles(*dialog, TakeDroppedFiles(reinterpret_cast<HDROP>(wParam)));
        return TRUE;
    }
    return FALSE;
}

}  // namespace

void Dialogs::TrackPopupMenu(const plat::Menu& menu, plat::Point at, plat::WindowRef owner) {
    const MenuHandle popup(CreatePopupMenu());
    FillMenu(popup.get(), menu);
    ::TrackPopupMenu(popup.get(), 0, at.x, at.y, 0, ToHwnd(owner), nullptr);
    // Lets the menu close properly when the user clicks outside it.
    PostMessageW(ToHwnd(owner), WM_NULL, 0, 0);
}

int Dialogs::RunModalDialog(const plat::DialogTemplate& dialog, plat::WindowRef parent,
                            plat::IDialogEvents& events) {
    const std::vector<WORD> words = BuildDialogTemplate(dialog);
    RunningDialog running(events);
    return static_cast<int>(DialogBoxIndirectParamW(
        GetModuleHandleW(nullptr), reinterpret_cast<const DLGTEMPLATE*>(words.data()),
        ToHwnd(parent), DialogProc, reinterpret_cast<LPARAM>(&running)));
}

bool Dialogs::PickColour(plat::WindowRef owner, plat::Colour& colour) {
    static COLORREF custom[16] = {};
    CHOOSECOLORW cc{};
    cc.lStructSize = sizeof cc;
    cc.hwndOwner = ToHwnd(owner);
    cc.rgbResult = colour;
    cc.lpCustColors = custom;
    cc.Flags = CC_RGBINIT;
    if (!ChooseColorW(&cc)) return false;
    colour = cc.rgbResult;
    return true;
}

bool Dialogs::PickFont(plat::WindowRef owner, plat::LogFont& font, unsigned flags) {
    Graphics graphics;
    LOGFONTW lf{};
    {
        const plat::Font current = graphics.MakeFont(font);
        GetObjectW(reinterpret_cast<HFONT>(current.Get()), sizeof lf, &lf);
    }
    CHOOSEFONTW cf{};
    cf.lStructSize = sizeof cf;
    cf.hwndOwner = ToHwnd(owner);
    cf.lpLogFont = &lf;
    cf.Flags = flags;
    if (!ChooseFontW(&cf)) return false;
    const plat::Font chosen = OwnFont(CreateFontIndirectW(&lf));
    font = graphics.DescribeFont(chosen);
    return true;
}

namespace {

bool PickFile(bool save, plat::WindowRef owner, std::string_view filter,
              std::string_view initialName, unsigned flags, std::string& path) {
    std::wstring pairs = Widen(filter);
    std::replace(pairs.begin(), pairs.end(), L'|', L'\0');
    pairs.push_back(L'\0');
    // Room for any path the platform can return, not just MAX_PATH.
    std::vector<wchar_t> name(32768, L'\0');
    const std::wstring initial = Widen(initialName);
    initial.copy(name.data(), std::min(initial.size(), name.size() - 1));
    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = ToHwnd(owner);
    ofn.lpstrFilter = pairs.c_str();
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = name.data();
    ofn.nMaxFile = static_cast<DWORD>(name.size());
    ofn.Flags = flags | OFN_EXPLORER;
    if (save) {
        // A name typed without an extension gets the first filter's.
        ofn.lpstrDefExt = L"ini";
        if (!GetSaveFileNameW(&ofn)) return false;
    } else if (!GetOpenFileNameW(&ofn)) {
        return false;
    }
    path = Narrow(name.data());
    return true;
}

}  // namespace

bool Dialogs::PickOpenFile(plat::WindowRef owner, std::string_view filter,
                           std::string_view initialName, unsigned flags, std::string& path) {
    return PickFile(false, owner, filter, initialName, flags, path);
}

bool Dialogs::PickSaveFile(plat::WindowRef owner, std::string_view filter,
                           std::string_view initialName, unsigned flags, std::string& path) {
    return PickFile(true, owner, filter, initialName, flags, path);
}

}  // namespace win32
