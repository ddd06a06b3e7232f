// The notification-area icon through SHELL32.
#include "platform/win32/Tray.h"

#include <windows.h>
#include <shellapi.h>

#include <string>

#include "platform/win32/Handles.h"
#include "platform/win32/Utf.h"
#include "res/Resource.h"

namespace win32 {

namespace {

// The record the shell knows the icon by: its owner and our one identifier.
NOTIFYICONDATAW Record(plat::WindowRef window) {
    NOTIFYICONDATAW nid{};
    nid.cbSize = sizeof nid;
    nid.hWnd = ToHwnd(window);
    nid.uID = IDI_TRAY;
    return nid;
}

void SetTip(NOTIFYICONDATAW& nid, std::string_view tip) {
    const std::wstring wide = Widen(tip).substr(0, std::size(nid.szTip) - 1);
    wide.copy(nid.szTip, wide.size());
    nid.uFlags |= NIF_TIP;
}

}  // namespace

bool Tray::Show(plat::WindowRef window, const plat::Icon& icon, std::string_view tip) {
    m_window = window;
    NOTIFYICONDATAW nid = Record(window);
    nid.uFlags = NIF_MESSAGE | NIF_ICON;
    nid.uCallbackMessage = WM_TRAY_CALLBACK;
    nid.hIcon = reinterpret_cast<HICON>(icon.Get());
    SetTip(nid, tip);
    if (!Shell_NotifyIconW(NIM_ADD, &nid)) return false;
    // The icon's keys (Enter, Space, Shift+F10, the menu key) come only to an icon of this
    // version. Its callback carries the event in the low word and the point in the other
    // parameter; a shell that refuses the version keeps the old form, whose low word is the
    // same event, so the owner reads both alike.
    nid.uVersion = NOTIFYICON_VERSION_4;
    Shell_NotifyIconW(NIM_SETVERSION, &nid);
    return true;
}

bool Tray::ChangeTip(std::string_view tip) {
    if (!m_window) return false;
    NOTIFYICONDATAW nid = Record(m_window);
    SetTip(nid, tip);
    return Shell_NotifyIconW(NIM_MODIFY, &nid) != FALSE;
}

bool Tray::Remove() {
    if (!m_window) return false;
    NOTIFYICONDATAW nid = Record(m_window);
    return Shell_NotifyIconW(NIM_DELETE, &nid) != FALSE;
}

bool Tray::ReturnFocus() {
    if (!m_window) return false;
    NOTIFYICONDATAW nid = Record(m_window);
    return Shell_NotifyIconW(NIM_SETFOCUS, &nid) != FALSE;
}

}  // namespace win32
