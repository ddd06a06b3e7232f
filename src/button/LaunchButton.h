// A launch button: a small square window without caption or border that carries one entry's
// icon, starts the entry when clicked, and can be dragged, kept on top and deleted.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "button/AppStart.h"
#include "button/ButtonInfo.h"
#include "platform/Platform.h"

class IHost;

class CLaunchButton : public plat::IPopupEvents {
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

    // Shows the record: place, size, z-order, icon, launch data, tip.
    void ApplyInfo(const ButtonInfo& info, int option);
    // The record with its rectangle taken from the window as it stands now.
    void GetInfo(ButtonInfo& info, int& option);
    // The record as last applied, for those that only read it.
    const ButtonInfo& Info() const { return m_info; }
    int Option() const { return m_option; }

    void MoveTo(int x, int y);
    void SetButtonSize(int size);
    void PlaceWindow(int x, int y, int cx, int cy);
    void ReassertTopmost();
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
    void OnDropFiles(const std::vector<std::string>& files, unsigned keys) override;
    void OnCommand(int id) override;
    void OnExitSizeMove() override;
    bool OnClose() override { return false; }  // Escape and Alt+F4 never end a button
    void OnDestroy() override;

    int m_pressed = 0;
    int m_moveMode = 0;

  private:
    // Where a button asked to stand at (x, y) is shown.
    plat::Point OnScreen(int x, int y);
    bool Inside(plat::Point client);
    void ShowMenu(plat::Point client);
    void ToggleTopmost();
    void Delete();
    void EditSettings();
    std::string TipText() const;

    IHost& m_host;
    plat::IPlatform& m_platform;
    plat::WindowRef m_hWnd;
    int m_option = 0;
    std::shared_ptr<const plat::Icon> m_icon;  // none: the bare face
    CAppStart m_launcher;
    ButtonInfo m_info;
};
