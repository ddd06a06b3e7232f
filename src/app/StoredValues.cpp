#include "app/StoredValues.h"

#include <algorithm>

#include "button/GetComma.h"

namespace stored {

std::string Section(const Value& value, int n) {
    std::string section(value.section);
    if (value.numbered) section += std::to_string(n);
    return section;
}

int Bounded(const Value& value, long long number) {
    if (number >= value.lowest && number <= value.highest) return static_cast<int>(number);
    if (value.outside == Outside::Clamp) {
        return static_cast<int>(std::clamp<long long>(number, value.lowest, value.highest));
    }
    return static_cast<int>(value.number);
}

int ReadRaw(plat::ISettingsStore& store, const Value& value, int n) {
    return store.ReadInt(Section(value, n), value.name, static_cast<int>(value.number));
}

int ReadInt(plat::ISettingsStore& store, const Value& value, int n) {
    return Bounded(value, ReadRaw(store, value, n));
}

std::string ReadText(plat::ISettingsStore& store, const Value& value, int n) {
    return store.ReadString(Section(value, n), value.name, value.text);
}

plat::Colour ReadColour(plat::ISettingsStore& store, const Value& value) {
    const std::string fallback = std::to_string(value.number);
    return static_cast<plat::Colour>(
        LeadingInt(store.ReadString(Section(value), value.name, fallback)));
}

void WriteInt(plat::ISettingsStore& store, const Value& value, int number, int n) {
    store.WriteInt(Section(value, n), value.name, number);
}

void WriteText(plat::ISettingsStore& store, const Value& value, std::string_view text, int n) {
    store.WriteString(Section(value, n), value.name, text);
}

void WriteColour(plat::ISettingsStore& store, const Value& value, plat::Colour colour) {
    store.WriteString(Section(value), value.name, std::to_string(colour));
}

}  // namespace stored
