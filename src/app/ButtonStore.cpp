#include "app/ButtonStore.h"

#include <cstdio>

#include "button/GetComma.h"
#include "res/Dialogs.h"

std::string ButtonSection(int n) { return "Btn" + std::to_string(n); }

void LoadButtonInfo(plat::ISettingsStore& store, int n, ButtonInfo& info, int& option) {
    const std::string section = ButtonSection(n);
    info.title = store.ReadString(section, "Title", "");
    info.appName = store.ReadString(section, "AppName", "");
    info.dir = store.ReadString(section, "Dir", "");
    info.parm = store.ReadString(section, "Parm", "");
    info.iconFile = store.ReadString(section, "Icon", "");
    // Sizes outside what the dialogs allow come only from a hand-edited store; they would make
    // a button nobody can see or grab, or overflow where sizes are added up.
    info.size = store.ReadInt(section, "Size", kDefaultButtonSize);
    if (info.size < dlg::kMinButtonSize || info.size > dlg::kMaxButtonSize) {
        info.size = kDefaultButtonSize;
    }

    CGetComma data;
    data.SetString(store.ReadString(section, "Data", ""));
    info.showMode = data.GetInt(0);
    info.iconIndex = data.GetInt(1);
    info.rect = {data.GetCoordinate(2), data.GetCoordinate(3), data.GetCoordinate(4),
                 data.GetCoordinate(5)};

    option = store.ReadInt(section, "Option", 0);
}

void SaveButtonInfo(plat::ISettingsStore& store, int n, const ButtonInfo& info, int option) {
    const std::string section = ButtonSection(n);
    store.WriteString(section, "Title", info.title);
    store.WriteString(section, "AppName", info.appName);
    store.WriteString(section, "Dir", info.dir);
    store.WriteString(section, "Parm", info.parm);
    store.WriteString(section, "Icon", info.iconFile);
    store.WriteInt(section, "Size", info.size);

    char data[6 * 12 + 6];
    std::snprintf(data, sizeof data, "%d,%d,%d,%d,%d,%d", info.showMode, info.iconIndex,
                  info.rect.left, info.rect.top, info.rect.right, info.rect.bottom);
    store.WriteString(section, "Data", data);
    store.WriteInt(section, "Option", option);
}
