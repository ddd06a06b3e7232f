// What a screen reader hears of one of the program's own windows, and what it may do with it.
#pragma once

#include <string>

namespace plat {

enum class AccessibleRole {
    PushButton,  // a launch button
    StaticText,  // the clock
};

// What the window says of itself, in the program's words; the platform only carries them.
struct AccessibleFacts {
    AccessibleRole role = AccessibleRole::StaticText;
    std::string name;
    std::string description;    // empty: none
    std::string defaultAction;  // a verb; empty: the window has no action
    bool focusable = false;     // the platform adds whether it has the focus now
};

// A window that describes itself to a screen reader, beside its IPopupEvents.
class IAccessibleEvents {
  public:
    virtual ~IAccessibleEvents() = default;
    virtual AccessibleFacts OnDescribe() = 0;
    // A screen reader asked for the default action; it arrives as a message of its own, after
    // the reader's call has returned, as a click would.
    virtual void OnDefaultAction() {}
};

}  // namespace plat
