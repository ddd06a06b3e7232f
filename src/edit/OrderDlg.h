// Puts the buttons in a new order, one place up or down per click, at once.
#pragma once

#include <memory>
#include <vector>

#include "button/LaunchButton.h"
#include "edit/IconListBox.h"
#include "platform/Platform.h"

class COrderDlg : public plat::IDialogEvents {
  public:
    using Buttons = std::vector<std::unique_ptr<CLaunchButton>>;
    explicit COrderDlg(plat::IPlatform& platform);

    void SetButtonList(Buttons& buttons) { m_buttons = &buttons; }
    int DoModal(plat::WindowRef parent);
    // Whether any button moved while the dialog was open.
    bool Moved() const { return m_moved; }

    void OnInitDialog(plat::IDialog& dialog) override;
    void OnCommand(plat::IDialog& dialog, int id, int notifyCode) override;
    plat::Size OnMeasureItem(plat::IDialog& dialog, int control, int row) override;
    void OnDrawItem(plat::IDialog& dialog, const plat::DrawItem& item) override;

  private:
    void Move(plat::IDialog& dialog, int by);
    plat::Icon RowIcon(const CLaunchButton& button);

    plat::IPlatform& m_platform;
    Buttons* m_buttons = nullptr;
    CIconListBox m_rows;
    plat::Icon m_fallback;  // shown for a button whose icon cannot be loaded
    bool m_moved = false;
    int m_dpi = plat::kBaseDpi;  // of the dialog's screen: the rows' icons are made for it
};

// The row text of a button: its program's file name and extension, never its title.
std::string OrderRowText(const ButtonInfo& info);
