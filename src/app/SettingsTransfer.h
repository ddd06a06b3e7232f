// The files of the export and import commands: the portable file's format, built and read in
// memory.
#pragma once

#include <string>

#include "app/FileStore.h"

class SettingsText : public FileStore {
  public:
    explicit SettingsText(std::string text = {}) : m_text(std::move(text)) { SetLocation({}, {}); }

    // The text as the last finished change left it.
    const std::string& Text() const { return m_text; }
    // Whether the text is a settings file of ours: it holds the count of its buttons.
    bool IsSettings() const;
    // How many buttons it holds: its count, but past the shown ones no more than it has sections
    // for, so that a damaged count cannot make an import read sections that are not there.
    int ButtonsHeld();

  protected:
    Load LoadBytes(std::string& bytes) override;
    bool CanWrite() override { return true; }
    bool SaveBytes(std::string_view bytes) override;

  private:
    std::string m_text;
};

// Every value of the clock, as the source holds it or its default.
void CopyClockSettings(plat::ISettingsStore& from, plat::ISettingsStore& to);
