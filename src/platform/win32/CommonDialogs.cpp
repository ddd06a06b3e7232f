// The colour, font and open-file choosers.
#include <windows.h>
#include <commdlg.h>

#include <algorithm>
#include <vector>

#include "platform/win32/Graphics.h"
#include "platform/win32/Handles.h"
#include "platform/win32/Utf.h"
#include "platform/win32/WindowSystem.h"

namespace win32 {

bool WindowSystem::PickColour(plat::WindowRef owner, plat::Colour& colour) {
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

bool WindowSystem::PickFont(plat::WindowRef owner, plat::LogFont& font, unsigned flags) {
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
    const plat::Font chosen(reinterpret_cast<std::uintptr_t>(CreateFontIndirectW(&lf)),
                            [](std::uintptr_t f) { DeleteObject(reinterpret_cast<HFONT>(f)); });
    font = graphics.DescribeFont(chosen);
    return true;
}

bool WindowSystem::PickOpenFile(plat::WindowRef owner, std::string_view filter,
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
    if (!GetOpenFileNameW(&ofn)) return false;
    path = Narrow(name.data());
    return true;
}

}  // namespace win32
