// One button's entry in the settings store, section Btn<n>: read by start-up, written by the
// collection whenever a change is finished.
#pragma once

#include <string>

#include "button/ButtonInfo.h"
#include "platform/SettingsStore.h"

// The store's section name of button n: "Btn%d".
std::string ButtonSection(int n);

void LoadButtonInfo(plat::ISettingsStore& store, int n, ButtonInfo& info, int& option);
void SaveButtonInfo(plat::ISettingsStore& store, int n, const ButtonInfo& info, int option);
