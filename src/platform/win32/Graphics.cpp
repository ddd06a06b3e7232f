#include "platform/win32/Graphics.h"

#include <windows.h>

#include <algorithm>

#include "platform/win32/Handles.h"
#include "platform/win32/Utf.h"
#include "res/Resource.h"

namespace win32 {

namespace {

constexpr int kFaceSize = 35;

// A window's device context for the length of one drawing.
class WindowDc {
  public:
    explicit WindowDc(HWND hwnd) : m_hwnd(hwnd), m_dc(GetDC(hwnd)) {}
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    ~WindowDc() {
        if (m_dc != nullptr) ReleaseDC(m_hwnd, m_dc);
    }
    HDC get() const { return m_dc; }

  private:
    HWND m_hwnd;
    HDC m_dc;
};

// The two faces are loaded once and shared by every button: they never change, because the
// icon is drawn onto a copy made for each painting.
HBITMAP Face(bool pressed) {
    static HBITMAP faces[2] = {
        static_cast<HBITMAP>(LoadImageW(GetModuleHandleW(nullptr),
                                        MAKEINTRESOURCEW(IDB_FACE_NORMAL), IMAGE_BITMAP, 0, 0, 0)),
        static_cast<HBITMAP>(LoadImageW(
            GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDB_FACE_PRESSED), IMAGE_BITMAP, 0, 0, 0))};
    return faces[pressed ? 1 : 0];
}

// The classic face is composed in one canvas kept for the program's life, from the two face
// pictures kept in DCs of their own: a painting at 96 dpi makes and frees no GDI object.
// Should the system refuse one of them, the next painting asks again.
struct ClassicCanvas {
    HDC faces[2] = {nullptr, nullptr};
    HDC canvas = nullptr;
    HBITMAP bitmap = nullptr;

    bool Ready() {
        if (canvas != nullptr && bitmap != nullptr && faces[0] != nullptr && faces[1] != nullptr)
            return true;
        HDC screen = GetDC(nullptr);
        for (int pressed = 0; pressed < 2; ++pressed) {
            if (faces[pressed] == nullptr && (faces[pressed] = CreateCompatibleDC(screen)))
                SelectObject(faces[pressed], Face(pressed != 0));
        }
        if (canvas == nullptr) canvas = CreateCompatibleDC(screen);
        if (canvas != nullptr && bitmap == nullptr &&
            (bitmap = CreateCompatibleBitmap(screen, kFaceSize, kFaceSize)))
            SelectObject(canvas, bitmap);
        ReleaseDC(nullptr, screen);
        return canvas != nullptr && bitmap != nullptr && faces[0] != nullptr && faces[1] != nullptr;
    }
};

// The classic face with the icon over it, stretched to the window's `size`.
void PaintClassicFace(HDC dc, bool pressed, HICON icon, int size) {
    static ClassicCanvas c;
    if (!c.Ready()) return;
    BitBlt(c.canvas, 0, 0, kFaceSize, kFaceSize, c.faces[pressed ? 1 : 0], 0, 0, SRCCOPY);
    const int at = pressed ? 2 : 1;
    if (icon != nullptr) DrawIconEx(c.canvas, at, at, icon, 32, 32, 0, nullptr, DI_NORMAL);
    StretchBlt(dc, 0, 0, size, size, c.canvas, 0, 0, kFaceSize, kFaceSize, SRCCOPY);
}

void ReleaseFont(std::uintptr_t font) { DeleteObject(reinterpret_cast<HFONT>(font)); }

}  // namespace

namespace {

// The side of an icon's picture; 32 when it cannot be told.
int IconSide(HICON icon) {
    ICONINFO info{};
    if (!GetIconInfo(icon, &info)) return 32;
    // A monochrome icon keeps mask and picture one above the other, so the width tells.
    BITMAP bm{};
    GetObjectW(info.hbmColor != nullptr ? info.hbmColor : info.hbmMask, sizeof bm, &bm);
    if (info.hbmColor != nullptr) DeleteObject(info.hbmColor);
    if (info.hbmMask != nullptr) DeleteObject(info.hbmMask);
    return bm.bmWidth > 0 ? bm.bmWidth : 32;
}

void Band(HDC dc, int left, int top, int right, int bottom, COLORREF colour) {
    if (right <= left || bottom <= top) return;
    const RECT r{left, top, right, bottom};
    HBRUSH brush = CreateSolidBrush(colour);
    FillRect(dc, &r, brush);
    DeleteObject(brush);
}

// The two faces of the classic 35 x 35 pictures drawn at `side` pixels with edges `e` wide:
// raised, white above and left, a dark shadow inside a black one below and right; sunken, the
// same turned round.
void DrawFace(HDC dc, int side, int e, bool pressed) {
    constexpr COLORREF kWhite = RGB(255, 255, 255), kLight = RGB(192, 192, 192),
                       kDark = RGB(128, 128, 128), kBlack = RGB(0, 0, 0);
    const int f = side;
    Band(dc, 0, 0, f, f, kLight);
    if (!pressed) {
        Band(dc, 0, 0, f - e, e, kWhite);
        Band(dc, 0, 0, e, f - e, kWhite);
        Band(dc, e, f - 2 * e, f - e, f - e, kDark);
        Band(dc, f - 2 * e, e, f - e, f - 2 * e, kDark);
        Band(dc, 0, f - e, f, f, kBlack);
        Band(dc, f - e, 0, f, f, kBlack);
    } else {
        Band(dc, 0, 0, f, e, kBlack);
        Band(dc, 0, 0, e, f - e, kBlack);
        Band(dc, e, e, f - e, 2 * e, kDark);
        Band(dc, e, e, 2 * e, f - 2 * e, kDark);
        Band(dc, 0, f - e, f, f, kWhite);
        Band(dc, f - e, e, f, f, kWhite);
    }
}

}  // namespace

void Graphics::PaintButtonFace(plat::WindowRef window, bool pressed, const plat::Icon* icon,
                               int size, int dpi) {
    WindowDc dc(ToHwnd(window));
    if (dc.get() == nullptr) return;
    // On a 96-dpi screen the classic pictures, stretched; above it the face is drawn at its own
    // size, so its edges and the icon stay sharp.
    HICON hicon = icon != nullptr && *icon ? reinterpret_cast<HICON>(icon->Get()) : nullptr;
    if (dpi <= plat::kBaseDpi) {
        PaintClassicFace(dc.get(), pressed, hicon, size);
        return;
    }
    HDC composed = CreateCompatibleDC(dc.get());
    HBITMAP canvas = CreateCompatibleBitmap(dc.get(), size, size);
    HGDIOBJ oldCanvas = SelectObject(composed, canvas);
    const int e = plat::ScaleToDpi(1, dpi);
    DrawFace(composed, size, e, pressed);
    if (hicon != nullptr) {
        const int at = pressed ? 2 * e : e;
        const int side = IconSide(hicon);
        DrawIconEx(composed, at, at, hicon, side, side, 0, nullptr, DI_NORMAL);
    }
    BitBlt(dc.get(), 0, 0, size, size, composed, 0, 0, SRCCOPY);
    SelectObject(composed, oldCanvas);
    DeleteObject(canvas);
    DeleteDC(composed);
}

plat::Font Graphics::MakeFont(const plat::LogFont& f) {
    LOGFONTW lf{};
    lf.lfHeight = f.height;
    lf.lfWidth = f.width;
    lf.lfEscapement = f.escapement;
    lf.lfOrientation = f.orientation;
    lf.lfWeight = f.weight;
    lf.lfItalic = f.italic;
    lf.lfUnderline = f.underline;
    lf.lfStrikeOut = f.strikeOut;
    lf.lfCharSet = f.charSet;
    lf.lfOutPrecision = f.outPrecision;
    lf.lfClipPrecision = f.clipPrecision;
    lf.lfQuality = f.quality;
    lf.lfPitchAndFamily = f.pitchAndFamily;
    std::wstring face = Widen(f.faceName);
    // At most 31 units, never half of a surrogate pair.
    std::size_t n = std::min<std::size_t>(face.size(), LF_FACESIZE - 1);
    if (n > 0 && n < face.size() && IS_HIGH_SURROGATE(face[n - 1])) --n;
    face.copy(lf.lfFaceName, n);
    return plat::Font(reinterpret_cast<std::uintptr_t>(CreateFontIndirectW(&lf)), ReleaseFont);
}

plat::LogFont Graphics::DescribeFont(const plat::Font& font) {
    LOGFONTW lf{};
    plat::LogFont f;
    if (GetObjectW(reinterpret_cast<HFONT>(font.Get()), sizeof lf, &lf) == 0) return f;
    f.height = lf.lfHeight;
    f.width = lf.lfWidth;
    f.escapement = lf.lfEscapement;
    f.orientation = lf.lfOrientation;
    f.weight = lf.lfWeight;
    f.italic = lf.lfItalic;
    f.underline = lf.lfUnderline;
    f.strikeOut = lf.lfStrikeOut;
    f.charSet = lf.lfCharSet;
    f.outPrecision = lf.lfOutPrecision;
    f.clipPrecision = lf.lfClipPrecision;
    f.quality = lf.lfQuality;
    f.pitchAndFamily = lf.lfPitchAndFamily;
    f.faceName = Narrow(std::wstring_view(lf.lfFaceName, wcsnlen(lf.lfFaceName, LF_FACESIZE)));
    return f;
}

plat::Size Graphics::MeasureText(plat::WindowRef window, const plat::Font& font,
                                 std::string_view text) {
    WindowDc dc(ToHwnd(window));
    HGDIOBJ old = SelectObject(dc.get(), reinterpret_cast<HFONT>(font.Get()));
    const std::wstring wide = Widen(text);
    SIZE size{};
    GetTextExtentPoint32W(dc.get(), wide.c_str(), static_cast<int>(wide.size()), &size);
    SelectObject(dc.get(), old);
    return {size.cx, size.cy};
}

void Graphics::FillAndDrawText(plat::WindowRef window, plat::Rect rect, const plat::Font& font,
                               std::string_view text, plat::Colour back, plat::Colour textColour) {
    WindowDc dc(ToHwnd(window));
    if (dc.get() == nullptr) return;
    HGDIOBJ old = SelectObject(dc.get(), reinterpret_cast<HFONT>(font.Get()));
    SetBkMode(dc.get(), OPAQUE);
    SetBkColor(dc.get(), back);
    SetTextColor(dc.get(), textColour);
    RECT r{rect.left, rect.top, rect.right, rect.bottom};
    HBRUSH brush = CreateSolidBrush(back);
    FillRect(dc.get(), &r, brush);
    DeleteObject(brush);
    std::wstring wide = Widen(text);
    DrawTextW(dc.get(), wide.data(), static_cast<int>(wide.size()), &r,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    SelectObject(dc.get(), old);
}

void Graphics::PaintListRow(plat::WindowRef window, plat::Rect rect, std::string_view text,
                            bool selected, int dpi) {
    WindowDc dc(ToHwnd(window));
    if (dc.get() == nullptr) return;
    // The system's colours, read each time: the user may have changed them since.
    const COLORREF back = GetSysColor(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW);
    const COLORREF fore = GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT);
    HGDIOBJ old = SelectObject(
        dc.get(), reinterpret_cast<HFONT>(SendMessageW(ToHwnd(window), WM_GETFONT, 0, 0)));
    RECT r{rect.left, rect.top, rect.right, rect.bottom};
    HBRUSH brush = CreateSolidBrush(back);
    FillRect(dc.get(), &r, brush);
    DeleteObject(brush);
    SIZE sample{};
    GetTextExtentPoint32W(dc.get(), L"C:\\Samp", 7, &sample);
    const int y = rect.top + (plat::ScaleToDpi(20, dpi) - sample.cy) / 2;
    SetBkMode(dc.get(), OPAQUE);
    SetBkColor(dc.get(), back);
    SetTextColor(dc.get(), fore);
    const std::wstring wide = Widen(text);
    ExtTextOutW(dc.get(), rect.left + plat::ScaleToDpi(21, dpi), y, ETO_CLIPPED, &r, wide.c_str(),
                static_cast<UINT>(wide.size()), nullptr);
    SelectObject(dc.get(), old);
}

void Graphics::DrawIcon(plat::WindowRef window, const plat::Icon& icon, plat::Point at, int size) {
    WindowDc dc(ToHwnd(window));
    if (dc.get() == nullptr || !icon) return;
    DrawIconEx(dc.get(), at.x, at.y, reinterpret_cast<HICON>(icon.Get()), size, size, 0, nullptr,
               DI_NORMAL);
}

}  // namespace win32
