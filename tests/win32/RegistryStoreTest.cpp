#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/win32/SettingsStore.h"
#include "platform/win32/Utf.h"

namespace {

constexpr wchar_t kAppKey[] = L"Software\\Kestrowave\\Vopdrant";
constexpr char kSection[] = "Win32Test";
constexpr wchar_t kSectionKey[] = L"Software\\Kestrowave\\Vopdrant\\Win32Test";

class Registry : public testing::Test {
  protected:
    void SetUp() override {
        RegDeleteTreeW(HKEY_CURRENT_USER, kSectionKey);
        store.SetLocation("Kestrowave", "Vopdrant");
    }
    void TearDown() override { RegDeleteTreeW(HKEY_CURRENT_USER, kSectionKey); }

    // The raw value as the registry holds it.
    struct Raw {
        DWORD type = REG_NONE;
        std::vector<BYTE> bytes;
    };
    Raw Read(const wchar_t* name) {
        Raw raw;
        DWORD size = 0;
        if (RegGetValueW(HKEY_CURRENT_USER, kSectionKey, name, RRF_RT_ANY | RRF_NOEXPAND, &raw.type,
                         nullptr, &size) != ERROR_SUCCESS) {
            return raw;
        }
        raw.bytes.resize(size);
        RegGetValueW(HKEY_CURRENT_USER, kSectionKey, name, RRF_RT_ANY | RRF_NOEXPAND, &raw.type,
                     raw.bytes.data(), &size);
        raw.bytes.resize(size);
        return raw;
    }
    void Put(const wchar_t* name, DWORD type, const void* data, DWORD size) {
        HKEY key = nullptr;
        ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, kSectionKey, 0, nullptr, 0, KEY_WRITE, nullptr,
                                  &key, nullptr),
                  ERROR_SUCCESS);
        RegSetValueExW(key, name, 0, type, static_cast<const BYTE*>(data), size);
        RegCloseKey(key);
    }

    win32::SettingsStore store;
};

TEST_F(Registry, IntegersAreDwordsAndStringsAreUtf16Sz) {
    store.WriteInt(kSection, "Size", -2);
    store.WriteString(kSection, "Title", "メモ帳 ﾃｽﾄ");
    const Raw size = Read(L"Size");
    EXPECT_EQ(size.type, static_cast<DWORD>(REG_DWORD));
    ASSERT_EQ(size.bytes.size(), 4u);
    EXPECT_EQ(*reinterpret_cast<const DWORD*>(size.bytes.data()), 0xFFFFFFFEu);
    const Raw title = Read(L"Title");
    EXPECT_EQ(title.type, static_cast<DWORD>(REG_SZ));
    const std::wstring expected = L"メモ帳 ﾃｽﾄ";
    ASSERT_EQ(title.bytes.size(), (expected.size() + 1) * sizeof(wchar_t));
    EXPECT_EQ(std::wstring(reinterpret_cast<const wchar_t*>(title.bytes.data())), expected);

    EXPECT_EQ(store.ReadInt(kSection, "Size", 36), -2);
    EXPECT_EQ(store.ReadString(kSection, "Title", ""), "メモ帳 ﾃｽﾄ");
}

TEST_F(Registry, EmptyStringsAreWrittenAndReadBackEmpty) {
    store.WriteString(kSection, "Dir", "");
    EXPECT_EQ(Read(L"Dir").type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(store.ReadString(kSection, "Dir", "fallback"), "");
}

TEST_F(Registry, MissingValuesAndSectionsGiveTheDefaultAndReadingCreatesTheSection) {
    EXPECT_EQ(store.ReadInt(kSection, "Nothing", 36), 36);
    EXPECT_EQ(store.ReadString(kSection, "Nothing", "10,10,110,60"), "10,10,110,60");
    HKEY key = nullptr;
    EXPECT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, kSectionKey, 0, KEY_READ, &key), ERROR_SUCCESS);
    if (key != nullptr) RegCloseKey(key);
}

TEST_F(Registry, ValuesOfTheWrongTypeReadAsTheDefault) {
    const wchar_t text[] = L"48";
    Put(L"StringForInt", REG_SZ, text, sizeof text);
    const DWORD five = 5;
    Put(L"IntForString", REG_DWORD, &five, sizeof five);
    const BYTE blob[] = {1, 2, 3, 4};
    Put(L"Binary", REG_BINARY, blob, sizeof blob);
    const WORD shortInt = 7;
    Put(L"ShortDword", REG_DWORD, &shortInt, 0);
    const std::uint64_t wide = 9;
    Put(L"Qword", REG_QWORD, &wide, sizeof wide);
    Put(L"MultiSz", REG_MULTI_SZ, L"a\0b\0", 10);
    Put(L"ExpandSz", REG_EXPAND_SZ, text, sizeof text);
    Put(L"BigEndian", REG_DWORD_BIG_ENDIAN, &five, sizeof five);
    Put(L"None", REG_NONE, blob, sizeof blob);
    const std::vector<BYTE> bigBlob(8192, 0x41);
    Put(L"BigBinary", REG_BINARY, bigBlob.data(), static_cast<DWORD>(bigBlob.size()));

    EXPECT_EQ(store.ReadInt(kSection, "StringForInt", 36), 36);
    EXPECT_EQ(store.ReadString(kSection, "IntForString", "dflt"), "dflt");
    EXPECT_EQ(store.ReadInt(kSection, "Binary", 1), 1);
    EXPECT_EQ(store.ReadString(kSection, "Binary", "dflt"), "dflt");
    EXPECT_EQ(store.ReadInt(kSection, "ShortDword", 36), 36);
    EXPECT_EQ(store.ReadInt(kSection, "Qword", 36), 36);
    EXPECT_EQ(store.ReadString(kSection, "MultiSz", "dflt"), "dflt");
    EXPECT_EQ(store.ReadString(kSection, "ExpandSz", "dflt"), "dflt");
    EXPECT_EQ(store.ReadInt(kSection, "BigEndian", 36), 36);
    EXPECT_EQ(store.ReadInt(kSection, "None", 36), 36);
    EXPECT_EQ(store.ReadString(kSection, "None", "dflt"), "dflt");
    EXPECT_EQ(store.ReadString(kSection, "BigBinary", "dflt"), "dflt");
}

TEST_F(Registry, StringsWithoutTerminatorOrWithAnOddLengthReadSafely) {
    const wchar_t unterminated[] = {L'a', L'b', L'c'};
    Put(L"NoNul", REG_SZ, unterminated, sizeof unterminated);
    EXPECT_EQ(store.ReadString(kSection, "NoNul", ""), "abc");
    const char odd[] = {'x', 0, 'y'};
    Put(L"Odd", REG_SZ, odd, sizeof odd);
    EXPECT_EQ(store.ReadString(kSection, "Odd", "").substr(0, 1), "x");
    Put(L"Zero", REG_SZ, L"", 0);
    EXPECT_EQ(store.ReadString(kSection, "Zero", "dflt"), "");
    // Half of a surrogate pair is no character; it reads as the replacement character.
    const wchar_t lone[] = {L'a', 0xD800, L'b', 0};
    Put(L"Lone", REG_SZ, lone, sizeof lone);
    EXPECT_EQ(store.ReadString(kSection, "Lone", ""),
              "a\xEF\xBF\xBD"
              "b");
}

TEST_F(Registry, LongStringsReadBackWhole) {
    std::string path = "C:\\";
    while (path.size() < 5000) path += "深い階層\\";
    store.WriteString(kSection, "AppName", path);
    EXPECT_EQ(store.ReadString(kSection, "AppName", ""), path);
}

TEST_F(Registry, StringsStoredByAnAnsiProgramReadBackUnchanged) {
    // An ANSI program's text goes into the registry as UTF-16 through the system code page.
    const std::wstring original = L"C:\\TOOLS\\EDIT.EXE";
    const int n =
        WideCharToMultiByte(CP_ACP, 0, original.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string ansi(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(CP_ACP, 0, original.c_str(), -1, ansi.data(), n, nullptr, nullptr);
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Kestrowave\\Vopdrant\\Win32Test", 0,
                              nullptr, 0, KEY_WRITE, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    RegSetValueExA(key, "AppName", 0, REG_SZ, reinterpret_cast<const BYTE*>(ansi.c_str()),
                   static_cast<DWORD>(n));
    RegCloseKey(key);
    EXPECT_EQ(store.ReadString(kSection, "AppName", ""), win32::Narrow(original));
}

TEST_F(Registry, NothingIsReadOrWrittenBeforeTheLocationIsSet) {
    win32::SettingsStore unset;
    unset.WriteInt(kSection, "Size", 5);
    EXPECT_EQ(unset.ReadInt(kSection, "Size", 36), 36);
    EXPECT_EQ(Read(L"Size").type, static_cast<DWORD>(REG_NONE));
    (void)kAppKey;
}

}  // namespace
