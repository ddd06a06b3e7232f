// The desktop clock: a captionless box showing month/day and hours:minutes, dragged by its
// inside and resized at its edge. It keeps everything it knows in the "Watch" section, read when
// it is made and written when it goes, and also as soon as the user finishes a change.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "app/StoredValues.h"
#include "platform/Platform.h"

class IHost;

class CWatchWnd : public plat::IPopupEvents, public plat::IAccessibleEvents {
  public:
    // Reads "TopMost", "BkColor" and "TextColor".
    CWatchWnd(IHost& host, plat::IPlatform& platform);
    // Never leaves a live window calling into a deleted object.
    ~CWatchWnd() override;
    CWatchWnd(const CWatchWnd&) = delete;
    CWatchWnd& operator=(const CWatchWnd&) = delete;

    // "Positon" as stored, made fit to be shown: its width and height, kept in 96-dpi units, in
    // pixels of the monitor it stands on.
    static plat::Rect StoredRect(plat::IPlatform& platform);
    void Create(plat::Rect rect);
    // Writes "Positon" from where the window stands now.
    void SavePosition();
    // Writes "WatchFont" and "WatchFontName".
    void SaveFont();
    // Writes "TopMost", "BkColor" and "TextColor".
    void SaveLook();
    // Its WM_DESTROY writes the font.
    void DestroyWindow();
    // The program ends: the window stays up until the process takes it, and nothing of the
    // clock is written any more from it.
    void ReleaseWindow() { m_hWnd = {}; }
    // Destroys the window and writes "TopMost", "BkColor" and "TextColor": what goes with the
    // clock.
    void Close();
    // Brings a clock whose monitor went back onto the primary screen.
    void KeepOnScreen();

    void ReassertTopmost();
    // ReassertTopmost only when the clock has left the band it belongs in.
    void RestoreBand();
    void ApplyTopmost();
    void DrawClock();
    plat::WindowRef Window() const { return m_hWnd; }

    // plat::IPopupEvents
    void OnCreate(plat::WindowRef self) override;
    void OnPaint() override;
    void OnTimer(int id) override;
    std::optional<int> OnNcHitTest(plat::Point screen) override;
    std::optional<plat::Size> OnGetMinTrackSize() override;
    void OnNcLButtonDblClk() override;
    void OnExitSizeMove() override;
    void OnDpiChanged(int dpi, plat::Rect suggested) override;
    void OnEnterSizeMove() override { m_bSizeMove = true; }
    bool OnClose() override;
    void OnDestroy() override;
    plat::IAccessibleEvents* Accessible() override { return this; }

    // plat::IAccessibleEvents: static text, named by the time it shows.
    plat::AccessibleFacts OnDescribe() override;

    plat::Font m_font;
    plat::Colour m_bkColor = static_cast<plat::Colour>(stored::kBkColor.number);
    plat::Colour m_textColor = static_cast<plat::Colour>(stored::kTextColor.number);
    int m_topMost = static_cast<int>(stored::kTopMost.number);

  private:
    void SetTopmost(bool topmost);
    // The font as stored, in 96-dpi units, made for the clock's DPI.
    void MakeFont(plat::LogFont font);

    IHost& m_host;
    plat::IPlatform& m_platform;
    plat::WindowRef m_hWnd;
    // The DPI of the clock's monitor: its size and its font's follow it.
    int m_dpi = plat::kBaseDpi;
    // The platform moves or sizes the window.
    bool m_bSizeMove = false;
    // `m_font` as the store keeps it, in 96-dpi units.
    plat::LogFont m_fontUnits;
    // The time the window's text holds.
    std::string m_shownText;
};

// "WatchFont" and "WatchFontName" to a font description and back.
// The lengths of a font (height and width) in pixels at `dpi` from 96-dpi units, and back.
plat::LogFont ScaleFont(plat::LogFont font, int dpi);
plat::LogFont UnscaleFont(plat::LogFont font, int dpi);
plat::LogFont ParseWatchFont(const std::string& fields, std::string_view faceName);
std::string FormatWatchFont(const plat::LogFont& font);
// "MM/DD HH:MM".
std::string ClockText(const plat::LocalTime& t);
