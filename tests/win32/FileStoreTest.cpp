#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "app/StoreChange.h"
#include "platform/win32/FileSettingsStore.h"
#include "tests/win32/RealFiles.h"

namespace {

std::string Contents(const std::wstring& path) {
    std::ifstream in(std::filesystem::path(path), std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

void Put(const std::wstring& path, const std::string& bytes) {
    std::ofstream(std::filesystem::path(path), std::ios::binary | std::ios::trunc) << bytes;
}

bool Exists(const std::wstring& path) {
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

class FileStore : public testing::Test {
  protected:
    real::Scratch scratch;
    std::wstring path = scratch.Path() + L"Brisalto.ini";
    const std::string old = "[Button]\r\nNum=dword:1\r\n[Btn1]\r\nTitle=\"old\"\r\n";
};

TEST_F(FileStore, AChangeReplacesTheFileWholeAndLeavesNothingBeside) {
    Put(path, old);
    win32::FileSettingsStore store(path);
    store.SetLocation("Kestrowave", "Vopdrant");
    {
        const StoreChange change(store);
        store.WriteString("Btn1", "Title", "新しい");
        store.WriteInt("Button", "Num", 2);
    }
    EXPECT_EQ(Contents(path), "[Button]\r\nNum=dword:2\r\n[Btn1]\r\nTitle=\"新しい\"\r\n");
    EXPECT_FALSE(Exists(store.NewFilePath()));
    EXPECT_FALSE(store.Unsaved());
}

TEST_F(FileStore, TheFirstChangeMakesTheFileWhenThereIsNone) {
    win32::FileSettingsStore store(path);
    store.SetLocation("Kestrowave", "Vopdrant");
    EXPECT_EQ(store.Health(), plat::StoreHealth::Kept);
    store.WriteInt("Button", "Num", 0);
    EXPECT_EQ(Contents(path), "[Button]\r\nNum=dword:0\r\n");
}

// A kill after each step of a save: the next start reads the old list or the new one, whole.
TEST_F(FileStore, AKillAfterAnyStepLeavesTheOldFileOrTheNewWhole) {
    const std::string fresh = "[Button]\r\nNum=dword:2\r\n[Btn1]\r\nTitle=\"new\"\r\n";
    Put(path, old);
    win32::FileSettingsStore writer(path);
    ASSERT_TRUE(writer.WriteNewFile(fresh));  // written and flushed, not yet in place
    win32::FileSettingsStore afterWrite(path);
    afterWrite.SetLocation("Kestrowave", "Vopdrant");
    EXPECT_EQ(afterWrite.ReadString("Btn1", "Title", ""), "old");
    EXPECT_EQ(afterWrite.ReadInt("Button", "Num", 0), 1);

    // The next start's first change writes over the file the kill left behind.
    afterWrite.WriteString("Btn1", "Title", "again");
    EXPECT_EQ(Contents(path), "[Button]\r\nNum=dword:1\r\n[Btn1]\r\nTitle=\"again\"\r\n");
    EXPECT_FALSE(Exists(writer.NewFilePath()));

    // A kill before the replace, then a start: the old file is read and the cut-short new one goes.
    Put(writer.NewFilePath(), fresh.substr(0, 9));
    EXPECT_EQ(win32::FileSettingsStore::SettingsFileIn(scratch.Path()), path);
    EXPECT_FALSE(Exists(writer.NewFilePath()));
    EXPECT_EQ(Contents(path), "[Button]\r\nNum=dword:1\r\n[Btn1]\r\nTitle=\"again\"\r\n");
    // A kill inside a replace that had moved the old file away: the new one takes its place.
    ASSERT_TRUE(writer.WriteNewFile(fresh));
    DeleteFileW(path.c_str());
    EXPECT_EQ(win32::FileSettingsStore::SettingsFileIn(scratch.Path()), path);
    EXPECT_EQ(Contents(path), fresh);
    EXPECT_FALSE(Exists(writer.NewFilePath()));

    Put(path, old);
    ASSERT_TRUE(writer.WriteNewFile(fresh));
    ASSERT_TRUE(writer.ReplaceWithNewFile());
    win32::FileSettingsStore afterReplace(path);
    afterReplace.SetLocation("Kestrowave", "Vopdrant");
    EXPECT_EQ(afterReplace.ReadString("Btn1", "Title", ""), "new");
    EXPECT_EQ(afterReplace.ReadInt("Button", "Num", 0), 2);
}

TEST_F(FileStore, AFileHeldOpenByAnotherProgramDelaysTheChangeWithoutLosingIt) {
    Put(path, old);
    win32::FileSettingsStore store(path);
    store.SetLocation("Kestrowave", "Vopdrant");
    // An editor that keeps the file open and lets nobody else write or remove it.
    HANDLE held = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    const auto start = std::chrono::steady_clock::now();
    store.WriteString("Btn1", "Title", "held");
    const auto waited = std::chrono::steady_clock::now() - start;
    EXPECT_LT(waited, std::chrono::milliseconds(1000));
    EXPECT_TRUE(store.Unsaved());
    EXPECT_EQ(Contents(path), old);
    EXPECT_EQ(store.ReadString("Btn1", "Title", ""), "held");
    CloseHandle(held);

    store.WriteInt("Button", "Num", 3);
    EXPECT_FALSE(store.Unsaved());
    EXPECT_EQ(Contents(path), "[Button]\r\nNum=dword:3\r\n[Btn1]\r\nTitle=\"held\"\r\n");
}

TEST_F(FileStore, AReaderThatSharesTheFileDoesNotStopAChange) {
    Put(path, old);
    win32::FileSettingsStore store(path);
    store.SetLocation("Kestrowave", "Vopdrant");
    HANDLE reader = CreateFileW(path.c_str(), GENERIC_READ,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(reader, INVALID_HANDLE_VALUE);
    store.WriteString("Btn1", "Title", "shared");
    CloseHandle(reader);
    EXPECT_FALSE(store.Unsaved());
    EXPECT_EQ(Contents(path), "[Button]\r\nNum=dword:1\r\n[Btn1]\r\nTitle=\"shared\"\r\n");
}

TEST_F(FileStore, AReadOnlyFileIsReadAndNeverWritten) {
    Put(path, old);
    SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_READONLY);
    win32::FileSettingsStore store(path);
    store.SetLocation("Kestrowave", "Vopdrant");
    EXPECT_EQ(store.Health(), plat::StoreHealth::ReadOnly);
    EXPECT_EQ(store.ReadString("Btn1", "Title", ""), "old");
    store.WriteString("Btn1", "Title", "not kept");
    SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(Contents(path), old);
}

TEST_F(FileStore, AFileOfManyMegabytesIsNeitherReadNorWrittenOver) {
    const std::string big = "[Button]\r\nNum=dword:1\r\n" + std::string(kMaxSettingsFileBytes, ';');
    Put(path, big);
    win32::FileSettingsStore store(path);
    store.SetLocation("Kestrowave", "Vopdrant");
    EXPECT_EQ(store.Health(), plat::StoreHealth::TooLarge);
    EXPECT_EQ(store.ReadInt("Button", "Num", 0), 0);
    store.WriteInt("Button", "Num", 5);
    EXPECT_EQ(Contents(path).size(), big.size());
}

}  // namespace
