// A launch button: a small square window without caption or border that carries one entry's
// icon, starts the entry when clicked, and can be dragged, kept on top and deleted.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "button/AppStart.h"
#include "button/ButtonInfo.h"
#include "platform/Platform.h"

class IHost;

// A drop of more files than this starts one program each only when the user says yes.
inline constexpr std::size_t kDropsWithoutAsking = 20;

class CLaunchButton : public plat::IPopupEvents, public plat::IAccessibleEvents {
  public:
    CLaunchButton(IHost& host, plat::IPlatform& platform);
    ~CLaunchButton() override;
    CLaunchButton(const CLaunchButton&) = delete;
    CLaunchButton& operator=(const CLaunchButton&) = delete;

    // Makes the (still hidden) window, owned by `owner`.
    void Create(plat::WindowRef owner);
    // What that window is: a bare popup that takes dropped files.
    static plat::PopupSpec WindowSpec(plat::WindowRef owner);
    plat::WindowRef Window() const { return m_hWnd; }
    // The program ends: the window stays up until the process takes it, no longer this object's
    // (its handlers still on the stack find no window and stop).
    void ReleaseWindow();

    // Shows the record: place, size, z-order, icon, launch data, tip.
    void ApplyInfo(const ButtonInfo& info, int option);
    // The record with its rectangle taken from the window as it stands now.
    void GetInfo(ButtonInfo& info, int& option);
    // The record as last applied, for those that only read it.
    const ButtonInfo& Info() const { return m_info; }
    int Option() const { return m_option; }
    // Where the window stands as this button last placed it or was told: no trip to the window
    // system, so a key can look over a thousand buttons at once.
    plat::Rect Place() const { return m_place; }
    int Dpi() const { return m_dpi; }

    void MoveTo(int x, int y);
    void SetButtonSize(plat::Dip size);
    void PlaceWindow(int x, int y, int cx, int cy);
    void ReassertTopmost();
    // ReassertTopmost for a button that has left the band it belongs in; one that stands in it
    // keeps its place among the others.
    void RestoreBand();
    // Puts a button that lies on no monitor any more back onto the primary screen.
    void KeepOnScreen();
    void DrawFace();

    // plat::IPopupEvents
    void OnCreate(plat::WindowRef self) override;
    void OnPaint() override;
    std::optional<int> OnNcHitTest(plat::Point screen) override;
    void OnNcLButtonDown() override;
    void OnLButtonDown(plat::Point client, unsigned keys) override;
    void OnLButtonUp(plat::Point client, unsigned keys) override;
    void OnRButtonDown(plat::Point client, unsigned keys) override;
    void OnMouseMove(plat::Point client, unsigned keys) override;
    bool OnKeyDown(plat::Key key, unsigned keys) override;
    void OnFocus(bool gained) override;
    void OnDropFiles(const std::vector<std::string>& files, unsigned keys) override;
    void OnCommand(int id) override;
    void OnEnterSizeMove() override { m_bSizeMove = true; }
    void OnExitSizeMove() override;
    void OnDpiChanged(int dpi, plat::Rect suggested) override;
    bool OnClose() override { return false; }  // Escape and Alt+F4 never end a button
    void OnDestroy() override;
    plat::IAccessibleEvents* Accessible() override { return this; }

    // plat::IAccessibleEvents: a push button named after its entry, which its action starts.
    plat::AccessibleFacts OnDescribe() override;
    void OnDefaultAction() override;
    // The entry's title, else its file's name.
    std::string Name() const;

    int m_pressed = 0;
    int m_moveMode = 0;

  private:
    // PlaceWindow for a place already known to be on a monitor, into the band `z`.
    void PlaceOnScreen(plat::Point at, int cx, int cy, plat::ZOrder z);
    // The band a button of this side at `at` belongs in.
    plat::ZOrder Band(plat::Point at, int side);
    bool Inside(plat::Point client);
    void ShowMenu(plat::Point client);
    void ToggleTopmost();
    void Delete();
    void EditSettings();
    // Where a button asked to stand at (x, y) is put: on the primary screen when that place lies
    // on no monitor.
    plat::Point OnScreen(int x, int y);
    void LoadFaceIcon();
    int Side() const { return plat::ButtonSide(m_info.size, m_dpi).value; }
    // The window now stands at (x, y), Side() square.
    void Hold(int x, int y) { m_place = {x, y, x + Side(), y + Side()}; }

    IHost& m_host;
    plat::IPlatform& m_platform;
    plat::WindowRef m_hWnd;
    int m_option = 0;
    // The platform moves the window (after a caption answer).
    bool m_bSizeMove = false;
    // The DPI of the monitor the button is shown on; its size and its icon follow it.
    int m_dpi = plat::kBaseDpi;
    plat::Rect m_place;
    bool m_bFocused = false;
    std::shared_ptr<const plat::Icon> m_icon;  // none: the bare face
    CAppStart m_launcher;
    ButtonInfo m_info;
    std::string m_name;  // as the window's text holds it
};
