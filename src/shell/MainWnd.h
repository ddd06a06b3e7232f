// The hidden main window: owner of the tray icon, the button collection and the clock, and the
// keeper of the open-dialog counter by which the whole program refuses clicks while a modal
// dialog of its own is open.
#pragma once

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "app/StoredValues.h"
#include "button/ButtonInfo.h"
#include "button/LaunchButton.h"
#include "platform/Platform.h"
#include "shell/Host.h"

class CWatchWnd;

class CMainWnd : public plat::IMainWindowEvents, public IHost {
  public:
    // Reads "Button"/"Num": the number of stored buttons to load.
    explicit CMainWnd(plat::IPlatform& platform);
    ~CMainWnd() override;

    // Creates the hidden window (which adds the tray icon) and hides it; false if it failed.
    bool Create();

    // IHost
    plat::WindowRef Window() const override { return m_hWnd; }
    bool RefuseWhileDialogOpen() override;
    void EnterDialog() override { ++m_nOpenDialogs; }
    void LeaveDialog() override { --m_nOpenDialogs; }
    void RemoveButton(CLaunchButton* button) override;
    void SaveButtonList() override;
    void RefreshTopmost() override;
    std::shared_ptr<const plat::Icon> ButtonIcon(const std::string& file, int index,
                                                 int room) override;
    plat::ZOrder TopBand(plat::Rect rect) const override;
    bool KeyboardMode() const override { return m_bKeyboardMode; }
    void ButtonUsed(CLaunchButton* button, bool byKeyboard) override;
    void ButtonFocus(CLaunchButton* button, bool gained) override;
    void MoveFocus(CLaunchButton* from, FocusMove move) override;
    void EndKeyboardTurn(bool giveBack) override;

    // The collection.
    void LoadAllButtons();
    void CreateButton(const ButtonInfo& info, int option);
    // Writes the section of every button that differs from what that section last held.
    void SaveAllButtons();
    int ButtonCount() const { return static_cast<int>(m_buttons.size()); }

    // The tray icon and its menu.
    void ToggleButtonsShown();
    plat::Menu BuildTrayMenu() const;
    // At the pointer; from the keyboard at the icon, and the notification area has the keyboard
    // back when it closes.
    void ShowTrayMenu();
    void ShowTrayMenuFromKeyboard(plat::Point anchor);

    // Everything an orderly end writes, in its order.
    void SaveOnExit();
    // Writes all that an end would, taking nothing down: the session may yet go on.
    void SaveForEndOfSession();
    // Ends the message loop, leaving the windows to the end of the process.
    void Quit();

    // plat::IMainWindowEvents
    bool OnCreate(plat::WindowRef self) override;
    void OnClose() override;
    bool OnQueryEndSession(bool defaultAnswer) override;
    void OnEndSession(bool ending) override;
    void OnCommand(int id) override;
    void OnTrayEvent(int event, plat::Point anchor) override;
    void OnTaskbarCreated() override;
    void OnDisplayChange() override;
    void OnForegroundWindow(const plat::ForegroundWindow& window) override;
    void OnHotkey() override;
    void OnTimer(int id) override;
    // Set by the hotkey: the buttons other than the focused one come forward when it goes off.
    static constexpr int kBringForwardTimer = 0x4B46;
    void OnDestroyed() override;

    std::vector<std::unique_ptr<CLaunchButton>> m_buttons;
    std::unique_ptr<CWatchWnd> m_pWatch;
    bool m_bButtonsShown = true;
    int m_nOpenDialogs = 0;
    // The count read from the store; once loaded, m_buttons is the collection.
    int m_nButtons = 0;
    // The hotkey as chosen (plat::hotkey's form, 0 for none), and whether it is registered: another
    // program may hold it.
    unsigned m_hotkey = 0;
    bool m_bHotkeyRegistered = false;

  private:
    // Says at start-up how many stored buttons are past the bound.
    void TellHiddenButtons();
    // After a deletion: the last stored button past the bound takes the freed place.
    void ShowLastHiddenButton();
    void AddTrayIcon();
    void TrackTrayMenu(plat::Point at);
    void RemoveTrayIcon();
    bool ConfirmNoDialogOpen();
    void ShowAbout();
    void OpenHelp();
    void AddButton();
    std::vector<int> ButtonSizes() const;
    void MoveButtons(const std::vector<plat::Point>& places);
    plat::Rect FirstButtonsMonitor() const;
    void ArrangeInRows(bool downward);
    void ArrangeInColumns(bool rightward);
    void SpreadButtons();
    void ShowOrderDialog();
    void MakeButtonsSameSize();
    void ExportSettings();
    void ImportSettings();
    // Puts the file's buttons and clock settings in place of the present ones, as one change.
    void ReplaceSettings(plat::ISettingsStore& from, int count);
    void ChooseHotkey();
    // Takes the button out of the list, its window destroyed, its object kept to the end of the
    // message loop.
    void RetireButton(std::size_t index);
    // The button used last while it is still one of ours; else the first.
    CLaunchButton* LastUsedButton() const;
    void SetKeyboardMode(bool on);
    void ToggleClock();
    void CreateClock();
    void DestroyClock();
    void FollowFullScreen(plat::WindowRef window, bool topmost,
                          const std::optional<plat::Rect>& before);

    // What a section Btn<n> holds as far as this program knows: what start-up read from it or
    // what was last written to it. Only a button that differs from its section is written.
    struct StoredButton {
        ButtonInfo info;
        int option = 0;
        friend bool operator==(const StoredButton&, const StoredButton&) = default;
    };

    plat::IPlatform& m_platform;
    plat::WindowRef m_hWnd;
    std::vector<StoredButton> m_stored;  // by number - 1, also past the count after a deletion
    // While the stored buttons are made, those that name the same icon share it.
    bool m_bLoading = false;
    std::map<std::tuple<std::string, int, int>, std::shared_ptr<const plat::Icon>> m_icons;
    int m_nStoredNum = 0;  // "Button"/"Num" as the store holds it
    // Stored buttons past the bound: not shown, their sections (after the shown ones') kept.
    int m_nHidden = 0;
    // Buttons and clocks whose windows are gone: a handler of theirs may still be running (a
    // box, a menu or a dialog of theirs let the message that ended them in), so the objects live
    // until this window's object goes, after the message loop has ended. Such a handler finds
    // its window gone and touches nothing more.
    std::vector<std::unique_ptr<plat::IPopupEvents>> m_retired;
    // A right click on the tray icon opens its menu as the button goes down; its release brings
    // a context-menu event of the shell's that is the same click, not a key.
    bool m_bTrayClickPending = false;
    bool m_bInTrayMenu = false;
    // While the hotkey has brought the buttons forward: the window it took the foreground from,
    // and whether the buttons were hidden before.
    struct KeyboardTurn {
        plat::WindowRef previous;
        bool wereHidden = false;
    };
    std::optional<KeyboardTurn> m_keyTurn;
    bool m_bKeyboardMode = false;
    // Cleared when their button goes (RetireButton, Quit).
    CLaunchButton* m_focused = nullptr;
    CLaunchButton* m_lastUsed = nullptr;
    // The monitor a full-screen program in the foreground covers; none while there is none.
    std::optional<plat::Rect> m_fullScreen;
};
