#include "app/SettingsFile.h"

#include <charconv>
#include <cstdint>

namespace {

constexpr std::string_view kDword = "dword:";
constexpr std::string_view kEscaped = "escaped:";
constexpr std::string_view kBlanks = " \t\r";

std::string_view Trim(std::string_view s) {
    const std::size_t first = s.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) return {};
    return s.substr(first, s.find_last_not_of(kBlanks) - first + 1);
}

std::string Lower(std::string_view s) {
    std::string out(s);
    for (char& c : out) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return out;
}

bool StartsWithNoCase(std::string_view s, std::string_view prefix) {
    return s.size() >= prefix.size() && Lower(s.substr(0, prefix.size())) == prefix;
}

bool IsControl(unsigned char c) { return c < 0x20 || c == 0x7F; }

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// A DWORD as a person writes it: a decimal, with a minus for the program's negative numbers, or
// 0x and up to eight hex digits.
bool ParseDword(std::string_view text, int& value) {
    if (StartsWithNoCase(text, "0x")) {
        text.remove_prefix(2);
        if (text.empty() || text.size() > 8) return false;
        std::uint32_t n = 0;
        for (char c : text) {
            const int d = HexDigit(c);
            if (d < 0) return false;
            n = n * 16 + static_cast<std::uint32_t>(d);
        }
        value = static_cast<int>(n);
        return true;
    }
    long long n = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), n);
    if (error != std::errc() || end != text.data() + text.size()) return false;
    if (n < INT32_MIN || n > static_cast<long long>(UINT32_MAX)) return false;
    value = static_cast<int>(static_cast<std::uint32_t>(n));
    return true;
}

bool Unescape(std::string_view text, std::string& out) {
    out.clear();
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\') {
            out += text[i];
            continue;
        }
        if (++i == text.size()) return false;
        switch (text[i]) {
            case '\\':
                out += '\\';
                break;
            case 'n':
                out += '\n';
                break;
            case 'r':
                out += '\r';
                break;
            case 't':
                out += '\t';
                break;
            case 'x': {
                if (i + 2 >= text.size()) return false;
                const int high = HexDigit(text[i + 1]);
                const int low = HexDigit(text[i + 2]);
                if (high < 0 || low < 0) return false;
                out += static_cast<char>(high * 16 + low);
                i += 2;
                break;
            }
            default:
                return false;
        }
    }
    return true;
}

std::string Escape(std::string_view text) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    for (char c : text) {
        const auto u = static_cast<unsigned char>(c);
        if (c == '\\') {
            out += "\\\\";
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '\r') {
            out += "\\r";
        } else if (c == '\t') {
            out += "\\t";
        } else if (IsControl(u)) {
            out += "\\x";
            out += kHex[u >> 4];
            out += kHex[u & 0xF];
        } else {
            out += c;
        }
    }
    return out;
}

// Between the first and the last quote; nothing when there are not two.
bool Quoted(std::string_view text, std::string_view& inside) {
    if (text.size() < 2 || text.front() != '"' || text.back() != '"') return false;
    inside = text.substr(1, text.size() - 2);
    return true;
}

}  // namespace

bool SettingsFile::ParseValue(std::string_view text, Value& value) {
    text = Trim(text);
    std::string_view inside;
    if (StartsWithNoCase(text, kDword)) {
        int n = 0;
        if (!ParseDword(Trim(text.substr(kDword.size())), n)) return false;
        value = n;
        return true;
    }
    std::string s;
    if (StartsWithNoCase(text, kEscaped)) {
        if (!Quoted(Trim(text.substr(kEscaped.size())), inside) || !Unescape(inside, s))
            return false;
    } else if (Quoted(text, inside)) {
        s = inside;
    } else {
        return false;
    }
    // The registry hands a string over up to its first zero; so does the file.
    if (const std::size_t nul = s.find('\0'); nul != std::string::npos) s.resize(nul);
    value = std::move(s);
    return true;
}

std::string SettingsFile::FormatValue(const Value& value) {
    if (const int* n = std::get_if<int>(&value)) {
        return std::string(kDword) + std::to_string(static_cast<std::uint32_t>(*n));
    }
    const std::string& s = std::get<std::string>(value);
    std::string out;
    for (char c : s) {
        if (IsControl(static_cast<unsigned char>(c))) {
            out.append(kEscaped).append(1, '"').append(Escape(s)).append(1, '"');
            return out;
        }
    }
    out.reserve(s.size() + 2);
    out.append(1, '"').append(s).append(1, '"');
    return out;
}

void SettingsFile::AddLine(Section& section, Line line) {
    if (!line.name.empty()) section.index.emplace(Lower(line.name), section.lines.size());
    section.lines.push_back(std::move(line));
}

SettingsFile SettingsFile::Parse(std::string_view text) {
    SettingsFile file;
    if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
    Section* current = nullptr;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        std::string_view raw = text.substr(start, end - start);
        start = end + 1;
        if (!raw.empty() && raw.back() == '\r') raw.remove_suffix(1);
        const std::string_view line = Trim(raw);

        if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
            const std::string_view name = Trim(line.substr(1, line.size() - 2));
            // A section named twice reads as one, as the registry cannot hold two.
            current = file.FindSection(name);
            if (current == nullptr) current = &file.AddSection(name);
            current->lines.push_back({std::string(raw), {}, false, 0});
            continue;
        }
        Line entry{std::string(raw), {}, false, 0};
        const std::size_t equals = line.find('=');
        if (current != nullptr && equals != std::string_view::npos && line.front() != ';' &&
            line.front() != '#') {
            entry.name = Trim(line.substr(0, equals));
            entry.readable = ParseValue(line.substr(equals + 1), entry.value);
        }
        if (current == nullptr) {
            file.m_preamble.push_back(std::move(entry.text));
        } else {
            AddLine(*current, std::move(entry));
        }
    }
    return file;
}

std::string SettingsFile::Format() const {
    std::string out;
    for (const std::string& line : m_preamble) out.append(line).append("\r\n");
    for (const Section& section : m_sections) {
        for (const Line& line : section.lines) out.append(line.text).append("\r\n");
    }
    return out;
}

SettingsFile::Section* SettingsFile::FindSection(std::string_view name) {
    const auto it = m_index.find(Lower(name));
    return it == m_index.end() ? nullptr : &m_sections[it->second];
}

const SettingsFile::Section* SettingsFile::FindSection(std::string_view name) const {
    const auto it = m_index.find(Lower(name));
    return it == m_index.end() ? nullptr : &m_sections[it->second];
}

SettingsFile::Section& SettingsFile::AddSection(std::string_view name) {
    m_index.emplace(Lower(name), m_sections.size());
    Section& section = m_sections.emplace_back();
    section.name = name;
    return section;
}

bool SettingsFile::HasSection(std::string_view section) const {
    return FindSection(section) != nullptr;
}

const SettingsFile::Value* SettingsFile::Find(std::string_view section,
                                              std::string_view name) const {
    const Section* s = FindSection(section);
    if (s == nullptr) return nullptr;
    const auto it = s->index.find(Lower(name));
    if (it == s->index.end() || !s->lines[it->second].readable) return nullptr;
    return &s->lines[it->second].value;
}

void SettingsFile::Set(std::string_view section, std::string_view name, Value value) {
    Section* s = FindSection(section);
    if (s == nullptr) {
        s = &AddSection(section);
        std::string header(1, '[');
        header.append(section).append(1, ']');
        s->lines.push_back({std::move(header), {}, false, 0});
    }
    if (const auto it = s->index.find(Lower(name)); it != s->index.end()) {
        Line& line = s->lines[it->second];
        // The name keeps the spelling it has in the file.
        line.text = line.name;
        line.text.append(1, '=').append(FormatValue(value));
        line.readable = true;
        line.value = std::move(value);
        return;
    }
    std::string text(name);
    text.append(1, '=').append(FormatValue(value));
    AddLine(*s, {std::move(text), std::string(name), true, std::move(value)});
}
