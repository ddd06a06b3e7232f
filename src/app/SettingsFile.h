// The settings as a text file a person can read and edit in Notepad: the sections and values of
// the registry store, one [Section] each, with the same names and the same types.
//
//   [Button]
//   Num=dword:2
//   [Btn1]
//   Title="エディタ"
//   AppName="%SystemRoot%\notepad.exe"
//   Size=dword:36
//   Parm=escaped:"first line\r\nsecond line"
//
// A DWORD is "dword:" and a decimal (or 0x and hex digits); a string is everything between the
// first and the last quote, or "escaped:" and a quoted text with backslash escapes where it holds
// a line break or another control character. Names are matched without regard to case, as the
// registry matches them. Every line the program does not understand, and every value it never
// writes, stays as it stands.
#pragma once

#include <cstddef>
#include <map>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

// A file bigger than this is not ours to read or to write over.
inline constexpr std::size_t kMaxSettingsFileBytes = std::size_t{4} * 1024 * 1024;

class SettingsFile {
  public:
    using Value = std::variant<int, std::string>;

    static SettingsFile Parse(std::string_view text);
    // UTF-8 without a byte-order mark, CR LF after every line.
    std::string Format() const;

    // The value, or nullptr when it is missing or cannot be read.
    const Value* Find(std::string_view section, std::string_view name) const;
    void Set(std::string_view section, std::string_view name, Value value);
    bool HasSection(std::string_view section) const;

    // A value as it is written in the file, without its name.
    static std::string FormatValue(const Value& value);
    // False when the text is no value of ours.
    static bool ParseValue(std::string_view text, Value& value);

  private:
    struct Line {
        std::string text;  // as read, or as last written
        std::string name;  // empty for a line that holds no value
        bool readable = false;
        Value value;
    };
    struct Section {
        std::string name;
        std::vector<Line> lines;                   // the header first
        std::map<std::string, std::size_t> index;  // by lower-case name, the first of its name
    };
    Section* FindSection(std::string_view name);
    const Section* FindSection(std::string_view name) const;
    Section& AddSection(std::string_view name);
    static void AddLine(Section& section, Line line);

    std::vector<std::string> m_preamble;  // lines before the first section
    std::vector<Section> m_sections;
    std::map<std::string, std::size_t> m_index;  // by lower-case name
};
