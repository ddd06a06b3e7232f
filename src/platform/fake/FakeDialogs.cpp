#include "platform/fake/FakeDialogs.h"

#include "platform/win32/DialogStyles.h"
#include "res/Texts.h"

namespace fake {

FakeDialog::FakeDialog(const plat::DialogTemplate& t, plat::IDialogEvents& events,
                       plat::WindowRef self)
    : m_template(t), m_events(events), m_self(self) {
    const auto px = [](int units) { return units * kDialogUnit / 2; };
    for (const auto& c : t.controls) {
        if (c.id == -1) continue;
        m_texts[c.id] = c.text;
        m_rects[c.id] = {px(c.x), px(c.y), px(c.x + c.cx), px(c.y + c.cy)};
    }
}

plat::Rect FakeDialog::ClientRect() {
    return {0, 0, m_template.cx * kDialogUnit / 2, m_template.cy * kDialogUnit / 2};
}

plat::Rect FakeDialog::ItemRect(int id) {
    auto it = m_rects.find(id);
    return it == m_rects.end() ? plat::Rect{} : it->second;
}

void FakeDialog::MoveItem(int id, plat::Rect rect) {
    if (m_rects.count(id) != 0) m_rects[id] = rect;
}

unsigned FakeDialog::ItemValue(int id) { return m_values[id]; }

void FakeDialog::SetItemValue(int id, unsigned value) { m_values[id] = value; }

void FakeDialog::Invalidate(int) { ++invalidations; }

void FakeDialog::Click(int id) {
    for (const auto& c : m_template.controls) {
        if (c.id == id && c.className == "BUTTON" && (c.style & 0xF) == dlgstyle::kBsAutoCheckBox) {
            m_values[id] = m_values[id] != 0 ? 0 : 1;
        }
    }
    m_events.OnCommand(*this, id, 0);
}

std::string FakeDialog::ItemText(int id) {
    auto it = m_texts.find(id);
    return it == m_texts.end() ? std::string() : it->second;
}

void FakeDialog::SetItemText(int id, std::string_view text) {
    if (m_texts.count(id) == 0) return;
    m_texts[id] = std::string(text);
    for (const auto& c : m_template.controls) {
        if (c.id == id && c.className == "EDIT") m_events.OnCommand(*this, id, plat::kEditUpdate);
    }
}

void FakeDialog::FocusItem(int id, bool selectAll) {
    focusedItem = id;
    focusSelectsAll = selectAll;
}

void FakeDialog::SetSpinRange(int id, int lower, int upper) { spinRanges[id] = {lower, upper}; }

void FakeDialog::SetComboItems(int id, const std::vector<std::string>& items, int index) {
    comboItems[id] = items;
    SetComboSelection(id, index);
}

void FakeDialog::SetComboSelection(int id, int index) {
    const auto count = static_cast<int>(comboItems[id].size());
    comboSelection[id] = index >= 0 && index < count ? index : -1;
}

int FakeDialog::ComboSelection(int id) {
    auto it = comboSelection.find(id);
    return it == comboSelection.end() ? -1 : it->second;
}

void FakeDialog::Choose(int id, int index) {
    SetComboSelection(id, index);
    constexpr int kSelChange = 1;
    m_events.OnCommand(*this, id, kSelChange);
}

void FakeDialog::SetItemIcon(int id, const plat::Icon* icon) {
    shownIcons[id] = icon != nullptr ? icon->Get() : 0;
}

int FakeDialog::ListAddRow(int id, std::uintptr_t data) {
    listRows[id].push_back(data);
    return static_cast<int>(listRows[id].size()) - 1;
}

void FakeDialog::ListDeleteRow(int id, int row) {
    auto& rows = listRows[id];
    if (row < 0 || row >= static_cast<int>(rows.size())) return;
    rows.erase(rows.begin() + row);
    if (listSelection.count(id) && listSelection[id] >= static_cast<int>(rows.size())) {
        listSelection[id] = -1;
    }
}

int FakeDialog::RowCount(int id) { return static_cast<int>(listRows[id].size()); }

int FakeDialog::ListSelection(int id) {
    auto it = listSelection.find(id);
    return it == listSelection.end() ? -1 : it->second;
}

void FakeDialog::ListSelect(int id, int row) {
    listSelection[id] = row >= 0 && row < RowCount(id) ? row : -1;
}

void FakeDialog::DrawRow(int id, int row, unsigned action) {
    plat::DrawItem item;
    item.control = id;
    item.row = row;
    item.action = action;
    item.state = row >= 0 && ListSelection(id) == row ? plat::oda::kSelected : 0;
    item.rect = {0, row * 20, 120, row * 20 + 20};
    item.window = plat::WindowRef{0x9000u + static_cast<unsigned>(id)};  // the list's own window
    m_events.OnDrawItem(*this, item);
}

void FakeDialog::End(int result) {
    if (!m_result) m_result = result;
}

int FakeDialogs::ShowMessageBox(plat::WindowRef owner, std::string_view text, unsigned type) {
    m_log.push_back("Dialogs.MessageBox " + std::string(text));
    // The caption the real adapter puts on every box.
    messageBoxes.push_back({owner, std::string(text), text::kAppName, type});
    if (whileMessageBox) whileMessageBox(MessageBoxCall(messageBoxes.back()));
    if (messageBoxAnswers.empty()) return plat::mb::kIdOk;
    const int answer = messageBoxAnswers.front();
    messageBoxAnswers.pop_front();
    return answer;
}

void FakeDialogs::TrackPopupMenu(const plat::Menu& menu, plat::Point at, plat::WindowRef owner) {
    m_log.push_back("Dialogs.TrackPopupMenu");
    menus.push_back({menu, at, owner});
    if (whileMenu) whileMenu(TrackedMenu(menus.back()));
}

int FakeDialogs::RunModalDialog(const plat::DialogTemplate& dialog, plat::WindowRef,
                                plat::IDialogEvents& events) {
    m_log.push_back("Dialogs.RunModalDialog " + std::to_string(dialog.id));
    templates.push_back(&dialog);
    FakeDialog running(dialog, events, m_windows.NewRef());
    events.OnInitDialog(running);
    if (!dialogScripts.empty()) {
        DialogScript script = std::move(dialogScripts.front());
        dialogScripts.pop_front();
        script(running);
    }
    if (!running.Ended()) running.Click(plat::mb::kIdCancel);
    return running.Result();
}

bool FakeDialogs::PickColour(plat::WindowRef, plat::Colour& colour) {
    m_log.push_back("Dialogs.ChooseColour " + std::to_string(colour));
    if (colourAnswers.empty()) return false;
    colour = colourAnswers.front();
    colourAnswers.pop_front();
    return true;
}

bool FakeDialogs::PickFont(plat::WindowRef, plat::LogFont& font, unsigned flags) {
    m_log.push_back("Dialogs.ChooseFont " + font.faceName);
    fontFlags.push_back(flags);
    if (fontAnswers.empty()) return false;
    font = fontAnswers.front();
    fontAnswers.pop_front();
    return true;
}

bool FakeDialogs::PickOpenFile(plat::WindowRef, std::string_view filter,
                               std::string_view initialName, unsigned flags, std::string& path) {
    m_log.push_back("Dialogs.ChooseOpenFile");
    openFileCalls.push_back({std::string(filter), std::string(initialName), flags});
    if (openFileAnswers.empty()) return false;
    path = openFileAnswers.front();
    openFileAnswers.pop_front();
    return true;
}

bool FakeDialogs::PickSaveFile(plat::WindowRef, std::string_view filter,
                               std::string_view initialName, unsigned flags, std::string& path) {
    m_log.push_back("Dialogs.ChooseSaveFile");
    saveFileCalls.push_back({std::string(filter), std::string(initialName), flags});
    if (saveFileAnswers.empty()) return false;
    path = saveFileAnswers.front();
    saveFileAnswers.pop_front();
    return true;
}

}  // namespace fake
