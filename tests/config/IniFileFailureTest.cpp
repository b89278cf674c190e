// A write that does not reach the file is noticed, every write is still tried, and nothing is made on the way.
#include <gtest/gtest.h>

#include <string>

#include "config/IniFile.h"
#include "config/Text.h"
#include "tests/config/ScratchFile.h"
#include "tests/support/HeldOpen.h"
#include "tests/support/IniEntries.h"
#include "tests/support/LongText.h"

namespace {

const char kFixture[] = "[main]\r\nnum_bots=4\r\ndebug=0\r\n[bot]\r\nskill=3\r\nnick_prefix=abc\r\n";

// All four keys, the way a save writes them.
void WriteAllFour(IniFile& ini) {
    ini.SwitchToWriting();
    ini.SetSection("main");
    ini.ValueInteger("num_bots", 7);
    ini.ValueBoolean("debug", true);
    ini.SetSection("bot");
    ini.ValueInteger("skill", 5);
    ini.ValueString("nick_prefix", "^1new");
}


}  // namespace

TEST(IniFileFailure, WriteFailedTellsWhetherTheWritesReachedTheFile) {
    ScratchFolder folder;

    std::string present = folder.File(0);
    ASSERT_TRUE(WriteFileBytes(present, kFixture));
    IniFile reached(Widen(present));
    WriteAllFour(reached);
    EXPECT_FALSE(reached.WriteFailed()) << "folder and file in place";
    EXPECT_EQ(ValueIn(ParseIni(ReadFileBytes(present)), "bot", "nick_prefix"), "^1new");

    std::string missingFolder = folder.Dir() + "\\basezul\\tolv.bot";
    IniFile nowhere(Widen(missingFolder + "\\config.bot"));
    WriteAllFour(nowhere);
    EXPECT_TRUE(nowhere.WriteFailed()) << "folder missing";
    EXPECT_FALSE(FileExists(folder.Dir() + "\\basezul")) << "a folder was made";

    std::string locked = folder.File(1);
    ASSERT_TRUE(WriteFileBytes(locked, kFixture));
    {
        HeldOpen other(locked);
        ASSERT_TRUE(other.Holding());
        IniFile blocked(Widen(locked));
        WriteAllFour(blocked);
        EXPECT_TRUE(blocked.WriteFailed()) << "file held open without sharing";
    }
    EXPECT_EQ(ReadFileBytes(locked), kFixture);
}

TEST(IniFileFailure, OneFailedWriteIsNotForgottenByALaterGoodOne) {
    ScratchFolder folder;
    std::string path = folder.File(0);
    ASSERT_TRUE(WriteFileBytes(path, kFixture));
    IniFile ini(Widen(path));
    ini.SwitchToWriting();
    ini.SetSection("main");
    HeldOpen other(path);
    ASSERT_TRUE(other.Holding());
    ini.ValueInteger("num_bots", 7);
    other.Release();
    ini.ValueBoolean("debug", true);

    EXPECT_EQ(ValueIn(ParseIni(ReadFileBytes(path)), "main", "debug"), "1") << "the later write was still made";
    EXPECT_TRUE(ini.WriteFailed());
}

TEST(IniFileFailure, AValueTooLongToBeStoredWholeIsRefusedAndTheOldOneKept) {
    struct Case {
        size_t length;
        bool fits;
    } cases[] = {{32766, true}, {32767, false}, {40000, false}, {70000, false}};
    ScratchFolder folder;
    for (size_t row = 0; row < std::size(cases); ++row) {
        const Case& c = cases[row];
        SCOPED_TRACE(testing::Message() << c.length << " characters");
        std::string path = folder.File(row);
        ASSERT_TRUE(WriteFileBytes(path, kFixture));
        std::string value = LongValue(c.length);
        IniFile ini(Widen(path));
        ini.SwitchToWriting();
        ini.SetSection("bot");
        ini.ValueString("nick_prefix", value);
        EXPECT_EQ(ini.WriteFailed(), !c.fits);
        std::string stored = ValueIn(ParseIni(ReadFileBytes(path)), "bot", "nick_prefix");
        EXPECT_TRUE(stored == (c.fits ? value : std::string("abc"))) << stored.size() << " characters stored";
    }
}
