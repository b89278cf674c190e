// Reading: each value comes from the file as it is at that moment, or the default given when it is not there.
#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "config/IniFile.h"
#include "config/Text.h"
#include "tests/config/ScratchFile.h"
#include "tests/support/LongText.h"

namespace {

const char kNoFile[] = "<no file>";

// The file's bytes, or kNoFile to leave the file out.
void Lay(const std::string& path, const char* bytes) {
    if (std::string(bytes) != kNoFile) {
        ASSERT_TRUE(WriteFileBytes(path, bytes)) << path;
    }
}

}  // namespace

TEST(IniFileRead, IntegerIsTheStoredNumberOrTheDefault) {
    struct Case {
        const char* file;
        int32_t fallback;
        int32_t expected;
    } cases[] = {
        {"[main]\r\nnum_bots=7\r\n", 1, 7},
        {"[main]\r\nnum_bots=0\r\n", 1, 0},
        // No range check: what lies outside the list reaches the dialog unchanged.
        {"[main]\r\nnum_bots=12\r\n", 1, 12},
        {"[main]\r\nnum_bots=-1\r\n", 1, -1},
        {"[main]\r\nnum_bots=2147483647\r\n", 1, INT32_MAX},
        {"[main]\r\nnum_bots=-2147483648\r\n", 1, INT32_MIN},
        {"[main]\r\nother=7\r\n", 1, 1},
        {"[main]\r\nother=7\r\n", -5, -5},
        {"[bot]\r\nnum_bots=7\r\n", 3, 3},
        {kNoFile, 1, 1},
    };
    ScratchFolder folder;
    for (size_t row = 0; row < std::size(cases); ++row) {
        const Case& c = cases[row];
        SCOPED_TRACE(testing::Message() << "row " << row << ": " << c.file << " default " << c.fallback);
        Lay(folder.File(row), c.file);
        IniFile ini(Widen(folder.File(row)));
        ini.SetSection("main");
        EXPECT_EQ(ini.ValueInteger("num_bots", c.fallback), c.expected);
    }
}

TEST(IniFileRead, BooleanIsTrueForAnyNumberButZero) {
    struct Case {
        const char* file;
        bool fallback;
        bool expected;
    } cases[] = {
        {"[main]\r\ndebug=0\r\n", true, false},
        {"[main]\r\ndebug=1\r\n", false, true},
        {"[main]\r\ndebug=2\r\n", false, true},
        {"[main]\r\nnum_bots=1\r\n", true, true},
        {"[main]\r\nnum_bots=1\r\n", false, false},
        {kNoFile, true, true},
    };
    ScratchFolder folder;
    for (size_t row = 0; row < std::size(cases); ++row) {
        const Case& c = cases[row];
        SCOPED_TRACE(testing::Message() << "row " << row << ": " << c.file << " default " << c.fallback);
        Lay(folder.File(row), c.file);
        IniFile ini(Widen(folder.File(row)));
        ini.SetSection("main");
        EXPECT_EQ(ini.ValueBoolean("debug", c.fallback), c.expected);
    }
}

TEST(IniFileRead, StringIsTheStoredTextEvenWhenEmpty) {
    struct Case {
        const char* file;
        const char* expected;
    } cases[] = {
        {"[bot]\r\nnick_prefix=^1abc^7\r\n", "^1abc^7"},
        {"[bot]\r\nnick_prefix=two words\r\n", "two words"},
        // Present but empty is a value of its own, not a reason for the default.
        {"[bot]\r\nnick_prefix=\r\n", ""},
        {"[bot]\r\nskill=3\r\n", "^2^btolv^n^7"},
        {"[main]\r\nnick_prefix=abc\r\n", "^2^btolv^n^7"},
        {kNoFile, "^2^btolv^n^7"},
    };
    ScratchFolder folder;
    for (size_t row = 0; row < std::size(cases); ++row) {
        const Case& c = cases[row];
        SCOPED_TRACE(testing::Message() << "row " << row << ": " << c.file);
        Lay(folder.File(row), c.file);
        IniFile ini(Widen(folder.File(row)));
        ini.SetSection("bot");
        EXPECT_EQ(ini.ValueString("nick_prefix", "^2^btolv^n^7"), c.expected);
    }
}

TEST(IniFileRead, TheSectionInForceIsTheLastOneSet) {
    ScratchFolder folder;
    Lay(folder.File(0), "[main]\r\nskill=1\r\n[bot]\r\nskill=4\r\n");
    IniFile ini(Widen(folder.File(0)));
    ini.SetSection("main");
    EXPECT_EQ(ini.ValueInteger("skill", 3), 1);
    ini.SetSection("bot");
    EXPECT_EQ(ini.ValueInteger("skill", 3), 4);
}

TEST(IniFileRead, LongStringReadsBackWhole) {
    // 2047 and 2048 sit at the edge of the first buffer, 4095 and 4096 at the edge of the second.
    const size_t lengths[] = {2046, 2047, 2048, 2049, 3000, 4095, 4096, 5000, 20000};
    ScratchFolder folder;
    for (size_t row = 0; row < std::size(lengths); ++row) {
        SCOPED_TRACE(testing::Message() << "length " << lengths[row]);
        std::string value = LongValue(lengths[row]);
        ASSERT_TRUE(WriteFileBytes(folder.File(row), "[bot]\r\nnick_prefix=" + value + "\r\nskill=4\r\n"));
        IniFile ini(Widen(folder.File(row)));
        ini.SetSection("bot");
        std::string read = ini.ValueString("nick_prefix", "^2^btolv^n^7");
        EXPECT_EQ(read.size(), value.size());
        EXPECT_TRUE(read == value) << "the value read differs from the one stored";
        EXPECT_EQ(ini.ValueInteger("skill", 3), 4) << "the key after the long one";
    }
}

TEST(IniFileRead, EveryReadSeesTheFileAsItIsThen) {
    ScratchFolder folder;
    std::string path = folder.File(0);
    Lay(path, "[main]\r\nnum_bots=2\r\n");
    IniFile ini(Widen(path));
    ini.SetSection("main");
    ASSERT_EQ(ini.ValueInteger("num_bots", 1), 2);

    Lay(path, "[main]\r\nnum_bots=6\r\n");
    // A later modification time, whatever the file system's clock resolution.
    HANDLE file = CreateFileA(path.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    FILETIME written;
    GetSystemTimeAsFileTime(&written);
    ULARGE_INTEGER later{{written.dwLowDateTime, written.dwHighDateTime}};
    later.QuadPart += 20000000;  // two seconds
    written = FILETIME{later.LowPart, later.HighPart};
    SetFileTime(file, nullptr, nullptr, &written);
    CloseHandle(file);

    EXPECT_EQ(ini.ValueInteger("num_bots", 1), 6);
}

TEST(IniFileRead, ReadingCreatesNothing) {
    ScratchFolder folder;
    std::string path = folder.File(0);
    IniFile ini(Widen(path));
    ini.SetSection("main");
    ini.ValueInteger("num_bots", 1);
    ini.ValueBoolean("debug", false);
    ini.SetSection("bot");
    ini.ValueString("nick_prefix", "^2^btolv^n^7");
    EXPECT_FALSE(FileExists(path));
    EXPECT_FALSE(ini.WriteFailed());
}
