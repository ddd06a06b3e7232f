#include "app/SettingsTransfer.h"

#include <algorithm>

#include "app/StoredValues.h"

FileStore::Load SettingsText::LoadBytes(std::string& bytes) {
    bytes = m_text;
    return Load::Found;
}

bool SettingsText::SaveBytes(std::string_view bytes) {
    m_text = bytes;
    return true;
}

bool SettingsText::IsSettings() const { return HasInt(stored::kNum.section, stored::kNum.name); }

int SettingsText::ButtonsHeld() {
    const int count = std::max(stored::ReadRaw(*this, stored::kNum), 0);
    int held = std::min(count, kMaxButtons);
    while (held < count && HasSection(stored::Section(stored::kTitle, held + 1))) ++held;
    return held;
}

void CopyClockSettings(plat::ISettingsStore& from, plat::ISettingsStore& to) {
    using stored::Type;
    for (const stored::Value* value : stored::kAll) {
        if (value->section != stored::kShow.section) continue;
        switch (value->type) {
            case Type::Integer:
                stored::WriteInt(to, *value, stored::ReadRaw(from, *value));
                break;
            case Type::Colour:
                stored::WriteColour(to, *value, stored::ReadColour(from, *value));
                break;
            case Type::Text:
            case Type::List:
                stored::WriteText(to, *value, stored::ReadText(from, *value));
                break;
        }
    }
}
