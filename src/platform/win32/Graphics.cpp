#include "platform/win32/Graphics.h"

#include <windows.h>

#include <algorithm>

#include "platform/win32/Handles.h"
#include "platform/win32/Utf.h"
#include "res/Face.h"
#include "res/Resource.h"

namespace win32 {

namespace {

constexpr int kFaceSize = 35;

// The two faces are loaded once and shared by every button: they never change, because the
// icon is drawn onto a copy made for each painting.
HBITMAP Face(bool pressed) {
    const auto load = [](int id) {
        return Bitmap(static_cast<HBITMAP>(
            LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, 0)));
    };
    static const Bitmap faces[2] = {load(IDB_FACE_NORMAL), load(IDB_FACE_PRESSED)};
    return faces[pressed ? 1 : 0].get();
}

// The classic face is composed in one canvas kept for the program's life, from the two face
// pictures kept in DCs of their own: a painting at 96 dpi makes and frees no GDI object.
// Should the system refuse one of them, the next painting asks again.
struct ClassicCanvas {
    // The bitmap outlives the context it is selected into.
    Bitmap bitmap;
    MemoryDc faces[2];
    MemoryDc canvas;

    bool Ready() {
        if (canvas && bitmap && faces[0] && faces[1]) return true;
        WindowDc screen(nullptr);
        for (int pressed = 0; pressed < 2; ++pressed) {
            if (!faces[pressed] && (faces[pressed] = MemoryDc(CreateCompatibleDC(screen.get()))))
                SelectObject(faces[pressed].get(), Face(pressed != 0));
        }
        if (!canvas) canvas = MemoryDc(CreateCompatibleDC(screen.get()));
        if (canvas && !bitmap &&
            (bitmap = Bitmap(CreateCompatibleBitmap(screen.get(), kFaceSize, kFaceSize))))
            SelectObject(canvas.get(), bitmap.get());
        return canvas && bitmap && faces[0] && faces[1];
    }
};

void DrawBands(HDC dc, const face::Band* bands, std::size_t count);

// The classic face with the icon over it, stretched to the window's `size`; the ring goes over
// the stretched face, so that its lines stay one pixel each whatever the size.
void PaintClassicFace(HDC dc, bool pressed, HICON icon, int size, bool focusRing) {
    static ClassicCanvas c;
    if (!c.Ready()) return;
    HDC canvas = c.canvas.get();
    BitBlt(canvas, 0, 0, kFaceSize, kFaceSize, c.faces[pressed ? 1 : 0].get(), 0, 0, SRCCOPY);
    const int at = pressed ? 2 : 1;
    if (icon != nullptr) DrawIconEx(canvas, at, at, icon, 32, 32, 0, nullptr, DI_NORMAL);
    if (!focusRing) {
        StretchBlt(dc, 0, 0, size, size, canvas, 0, 0, kFaceSize, kFaceSize, SRCCOPY);
        return;
    }
    // Composed off-screen first, so the ring never flickers.
    const Bitmap whole(CreateCompatibleBitmap(dc, size, size));
    const MemoryDc composed(CreateCompatibleDC(dc));
    if (!whole || !composed) return;
    const Selection drawing(composed.get(), whole.get());
    StretchBlt(composed.get(), 0, 0, size, size, canvas, 0, 0, kFaceSize, kFaceSize, SRCCOPY);
    const auto ring = face::Ring(size - 1, 1);
    DrawBands(composed.get(), ring.data(), ring.size());
    BitBlt(dc, 0, 0, size, size, composed.get(), 0, 0, SRCCOPY);
}

}  // namespace

namespace {

// The side of an icon's picture; 32 when it cannot be told.
int IconSide(HICON icon) {
    ICONINFO info{};
    if (!GetIconInfo(icon, &info)) return 32;
    // The two bitmaps are copies made for the asking.
    const Bitmap colour(info.hbmColor), mask(info.hbmMask);
    // A monochrome icon keeps mask and picture one above the other, so the width tells.
    BITMAP bm{};
    GetObjectW(colour ? colour.get() : mask.get(), sizeof bm, &bm);
    return bm.bmWidth > 0 ? bm.bmWidth : 32;
}

void Band(HDC dc, int left, int top, int right, int bottom, COLORREF colour) {
    if (right <= left || bottom <= top) return;
    const RECT r{left, top, right, bottom};
    const Brush brush(CreateSolidBrush(colour));
    FillRect(dc, &r, brush.get());
}

void DrawBands(HDC dc, const face::Band* bands, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) {
        const face::Band& b = bands[i];
        const COLORREF colour = b.shade == face::Shade::White   ? RGB(255, 255, 255)
                                : b.shade == face::Shade::Light ? RGB(192, 192, 192)
                                : b.shade == face::Shade::Dark  ? RGB(128, 128, 128)
                                                                : RGB(0, 0, 0);
        Band(dc, b.left, b.top, b.right, b.bottom, colour);
    }
}

// The classic face drawn at `side` pixels with edges `e` wide.
void DrawFace(HDC dc, int side, int e, bool pressed) {
    const auto bands = face::Bands(side, e, pressed);
    DrawBands(dc, bands.data(), bands.size());
}

}  // namespace

void Graphics::PaintButtonFace(plat::WindowRef window, bool pressed, const plat::Icon* icon,
                               int size, int edge, bool focusRing) {
    WindowDc dc(ToHwnd(window));
    if (dc.get() == nullptr) return;
    HICON hicon = icon != nullptr && *icon ? reinterpret_cast<HICON>(icon->Get()) : nullptr;
    if (edge == plat::kClassicFace) {
        PaintClassicFace(dc.get(), pressed, hicon, size, focusRing);
        return;
    }
    const Bitmap canvas(CreateCompatibleBitmap(dc.get(), size, size));
    const MemoryDc composed(CreateCompatibleDC(dc.get()));
    const Selection drawing(composed.get(), canvas.get());
    DrawFace(composed.get(), size, edge, pressed);
    if (hicon != nullptr) {
        const int side = IconSide(hicon);
        const int at = face::IconAt(size, edge, side, pressed);
        DrawIconEx(composed.get(), at, at, hicon, side, side, 0, nullptr, DI_NORMAL);
    }
    if (focusRing) {
        // The window shows the face less its last pixel, as the classic one.
        const auto ring = face::Ring(size - 1, edge);
        DrawBands(composed.get(), ring.data(), ring.size());
    }
    BitBlt(dc.get(), 0, 0, size, size, composed.get(), 0, 0, SRCCOPY);
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
    const std::wstring face = Widen(plat::CutFaceName(f.faceName));
    // The cut fits; the bound only guards the field against bytes that are not UTF-8.
    face.copy(lf.lfFaceName, std::min<std::size_t>(face.size(), LF_FACESIZE - 1));
    return OwnFont(CreateFontIndirectW(&lf));
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
    const Selection withFont(dc.get(), reinterpret_cast<HFONT>(font.Get()));
    const std::wstring wide = Widen(text);
    SIZE size{};
    GetTextExtentPoint32W(dc.get(), wide.c_str(), static_cast<int>(wide.size()), &size);
    return {size.cx, size.cy};
}

void Graphics::FillAndDrawText(plat::WindowRef window, plat::Rect rect, const plat::Font& font,
                               std::string_view text, plat::Colour back, plat::Colour textColour) {
    WindowDc dc(ToHwnd(window));
    if (dc.get() == nullptr) return;
    const Selection withFont(dc.get(), reinterpret_cast<HFONT>(font.Get()));
    SetBkMode(dc.get(), OPAQUE);
    SetBkColor(dc.get(), back);
    SetTextColor(dc.get(), textColour);
    RECT r{rect.left, rect.top, rect.right, rect.bottom};
    const Brush brush(CreateSolidBrush(back));
    FillRect(dc.get(), &r, brush.get());
    std::wstring wide = Widen(text);
    DrawTextW(dc.get(), wide.data(), static_cast<int>(wide.size()), &r,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

void Graphics::PaintListRow(plat::WindowRef window, plat::Rect rect, std::string_view text,
                            bool selected, int textLeft, int lineHeight) {
    WindowDc dc(ToHwnd(window));
    if (dc.get() == nullptr) return;
    // The system's colours, read each time: the user may have changed them since.
    const COLORREF back = GetSysColor(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW);
    const COLORREF fore = GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT);
    const Selection withFont(
        dc.get(), reinterpret_cast<HFONT>(SendMessageW(ToHwnd(window), WM_GETFONT, 0, 0)));
    RECT r{rect.left, rect.top, rect.right, rect.bottom};
    const Brush brush(CreateSolidBrush(back));
    FillRect(dc.get(), &r, brush.get());
    SIZE sample{};
    GetTextExtentPoint32W(dc.get(), L"C:\\Samp", 7, &sample);
    const int y = rect.top + (lineHeight - sample.cy) / 2;
    SetBkMode(dc.get(), OPAQUE);
    SetBkColor(dc.get(), back);
    SetTextColor(dc.get(), fore);
    const std::wstring wide = Widen(text);
    ExtTextOutW(dc.get(), rect.left + textLeft, y, ETO_CLIPPED, &r, wide.c_str(),
                static_cast<UINT>(wide.size()), nullptr);
}

void Graphics::DrawIcon(plat::WindowRef window, const plat::Icon& icon, plat::Point at, int size) {
    WindowDc dc(ToHwnd(window));
    if (dc.get() == nullptr || !icon) return;
    DrawIconEx(dc.get(), at.x, at.y, reinterpret_cast<HICON>(icon.Get()), size, size, 0, nullptr,
               DI_NORMAL);
}

}  // namespace win32
