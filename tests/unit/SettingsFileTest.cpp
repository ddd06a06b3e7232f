#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "app/FileStore.h"
#include "app/StoreChange.h"
#include "app/StoredValues.h"

namespace {

// The file store over bytes in memory; a save can be made to fail, as a file held open does.
class MemoryFileStore : public FileStore {
  public:
    explicit MemoryFileStore(std::string text = {}, Load load = Load::Found)
        : bytes(std::move(text)), load(load) {
        SetLocation("Kestrowave", "Vopdrant");
    }

    std::string bytes;
    Load load;
    bool writable = true;
    bool held = false;
    int saves = 0;

  protected:
    Load LoadBytes(std::string& out) override {
        out = bytes;
        return load;
    }
    bool CanWrite() override { return writable; }
    bool SaveBytes(std::string_view text) override {
        if (held) return false;
        ++saves;
        bytes = text;
        return true;
    }
};

TEST(SettingsFile, EveryStoredValueSurvivesARoundTripWithItsType) {
    MemoryFileStore store;
    const std::vector<std::string> texts = {
        "",           "エディタ",     "C:\\Program Files\\a \"b\" c.exe",
        "\"quoted\"", "line\r\nnext", "tab\there",
        "bell\x07",   " spaces ",     "escaped:\"x\"",
        "dword:5",    "\\x41"};
    const std::vector<int> numbers = {0, 1, -1, INT_MIN, INT_MAX, 36};
    {
        const StoreChange change(store);
        int i = 0;
        for (const stored::Value* value : stored::kAll) {
            const std::string section = stored::Section(*value, 7);
            if (value->type == stored::Type::Integer) {
                store.WriteInt(section, value->name, numbers[i % numbers.size()]);
            } else {
                store.WriteString(section, value->name, texts[i % texts.size()]);
            }
            ++i;
        }
    }
    MemoryFileStore back(store.bytes);
    int i = 0;
    for (const stored::Value* value : stored::kAll) {
        const std::string section = stored::Section(*value, 7);
        SCOPED_TRACE(section + "/" + std::string(value->name));
        if (value->type == stored::Type::Integer) {
            EXPECT_EQ(back.ReadInt(section, value->name, 12345), numbers[i % numbers.size()]);
            EXPECT_EQ(back.ReadString(section, value->name, "fallback"), "fallback");
        } else {
            EXPECT_EQ(back.ReadString(section, value->name, "fallback"), texts[i % texts.size()]);
            EXPECT_EQ(back.ReadInt(section, value->name, 12345), 12345);
        }
        ++i;
    }
    // One line a value, whatever the text holds: no line of the file is cut by a value.
    EXPECT_EQ(back.bytes.find("line\r\nnext"), std::string::npos);
}

struct ValueCase {
    const char* line;
    bool readable;
    SettingsFile::Value value;
};

class SettingsFileValue : public testing::TestWithParam<ValueCase> {};

TEST_P(SettingsFileValue, ReadsAsAPersonWouldWriteIt) {
    const ValueCase& c = GetParam();
    const SettingsFile file = SettingsFile::Parse(std::string("[S]\r\n") + c.line + "\r\n");
    const SettingsFile::Value* value = file.Find("S", "V");
    ASSERT_EQ(value != nullptr, c.readable) << c.line;
    if (value != nullptr) {
        EXPECT_EQ(*value, c.value) << c.line;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Lines, SettingsFileValue,
    testing::Values(
        ValueCase{"V=dword:36", true, 36}, ValueCase{"  V = DWORD: 36  ", true, 36},
        ValueCase{"V=dword:4294967295", true, -1}, ValueCase{"V=dword:-7", true, -7},
        ValueCase{"V=dword:0x7b", true, 123}, ValueCase{"V=dword:0xFFFFFFFF", true, -1},
        ValueCase{"V=dword:4294967296", false, 0}, ValueCase{"V=dword:0x100000000", false, 0},
        ValueCase{"V=dword:12a", false, 0}, ValueCase{"V=dword:", false, 0},
        ValueCase{"V=\"a\"b\"", true, std::string("a\"b")},
        ValueCase{"V=\"\"", true, std::string()}, ValueCase{"V=\"no end", false, 0},
        ValueCase{"V=bare", false, 0},
        ValueCase{"V=escaped:\"a\\r\\nb\\x07\\\\\"", true, std::string("a\r\nb\x07\\")},
        ValueCase{"V=escaped:\"bad \\q\"", false, 0}, ValueCase{"V=escaped:\"cut \\x4\"", false, 0},
        ValueCase{"V=escaped:\"to the zero\\x00after\"", true, std::string("to the zero")},
        ValueCase{"V", false, 0}, ValueCase{"; V=dword:1", false, 0}));

TEST(SettingsFile, KeepsWhatItDoesNotKnowAsItStands) {
    const std::string text =
        "\xEF\xBB\xBF; my buttons\r\n"
        "stray line\r\n"
        "[Button]\r\n"
        "Num=dword:1\r\n"
        "\r\n"
        "# kept\r\n"
        "Colour=\"unknown to the program\"\r\n"
        "Size=dword:not a number\r\n"
        "[Plugin]\n"
        "Other=hex:01,02\n";
    MemoryFileStore store(text);
    store.WriteInt("Button", "Num", 2);
    store.WriteInt("Button", "Size", 40);
    EXPECT_EQ(store.bytes,
              "; my buttons\r\n"
              "stray line\r\n"
              "[Button]\r\n"
              "Num=dword:2\r\n"
              "\r\n"
              "# kept\r\n"
              "Colour=\"unknown to the program\"\r\n"
              "Size=dword:40\r\n"
              "[Plugin]\r\n"
              "Other=hex:01,02\r\n");
}

TEST(SettingsFile, MatchesNamesWithoutRegardToCaseAndKeepsTheirSpelling) {
    MemoryFileStore store("[btn1]\r\ntitle=\"x\"\r\n[BTN1]\r\nSIZE=dword:40\r\n");
    EXPECT_EQ(store.ReadString("Btn1", "Title", ""), "x");
    EXPECT_EQ(store.ReadInt("Btn1", "Size", 0), 40);
    store.WriteString("Btn1", "TITLE", "y");
    store.WriteString("Btn2", "Title", "z");
    EXPECT_EQ(store.bytes,
              "[btn1]\r\ntitle=\"y\"\r\n[BTN1]\r\nSIZE=dword:40\r\n[Btn2]\r\nTitle=\"z\"\r\n");
}

TEST(FileStoreChange, WritesTheFileOnceAtTheOutermostCommit) {
    MemoryFileStore store;
    {
        const StoreChange outer(store);
        store.WriteInt("Button", "Num", 1);
        {
            const StoreChange inner(store);
            store.WriteString("Btn1", "Title", "a");
        }
        EXPECT_EQ(store.saves, 0);
        // Reads in between see the change's writes.
        EXPECT_EQ(store.ReadString("Btn1", "Title", ""), "a");
    }
    EXPECT_EQ(store.saves, 1);
    EXPECT_EQ(store.bytes, "[Button]\r\nNum=dword:1\r\n[Btn1]\r\nTitle=\"a\"\r\n");
    // A write outside any change is a change of its own; a change without writes writes nothing.
    store.WriteInt("Watch", "Show", 1);
    EXPECT_EQ(store.saves, 2);
    { const StoreChange nothing(store); }
    EXPECT_EQ(store.saves, 2);
}

TEST(FileStoreChange, AChangeTheHeldFileRefusedGoesWithTheNext) {
    MemoryFileStore store("[Button]\r\nNum=dword:0\r\n");
    store.held = true;
    store.WriteInt("Button", "Num", 1);
    EXPECT_TRUE(store.Unsaved());
    EXPECT_EQ(store.bytes, "[Button]\r\nNum=dword:0\r\n");
    EXPECT_EQ(store.ReadInt("Button", "Num", 0), 1);
    store.held = false;
    store.WriteString("Btn1", "Title", "a");
    EXPECT_FALSE(store.Unsaved());
    EXPECT_EQ(store.bytes, "[Button]\r\nNum=dword:1\r\n[Btn1]\r\nTitle=\"a\"\r\n");
}

struct HealthCase {
    FileStore::Load load;
    bool writable;
    plat::StoreHealth health;
};

class FileStoreHealth : public testing::TestWithParam<HealthCase> {};

TEST_P(FileStoreHealth, AFileThatCannotBeKeptIsNeverWrittenOver) {
    const HealthCase& c = GetParam();
    const std::string text = "[Button]\r\nNum=dword:3\r\n";
    MemoryFileStore store(text, c.load);
    store.writable = c.writable;
    store.SetLocation("Kestrowave", "Vopdrant");
    EXPECT_EQ(store.Health(), c.health);
    store.WriteInt("Button", "Num", 4);
    // The run goes on with what it has in memory.
    EXPECT_EQ(store.ReadInt("Button", "Num", 0), 4);
    const bool kept = c.health == plat::StoreHealth::Kept;
    EXPECT_EQ(store.saves, kept ? 1 : 0);
    if (!kept) {
        EXPECT_EQ(store.bytes, text);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Loads, FileStoreHealth,
    testing::Values(HealthCase{FileStore::Load::Found, true, plat::StoreHealth::Kept},
                    HealthCase{FileStore::Load::Missing, true, plat::StoreHealth::Kept},
                    HealthCase{FileStore::Load::Found, false, plat::StoreHealth::ReadOnly},
                    HealthCase{FileStore::Load::Missing, false, plat::StoreHealth::ReadOnly},
                    HealthCase{FileStore::Load::Failed, true, plat::StoreHealth::ReadOnly},
                    HealthCase{FileStore::Load::TooLarge, true, plat::StoreHealth::TooLarge}));

}  // namespace
