// Every value the program keeps in its settings store, in one table: its section, its name, its
// type, its default and its bounds. The code that reads and writes the store, whichever store it
// is, the fuzz target and the tests take all of these from here; a new value is a new row.
#pragma once

#include <array>
#include <climits>
#include <string>
#include <string_view>

#include "button/ButtonInfo.h"
#include "platform/Input.h"
#include "platform/SettingsStore.h"
#include "platform/Types.h"
#include "res/Dialogs.h"

// At most this many buttons are shown, whatever "Num" says; the sections past them stay in the
// store as they are. A button is one window and one icon: two USER objects, and the icon's two
// bitmaps are GDI objects (the tip control is shared). While the order dialog is open each row
// holds a small icon of its own besides: three USER and four GDI objects a button. A process may
// hold 10,000 of each, so 2,000 buttons leave 2,000 GDI objects for the clock, fonts, image lists
// and the dialogs, with the order dialog open.
inline constexpr int kMaxButtons = 2000;

namespace stored {

enum class Type {
    Integer,  // a DWORD
    Text,     // a string
    List,     // a string of decimal integers separated by commas
    Colour,   // a string holding an unsigned decimal, read by the leading-integer rule
};

// What a read does with an integer outside its bounds.
enum class Outside {
    Default,  // takes the default
    Clamp,    // takes the nearest bound
};

struct Value {
    // A numbered section ("Btn" for Btn1, Btn2, ...) gets its number at the end.
    std::string_view section;
    std::string_view name;
    Type type;
    // Integer and Colour: the default number.
    long long number = 0;
    // Text and List: the default text.
    std::string_view text = {};
    // Integer: the bounds a read keeps to; List: how many integers it holds; Text: the most
    // UTF-16 units it keeps.
    int lowest = INT_MIN;
    int highest = INT_MAX;
    Outside outside = Outside::Default;
    bool numbered = false;
};

// clang-format off
inline constexpr Value kNum          {"Button", "Num",     Type::Integer, 0,  "", 0, kMaxButtons, Outside::Clamp};

inline constexpr Value kTitle        {"Btn", "Title",      Type::Text,    0,  "", 0, INT_MAX, Outside::Default, true};
inline constexpr Value kAppName      {"Btn", "AppName",    Type::Text,    0,  "", 0, INT_MAX, Outside::Default, true};
inline constexpr Value kDir          {"Btn", "Dir",        Type::Text,    0,  "", 0, INT_MAX, Outside::Default, true};
inline constexpr Value kParm         {"Btn", "Parm",       Type::Text,    0,  "", 0, INT_MAX, Outside::Default, true};
inline constexpr Value kIcon         {"Btn", "Icon",       Type::Text,    0,  "", 0, INT_MAX, Outside::Default, true};
inline constexpr Value kSize         {"Btn", "Size",       Type::Integer, kDefaultButtonSize.value, "",
                                      dlg::kMinButtonSize, dlg::kMaxButtonSize, Outside::Default, true};
// Show mode, icon index, left, top, right, bottom.
inline constexpr Value kData         {"Btn", "Data",       Type::List,    0,  "", 6, 6, Outside::Default, true};
inline constexpr Value kOption       {"Btn", "Option",     Type::Integer, 0,  "", INT_MIN, INT_MAX, Outside::Default, true};

// Only 1 opens the clock at start-up.
inline constexpr Value kShow         {"Watch", "Show",     Type::Integer, 0};
// Left and top in pixels, right and bottom at 96-dpi units from them. Spelled so.
inline constexpr Value kPosition     {"Watch", "Positon",  Type::List,    0,  "10,10,110,60", 4, 4};
inline constexpr Value kTopMost      {"Watch", "TopMost",  Type::Integer, 1};
inline constexpr Value kBkColor      {"Watch", "BkColor",  Type::Colour,  12632256};
inline constexpr Value kTextColor    {"Watch", "TextColor", Type::Colour, 4194368};
// Height, width, escapement, orientation, weight, then eight single bytes.
inline constexpr Value kWatchFont    {"Watch", "WatchFont", Type::List,   0,  "", 13, 13};
inline constexpr Value kWatchFontName{"Watch", "WatchFontName", Type::Text, 0, "", 0, plat::kFaceNameUnits};

// The hotkey that brings the buttons forward: (modifiers << 8) | virtual key, the modifiers Alt 1,
// Ctrl 2, Shift 4, Win 8; 0 is none. Ctrl+Alt+B unless chosen; what is not a usable combination
// reads as that (shell/HotkeyDlg).
inline constexpr Value kHotkey       {"Keys", "Hotkey",    Type::Integer,
                                      plat::hotkey::Combine(plat::hotkey::kControl | plat::hotkey::kAlt, 'B')};

// In the order a section is read and written.
inline constexpr std::array kAll = {
    &kNum,
    &kTitle, &kAppName, &kDir, &kParm, &kIcon, &kSize, &kData, &kOption,
    &kShow, &kPosition, &kTopMost, &kBkColor, &kTextColor, &kWatchFont, &kWatchFontName,
    &kHotkey,
};
// clang-format on

// The section a value lives in; `n` numbers a numbered section ("Btn3").
std::string Section(const Value& value, int n = 0);

// An Integer as the store holds it, before its bounds.
int ReadRaw(plat::ISettingsStore& store, const Value& value, int n = 0);
// An Integer within its bounds.
int ReadInt(plat::ISettingsStore& store, const Value& value, int n = 0);
int Bounded(const Value& value, long long number);
// A Text or a List as stored, or its default.
std::string ReadText(plat::ISettingsStore& store, const Value& value, int n = 0);
// A Colour.
plat::Colour ReadColour(plat::ISettingsStore& store, const Value& value);

void WriteInt(plat::ISettingsStore& store, const Value& value, int number, int n = 0);
void WriteText(plat::ISettingsStore& store, const Value& value, std::string_view text, int n = 0);
void WriteColour(plat::ISettingsStore& store, const Value& value, plat::Colour colour);

}  // namespace stored
