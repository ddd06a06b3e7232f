#include "platform/win32/Win32Platform.h"

#include <windows.h>
#include <objbase.h>

namespace win32 {

ThreadSetUp::ThreadSetUp() {
    // A library asked for by its bare name would otherwise be looked for in the program's folder
    // (the Downloads folder, for the zip) and in the current one before the system's: anybody
    // who can write there could have it loaded into us. Process-wide, and said again harmlessly.
    SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
    // A thread already in an apartment of another kind keeps it; only our own start is ended.
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    m_com = SUCCEEDED(com);
}

ThreadSetUp::~ThreadSetUp() {
    if (m_com) CoUninitialize();
}

Win32Platform::Win32Platform() {
    // Decided once: adding or removing the file switches at the next start, and nothing is
    // carried from one store to the other by itself.
    if (std::wstring file = FileSettingsStore::PortableFile(); !file.empty()) {
        m_file = std::make_unique<FileSettingsStore>(std::move(file));
    }
}

plat::ISettingsStore& Win32Platform::Store() {
    if (m_file) return *m_file;
    return m_store;
}

}  // namespace win32
