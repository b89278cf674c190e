// Writing: the text each value type puts into the file, and that one key changes while all else stays.
#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <string>

#include "config/IniFile.h"
#include "config/Text.h"
#include "tests/config/ScratchFile.h"
#include "tests/support/IniEntries.h"
#include "tests/support/LongText.h"

namespace {

IniFile Writer(const std::string& path, const char* section) {
    IniFile ini(Widen(path));
    ini.SwitchToWriting();
    ini.SetSection(section);
    return ini;
}

// The key's value as the bytes of the file hold it, without the profile functions' reading in between.
std::string StoredText(const std::string& path, const char* section, const char* key) {
    return ValueIn(ParseIni(ReadFileBytes(path)), section, key);
}

const char kFixture[] =
    "; settings of the bot plug-in\r\n"
    "[main]\r\n"
    "num_bots=4\r\n"
    "; kept by the plug-in itself\r\n"
    "autosave=1\r\n"
    "debug=0\r\n"
    "[other]\r\n"
    "num_bots=42\r\n"
    "skill=7\r\n"
    "[bot]\r\n"
    "skill=3\r\n"
    "nick_prefix=abc\r\n"
    "\r\n"
    "[tail]\r\n"
    "; last words\r\n"
    "x=y\r\n";

}  // namespace

TEST(IniFileWrite, IntegerIsWrittenAsPlainDecimalText) {
    struct Case {
        int32_t value;
        const char* text;
    } cases[] = {
        {0, "0"},
        {8, "8"},
        {-1, "-1"},
        {10, "10"},
        {-10, "-10"},
        {1000000, "1000000"},
        {INT32_MAX, "2147483647"},
        {INT32_MIN, "-2147483648"},
        {INT32_MIN + 1, "-2147483647"},
    };
    ScratchFolder folder;
    for (size_t row = 0; row < std::size(cases); ++row) {
        const Case& c = cases[row];
        SCOPED_TRACE(testing::Message() << "value " << c.value);
        ASSERT_TRUE(WriteFileBytes(folder.File(row), kFixture));
        IniFile ini = Writer(folder.File(row), "main");
        EXPECT_EQ(ini.ValueInteger("num_bots", c.value), c.value) << "writing returns the value given";
        EXPECT_EQ(StoredText(folder.File(row), "main", "num_bots"), c.text);

        IniFile reader(Widen(folder.File(row)));
        reader.SetSection("main");
        EXPECT_EQ(reader.ValueInteger("num_bots", 1), c.value) << "read back";
    }
}

TEST(IniFileWrite, BooleanIsWrittenAsOneOrZero) {
    ScratchFolder folder;
    for (bool value : {true, false}) {
        SCOPED_TRACE(testing::Message() << "value " << value);
        std::string path = folder.File(value);
        ASSERT_TRUE(WriteFileBytes(path, kFixture));
        IniFile ini = Writer(path, "main");
        EXPECT_EQ(ini.ValueBoolean("debug", value), value) << "writing returns the value given";
        EXPECT_EQ(StoredText(path, "main", "debug"), value ? "1" : "0");
    }
}

TEST(IniFileWrite, StringIsWrittenAsItIs) {
    const std::string cases[] = {"^2^btolv^n^7", "two words", "x", LongValue(3000), LongValue(5000)};
    ScratchFolder folder;
    for (size_t row = 0; row < std::size(cases); ++row) {
        SCOPED_TRACE(testing::Message() << "row " << row << ", " << cases[row].size() << " characters");
        ASSERT_TRUE(WriteFileBytes(folder.File(row), kFixture));
        IniFile ini = Writer(folder.File(row), "bot");
        EXPECT_EQ(ini.ValueString("nick_prefix", cases[row]), cases[row]) << "writing returns the value given";
        EXPECT_TRUE(StoredText(folder.File(row), "bot", "nick_prefix") == cases[row]) << "the stored text differs";
    }
}

TEST(IniFileWrite, EmptyStringKeepsTheKeyWithNoValue) {
    ScratchFolder folder;
    std::string path = folder.File(0);
    ASSERT_TRUE(WriteFileBytes(path, kFixture));
    IniFile ini = Writer(path, "bot");
    ini.ValueString("nick_prefix", "");
    EXPECT_NE(ReadFileBytes(path).find("\nnick_prefix=\r\n"), std::string::npos) << ReadFileBytes(path);

    IniFile reader(Widen(path));
    reader.SetSection("bot");
    EXPECT_EQ(reader.ValueString("nick_prefix", "^2^btolv^n^7"), "");
}

TEST(IniFileWrite, OneKeyChangesAndEverythingElseStays) {
    enum class Kind { kInteger, kBoolean, kString };
    struct Case {
        const char* what;
        const char* section;
        const char* key;
        Kind kind;
        const char* text;
    } cases[] = {
        {"an integer in the first section", "main", "num_bots", Kind::kInteger, "5"},
        {"a boolean", "main", "debug", Kind::kBoolean, "1"},
        {"an integer in a later section", "bot", "skill", Kind::kInteger, "1"},
        {"a string", "bot", "nick_prefix", Kind::kString, "^1new"},
        {"a key the section lacks", "bot", "extra", Kind::kInteger, "9"},
        {"a section the file lacks", "new", "k", Kind::kString, "v"},
    };
    ScratchFolder folder;
    for (size_t row = 0; row < std::size(cases); ++row) {
        const Case& c = cases[row];
        SCOPED_TRACE(c.what);
        ASSERT_TRUE(WriteFileBytes(folder.File(row), kFixture));
        IniFile ini = Writer(folder.File(row), c.section);
        switch (c.kind) {
        case Kind::kInteger:
            ini.ValueInteger(c.key, std::atoi(c.text));
            break;
        case Kind::kBoolean:
            ini.ValueBoolean(c.key, std::string(c.text) == "1");
            break;
        case Kind::kString:
            ini.ValueString(c.key, c.text);
            break;
        }
        EXPECT_FALSE(ini.WriteFailed());
        EXPECT_EQ(ParseIni(ReadFileBytes(folder.File(row))), WithValue(ParseIni(kFixture), c.section, c.key, c.text));
    }
}

TEST(IniFileWrite, MissingFileIsCreatedInAnExistingFolder) {
    ScratchFolder folder;
    std::string path = folder.File(0);
    IniFile ini = Writer(path, "main");
    ini.ValueInteger("num_bots", 2);
    EXPECT_FALSE(ini.WriteFailed());
    EXPECT_EQ(StoredText(path, "main", "num_bots"), "2");
}
