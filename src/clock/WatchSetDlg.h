// The clock's settings: font, colours and on-top, with a live sample. Everything is chosen on
// the dialog's own copies; only OK hands them to the clock.
#pragma once

#include "platform/Platform.h"

class CWatchSetDlg : public plat::IDialogEvents {
  public:
    // The sample starts in a copy of `clockFont`.
    CWatchSetDlg(plat::IPlatform& platform, const plat::Font& clockFont)
        : m_platform(platform), m_pClockFont(clockFont) {}
    int DoModal(plat::WindowRef parent);

    void PlacePreview(plat::IDialog& dialog);
    void DrawPreview(plat::IDialog& dialog);

    // plat::IDialogEvents
    void OnInitDialog(plat::IDialog& dialog) override;
    void OnCommand(plat::IDialog& dialog, int id, int notifyCode) override;
    void OnPaint(plat::IDialog& dialog) override;

    int m_topMost = 0;
    plat::Colour m_bkColor = 0;
    plat::Colour m_textColor = 0;
    // Set on OK: the clock's font from then on. The clock takes it over only once the dialog
    // has ended, so that a clock closed meanwhile is never written to.
    plat::Font m_newFont;

  private:
    void PickColour(plat::IDialog& dialog, plat::Colour& colour);
    void PickFont(plat::IDialog& dialog);

    plat::IPlatform& m_platform;
    const plat::Font& m_pClockFont;
    plat::Font m_previewFont;
};
