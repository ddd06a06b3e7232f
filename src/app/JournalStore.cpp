#include "app/JournalStore.h"

#include <charconv>

namespace {

// One write a line: its kind ('i' a number, 's' a text), section, key and value, apart by tabs,
// after a first line with the count of writes, so that a cut journal is known as one. Tabs,
// line ends, backslashes and zeros inside a field are escaped.
void AppendEscaped(std::string& out, std::string_view field) {
    for (char c : field) {
        switch (c) {
            case '\\':
                out += "\\\\";
                break;
            case '\t':
                out += "\\t";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\0':
                out += "\\0";
                break;
            default:
                out += c;
        }
    }
}

std::optional<std::string> Unescape(std::string_view field) {
    std::string out;
    for (std::size_t i = 0; i < field.size(); ++i) {
        if (field[i] != '\\') {
            out += field[i];
            continue;
        }
        if (++i == field.size()) return std::nullopt;
        switch (field[i]) {
            case '\\':
                out += '\\';
                break;
            case 't':
                out += '\t';
                break;
            case 'n':
                out += '\n';
                break;
            case 'r':
                out += '\r';
                break;
            case '0':
                out += '\0';
                break;
            default:
                return std::nullopt;
        }
    }
    return out;
}

// The whole field as a decimal number, or nothing.
template <class Number>
std::optional<Number> WholeNumber(std::string_view field) {
    Number n{};
    const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), n);
    if (error != std::errc() || end != field.data() + field.size() || field.empty()) {
        return std::nullopt;
    }
    return n;
}

std::vector<std::string_view> Split(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    for (;;) {
        const std::size_t at = text.find(separator, start);
        if (at == std::string_view::npos) {
            parts.push_back(text.substr(start));
            return parts;
        }
        parts.push_back(text.substr(start, at - start));
        start = at + 1;
    }
}

}  // namespace

std::string JournalStore::Encode(const std::vector<Write>& writes) {
    std::string out = std::to_string(writes.size());
    for (const Write& w : writes) {
        out += '\n';
        out += std::holds_alternative<int>(w.value) ? 'i' : 's';
        out += '\t';
        AppendEscaped(out, w.section);
        out += '\t';
        AppendEscaped(out, w.key);
        out += '\t';
        if (const int* n = std::get_if<int>(&w.value)) {
            out += std::to_string(*n);
        } else {
            AppendEscaped(out, std::get<std::string>(w.value));
        }
    }
    return out;
}

std::optional<std::vector<JournalStore::Write>> JournalStore::Decode(std::string_view text) {
    const std::vector<std::string_view> lines = Split(text, '\n');
    const auto count = WholeNumber<std::size_t>(lines.front());
    if (!count || *count != lines.size() - 1) return std::nullopt;
    std::vector<Write> writes;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const std::vector<std::string_view> fields = Split(lines[i], '\t');
        if (fields.size() != 4 || (fields[0] != "i" && fields[0] != "s")) return std::nullopt;
        auto section = Unescape(fields[1]);
        auto key = Unescape(fields[2]);
        if (!section || !key) return std::nullopt;
        Write w{std::move(*section), std::move(*key), 0};
        if (fields[0] == "i") {
            const auto n = WholeNumber<int>(fields[3]);
            if (!n) return std::nullopt;
            w.value = *n;
        } else {
            auto value = Unescape(fields[3]);
            if (!value) return std::nullopt;
            w.value = std::move(*value);
        }
        writes.push_back(std::move(w));
    }
    return writes;
}

void JournalStore::SetLocation(std::string_view maker, std::string_view application) {
    m_store.SetLocation(maker, application);
    m_recovered = false;
}

void JournalStore::Recover() {
    if (m_recovered) return;
    m_recovered = true;
    const std::string journal = m_store.ReadString(kJournalSection, kJournalKey, "");
    if (journal.empty()) return;
    // A journal that does not read whole was never written by a change: it is dropped, and the
    // store stays as it is rather than taking part of it.
    if (const auto writes = Decode(journal)) Apply(*writes);
    m_store.WriteString(kJournalSection, kJournalKey, "");
}

void JournalStore::Apply(const std::vector<Write>& writes) {
    for (const Write& w : writes) {
        if (const int* n = std::get_if<int>(&w.value)) {
            m_store.WriteInt(w.section, w.key, *n);
        } else {
            m_store.WriteString(w.section, w.key, std::get<std::string>(w.value));
        }
    }
}

const JournalStore::Write* JournalStore::Pending(std::string_view section,
                                                 std::string_view key) const {
    if (m_pending.empty()) return nullptr;
    const auto it = m_index.find({std::string(section), std::string(key)});
    return it == m_index.end() ? nullptr : &m_pending[it->second];
}

int JournalStore::ReadInt(std::string_view section, std::string_view key, int fallback) {
    Recover();
    if (const Write* w = Pending(section, key)) {
        const int* n = std::get_if<int>(&w->value);
        return n != nullptr ? *n : fallback;
    }
    return m_store.ReadInt(section, key, fallback);
}

std::string JournalStore::ReadString(std::string_view section, std::string_view key,
                                     std::string_view fallback) {
    Recover();
    if (const Write* w = Pending(section, key)) {
        const std::string* s = std::get_if<std::string>(&w->value);
        return s != nullptr ? *s : std::string(fallback);
    }
    return m_store.ReadString(section, key, fallback);
}

void JournalStore::Record(std::string_view section, std::string_view key,
                          std::variant<int, std::string> value) {
    std::pair<std::string, std::string> name{std::string(section), std::string(key)};
    if (const auto it = m_index.find(name); it != m_index.end()) {
        m_pending[it->second].value = std::move(value);
        return;
    }
    m_index.emplace(name, m_pending.size());
    m_pending.push_back({std::move(name.first), std::move(name.second), std::move(value)});
}

void JournalStore::WriteInt(std::string_view section, std::string_view key, int value) {
    Recover();
    if (m_depth > 0) {
        Record(section, key, value);
    } else {
        m_store.WriteInt(section, key, value);
    }
}

void JournalStore::WriteString(std::string_view section, std::string_view key,
                               std::string_view value) {
    Recover();
    if (m_depth > 0) {
        Record(section, key, std::string(value));
    } else {
        m_store.WriteString(section, key, value);
    }
}

void JournalStore::BeginChange() {
    ++m_depth;
    m_store.BeginChange();
}

void JournalStore::CommitChange() {
    if (m_depth == 0) return;
    if (--m_depth == 0) Flush();
    m_store.CommitChange();
}

void JournalStore::Flush() {
    std::vector<Write> writes = std::move(m_pending);
    m_pending.clear();
    m_index.clear();
    // One value is written whole by the store itself.
    if (writes.size() > 1) m_store.WriteString(kJournalSection, kJournalKey, Encode(writes));
    Apply(writes);
    if (writes.size() > 1) m_store.WriteString(kJournalSection, kJournalKey, "");
}
