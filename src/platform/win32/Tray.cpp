// The notification-area icon through SHELL32.
#include "platform/win32/Tray.h"

#include <windows.h>
#include <shellapi.h>

#include <string>

#include "platform/win32/Handles.h"
#include "platform/win32/Utf.h"

namespace win32 {

bool Tray::Notify(plat::TrayAction action, const plat::TrayIconData& data) {
    NOTIFYICONDATAW nid{};
    nid.cbSize = sizeof nid;
    nid.hWnd = ToHwnd(data.window);
    nid.uID = data.id;
    nid.uFlags = data.flags;
    nid.uCallbackMessage = data.callbackMessage;
    nid.hIcon = data.icon != nullptr ? reinterpret_cast<HICON>(data.icon->Get()) : nullptr;
    const std::wstring tip = Widen(data.tip).substr(0, std::size(nid.szTip) - 1);
    tip.copy(nid.szTip, tip.size());
    return Shell_NotifyIconW(action == plat::TrayAction::Add ? NIM_ADD : NIM_DELETE, &nid) != 0;
}

}  // namespace win32
