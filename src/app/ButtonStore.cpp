#include "app/ButtonStore.h"

#include <cstdio>

#include "app/StoredValues.h"
#include "button/GetComma.h"

std::string ButtonSection(int n) { return stored::Section(stored::kTitle, n); }

void LoadButtonInfo(plat::ISettingsStore& store, int n, ButtonInfo& info, int& option) {
    using namespace stored;
    info.title = ReadText(store, kTitle, n);
    info.appName = ReadText(store, kAppName, n);
    info.dir = ReadText(store, kDir, n);
    info.parm = ReadText(store, kParm, n);
    info.iconFile = ReadText(store, kIcon, n);
    // Sizes outside what the dialogs allow come only from a hand-edited store; they would make
    // a button nobody can see or grab, or overflow where sizes are added up.
    info.size = plat::Dip(ReadInt(store, kSize, n));

    CGetComma data;
    data.SetString(ReadText(store, kData, n));
    info.showMode = data.GetInt(0);
    info.iconIndex = data.GetInt(1);
    // Right and bottom are the corner's plus the extent: the coordinates are bounded so that no
    // difference or sum of them overflows.
    info.at = {data.GetCoordinate(2), data.GetCoordinate(3)};
    info.extent = {plat::Dip(data.GetCoordinate(4) - info.at.x),
                   plat::Dip(data.GetCoordinate(5) - info.at.y)};

    option = ReadInt(store, kOption, n);
}

void SaveButtonInfo(plat::ISettingsStore& store, int n, const ButtonInfo& info, int option) {
    using namespace stored;
    WriteText(store, kTitle, info.title, n);
    WriteText(store, kAppName, info.appName, n);
    WriteText(store, kDir, info.dir, n);
    WriteText(store, kParm, info.parm, n);
    WriteText(store, kIcon, info.iconFile, n);
    WriteInt(store, kSize, info.size.value, n);

    char data[6 * 12 + 6];
    std::snprintf(data, sizeof data, "%d,%d,%d,%d,%d,%d", info.showMode, info.iconIndex, info.at.x,
                  info.at.y, info.at.x + info.extent.cx.value, info.at.y + info.extent.cy.value);
    WriteText(store, kData, data, n);
    WriteInt(store, kOption, option, n);
}
