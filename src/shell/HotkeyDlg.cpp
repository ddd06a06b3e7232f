#include "shell/HotkeyDlg.h"

#include "app/StoreChange.h"
#include "app/StoredValues.h"
#include "res/Dialogs.h"
#include "res/Texts.h"

bool UsableHotkey(long long combination) {
    if (combination == 0) return true;
    if (combination < 0 || combination > 0xFFFF) return false;
    const auto value = static_cast<unsigned>(combination);
    const unsigned modifiers = plat::hotkey::Modifiers(value);
    const unsigned key = plat::hotkey::Key(value);
    using namespace plat::hotkey;
    if ((modifiers & ~(kAlt | kControl | kShift | kWin)) != 0) return false;
    if ((modifiers & (kAlt | kControl | kWin)) == 0) return false;
    // Mouse buttons, the modifiers themselves (either hand's) and the Windows keys.
    constexpr unsigned kNotKeys[] = {0x00, 0x01, 0x02, 0x04, 0x05, 0x06, 0x10, 0x11, 0x12,
                                     0x5B, 0x5C, 0xA0, 0xA1, 0xA2, 0xA3, 0xA4, 0xA5, 0xFF};
    for (const unsigned k : kNotKeys)
        if (key == k) return false;
    return true;
}

unsigned StoredHotkey(plat::ISettingsStore& store) {
    const int stored = stored::ReadRaw(store, stored::kHotkey);
    return UsableHotkey(stored) ? static_cast<unsigned>(stored) : kDefaultHotkey;
}

void StoreHotkey(plat::ISettingsStore& store, unsigned combination) {
    const StoreChange change(store);
    stored::WriteInt(store, stored::kHotkey, static_cast<int>(combination));
}

int CHotkeyDlg::DoModal(plat::WindowRef parent) {
    return m_platform.Dialogs().RunModalDialog(dlg::Hotkey(), parent, *this);
}

void CHotkeyDlg::OnInitDialog(plat::IDialog& dialog) {
    dialog.SetItemValue(dlg::kHotkeyKey, m_hotkey);
    dialog.SetItemText(dlg::kHotkeyState, m_bTaken && m_hotkey != 0 ? text::kHotkeyTakenNow : "");
    dialog.FocusItem(dlg::kHotkeyKey, false);
}

void CHotkeyDlg::OnCommand(plat::IDialog& dialog, int id, int notifyCode) {
    if (id == dlg::kHotkeyClear) {
        dialog.SetItemValue(dlg::kHotkeyKey, 0);
        dialog.SetItemText(dlg::kHotkeyState, "");
        dialog.FocusItem(dlg::kHotkeyKey, false);
        return;
    }
    if (id == plat::mb::kIdOk) {
        unsigned chosen = dialog.ItemValue(dlg::kHotkeyKey);
        // The control keeps to usable keys; anything else it might hand over means the default.
        if (!UsableHotkey(chosen)) chosen = kDefaultHotkey;
        if (chosen != 0 && !m_platform.Input().RegisterHotkey(m_main, chosen)) {
            dialog.SetItemText(dlg::kHotkeyState, text::kHotkeyTakenNow);
            m_platform.Dialogs().ShowMessageBox(dialog.Window(), text::kHotkeyTaken,
                                                plat::mb::kOk | plat::mb::kIconExclamation);
            dialog.FocusItem(dlg::kHotkeyKey, false);
            return;  // the dialog stays open
        }
        if (chosen == 0) m_platform.Input().UnregisterHotkey(m_main);
        m_hotkey = chosen;
        m_bTaken = false;
    }
    plat::IDialogEvents::OnCommand(dialog, id, notifyCode);
}
