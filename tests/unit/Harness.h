// A program on the fake platform, and small helpers for reading what it did.
#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "app/ButtonStore.h"
#include "app/MainApp.h"
#include "platform/fake/FakePlatform.h"
#include "shell/MainWnd.h"

struct Harness {
    fake::FakePlatform platform;
    CMainApp app{platform};

    fake::FakeSettingsStore& store() { return platform.store; }
    CMainWnd& main() { return *app.MainWnd(); }

    // A stored button with only its path and place.
    void StoreButton(int n, const std::string& appName, int left, int top, int option = 0) {
        const std::string s = ButtonSection(n);
        store().Put(s, "AppName", appName);
        store().Put(s, "Data", "0,0," + std::to_string(left) + "," + std::to_string(top) + ",0,0");
        store().Put(s, "Option", option);
    }
    std::string StoredString(const std::string& section, const std::string& key) {
        auto v = store().Get(section, key);
        return v && std::holds_alternative<std::string>(*v) ? std::get<std::string>(*v) : "<none>";
    }
    int StoredInt(const std::string& section, const std::string& key) {
        auto v = store().Get(section, key);
        return v && std::holds_alternative<int>(*v) ? std::get<int>(*v) : -999;
    }
    // The log entries that start with `prefix`, in order.
    std::vector<std::string> Calls(const std::string& prefix) const {
        std::vector<std::string> out;
        for (const auto& c : platform.log) {
            if (c.rfind(prefix, 0) == 0) out.push_back(c);
        }
        return out;
    }
    std::size_t IndexOf(const std::string& call) const {
        auto it = std::find(platform.log.begin(), platform.log.end(), call);
        return static_cast<std::size_t>(it - platform.log.begin());
    }
};
