// The hotkey that brings the buttons forward: how it is kept, and the dialog that chooses it.
#pragma once

#include "app/StoredValues.h"
#include "platform/Platform.h"

// Ctrl+Alt+B.
inline constexpr auto kDefaultHotkey = static_cast<unsigned>(stored::kHotkey.number);

// Whether a combination can be the hotkey: none (0), or a key that is not itself a modifier or a
// mouse button, held with Ctrl, Alt or Win (Shift alone would take a capital letter from every
// program), and no flags the system does not know.
bool UsableHotkey(long long combination);
// The stored hotkey; a value that is not usable reads as the default.
unsigned StoredHotkey(plat::ISettingsStore& store);
void StoreHotkey(plat::ISettingsStore& store, unsigned combination);

// Chooses the hotkey, or none. The key chosen is registered for `main` when the user says OK; a
// key another program holds is refused there and the dialog stays open.
class CHotkeyDlg : public plat::IDialogEvents {
  public:
    CHotkeyDlg(plat::IPlatform& platform, plat::WindowRef main)
        : m_platform(platform), m_main(main) {}
    int DoModal(plat::WindowRef parent);
    void OnInitDialog(plat::IDialog& dialog) override;
    void OnCommand(plat::IDialog& dialog, int id, int notifyCode) override;

    // In: the key now and whether another program holds it. Out, after OK: the key chosen,
    // registered unless it is none.
    unsigned m_hotkey = 0;
    bool m_bTaken = false;

  private:
    plat::IPlatform& m_platform;
    plat::WindowRef m_main;
};
