// "Ok" stores what the user set in the controls and closes; everything else the file holds stays.
#include <gtest/gtest.h>

#include <string>

#include "tests/support/DialogProcess.h"
#include "tests/support/IniEntries.h"
#include "tests/support/Input.h"
#include "tests/support/LongText.h"
#include "tests/support/Paths.h"
#include "tests/support/UserActions.h"
#include "tests/support/Wait.h"
#include "tests/support/WindowFinders.h"

namespace {

const char kFixture[] =
    "; settings of the bot plug-in\r\n"
    "[main]\r\n"
    "num_bots=4\r\n"
    "; kept by the plug-in itself\r\n"
    "autosave=1\r\n"
    "debug=0\r\n"
    "[bot]\r\n"
    "skill=3\r\n"
    "nick_prefix=abc\r\n"
    "name_colour=7\r\n"
    "[maps]\r\n"
    "skill=5\r\n"
    "first=q3dm17\r\n";

enum class Lists { kMouse, kArrowKeys };

struct ChangeCase {
    const char* how;
    Lists lists;
    int botCount;
    int skill;
};

void ChangeEveryControlAndPressOk(const ChangeCase& c) {
    GameFolder game(CurrentTestName() + "." + std::to_string(int(c.lists)));
    game.WriteConfig(kFixture);
    DialogProcess dialog(game);
    ASSERT_TRUE(dialog.Up());
    HWND bots = dialog.Control(Ctl::BotCountCombo);
    HWND skill = dialog.Control(Ctl::SkillCombo);
    ASSERT_EQ(DialogProcess::CurrentIndex(bots), 4);
    ASSERT_EQ(DialogProcess::CurrentIndex(skill), 2);

    if (c.lists == Lists::kMouse) {
        ASSERT_TRUE(PickWithMouse(dialog, bots, c.botCount));
        ASSERT_TRUE(PickWithMouse(dialog, skill, c.skill));
    } else {
        ASSERT_TRUE(FocusClosed(dialog, bots));
        PressKey(VK_DOWN);
        PressKey(VK_DOWN);
        ASSERT_TRUE(WaitUntil([&] { return DialogProcess::CurrentIndex(bots) == c.botCount; }));
        ASSERT_TRUE(FocusClosed(dialog, skill));
        PressKey(VK_UP);
        PressKey(VK_UP);
        ASSERT_TRUE(WaitUntil([&] { return DialogProcess::CurrentIndex(skill) == c.skill; }));
    }
    ASSERT_TRUE(ToggleWithMouse(dialog, dialog.Control(Ctl::DebugCheck)));
    ASSERT_TRUE(TypeOver(dialog, dialog.Control(Ctl::NickPrefixEdit), "^1new^7 bot"));
    PressOkAndExpectExit(dialog);

    std::vector<IniEntry> expected = ParseIni(kFixture);
    expected = WithValue(expected, "main", "num_bots", std::to_string(c.botCount));
    expected = WithValue(expected, "main", "debug", "1");
    expected = WithValue(expected, "bot", "skill", std::to_string(c.skill + 1));
    expected = WithValue(expected, "bot", "nick_prefix", "^1new^7 bot");
    EXPECT_EQ(ParseIni(game.ReadConfig()), expected);
}

}  // namespace

TEST(Save, EveryControlChangedByTheUserIsStoredAndNothingElseChanges) {
    const ChangeCase cases[] = {
        {"lists picked with the mouse", Lists::kMouse, 7, 4},
        {"lists moved with the arrow keys", Lists::kArrowKeys, 6, 0},
    };
    for (const ChangeCase& c : cases) {
        SCOPED_TRACE(c.how);
        ChangeEveryControlAndPressOk(c);
    }
}

TEST(Save, AStoredValueOutsideItsListStaysExactlyAsStored) {
    struct Case {
        const char* botCount;
        const char* skill;
    } cases[] = {{"12", "3"}, {"9", "0"}, {"4", "6"}, {"12", "6"}, {"-1", "2"}};
    for (size_t row = 0; row < std::size(cases); ++row) {
        const Case& c = cases[row];
        SCOPED_TRACE(testing::Message() << "num_bots=" << c.botCount << " skill=" << c.skill);
        // No debug key: that it appears shows the save did write.
        std::string file = std::string("[main]\r\nnum_bots=") + c.botCount + "\r\n[bot]\r\nskill=" + c.skill +
                           "\r\nnick_prefix=keep\r\n";
        GameFolder game(CurrentTestName() + "." + std::to_string(row));
        game.WriteConfig(file);
        DialogProcess dialog(game);
        if (!dialog.Up()) continue;
        PressOkAndExpectExit(dialog);
        EXPECT_EQ(ParseIni(game.ReadConfig()), WithValue(ParseIni(file), "main", "debug", "0"));
    }
}

TEST(Save, DebugTwoIsShownCheckedAndStoredAsOne) {
    GameFolder game;
    game.WriteConfig("[main]\r\nnum_bots=2\r\ndebug=2\r\n[bot]\r\nskill=3\r\nnick_prefix=x\r\n");
    DialogProcess dialog(game);
    ASSERT_TRUE(dialog.Up());
    EXPECT_TRUE(DialogProcess::Checked(dialog.Control(Ctl::DebugCheck)));
    PressOkAndExpectExit(dialog);
    EXPECT_EQ(ValueIn(ParseIni(game.ReadConfig()), "main", "debug"), "1");
}

TEST(Save, AnEmptyPrefixIsStoredAsAnEmptyValueAndShownEmptyNextTime) {
    GameFolder game;
    game.WriteConfig(kFixture);
    {
        DialogProcess dialog(game);
        ASSERT_TRUE(dialog.Up());
        ASSERT_TRUE(TypeOver(dialog, dialog.Control(Ctl::NickPrefixEdit), ""));
        PressOkAndExpectExit(dialog);
    }
    EXPECT_NE(game.ReadConfig().find("\nnick_prefix=\r\n"), std::string::npos) << game.ReadConfig();

    DialogProcess again(game);
    ASSERT_TRUE(again.Up());
    EXPECT_EQ(DialogProcess::Text(again.Control(Ctl::NickPrefixEdit)), "");
}

TEST(Save, ALongPrefixSurvivesOkWhole) {
    for (size_t length : {2047, 2048, 3000}) {
        SCOPED_TRACE(testing::Message() << length << " characters");
        std::string prefix = LongValue(length);
        GameFolder game(CurrentTestName() + "." + std::to_string(length));
        game.WriteConfig("[main]\r\nnum_bots=2\r\n[bot]\r\nnick_prefix=" + prefix + "\r\nskill=4\r\n");
        DialogProcess dialog(game);
        if (!dialog.Up()) continue;
        EXPECT_TRUE(DialogProcess::Text(dialog.Control(Ctl::NickPrefixEdit)) == prefix) << "shown cut";
        PressOkAndExpectExit(dialog);
        EXPECT_TRUE(ValueIn(ParseIni(game.ReadConfig()), "bot", "nick_prefix") == prefix) << "stored cut";
        EXPECT_EQ(ValueIn(ParseIni(game.ReadConfig()), "bot", "skill"), "4");
    }
}

TEST(Save, OkThenAtOnceTheCloseBoxEndsTheProgramOnceNormally) {
    GameFolder game;
    game.WriteConfig(kFixture);
    DialogProcess dialog(game);
    ASSERT_TRUE(dialog.Up());
    ASSERT_TRUE(ToggleWithMouse(dialog, dialog.Control(Ctl::DebugCheck)));
    RECT ok = ScreenRect(dialog.Control(Ctl::OkButton));
    // The second click is queued before the program has taken the first one's close request.
    ClickInTurn({POINT{(ok.left + ok.right) / 2, (ok.top + ok.bottom) / 2}, CloseBoxPoint(dialog.Form())});
    ASSERT_TRUE(dialog.WaitForExit());
    EXPECT_EQ(dialog.ExitCode(), 0u);
    EXPECT_EQ(ParseIni(game.ReadConfig()), WithValue(ParseIni(kFixture), "main", "debug", "1"));
}

namespace {

void PutOnClipboard(const std::string& text) {
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    CopyMemory(GlobalLock(memory), text.c_str(), text.size() + 1);
    GlobalUnlock(memory);
    SetClipboardData(CF_TEXT, memory);
    CloseClipboard();
}

}  // namespace

TEST(Save, ALineBreakInThePrefixAddsNoLinesToTheFile) {
    // A paste is how a user brings several lines; another program can also set the text with WM_SETTEXT, which
    // a single-line edit box takes whole.
    enum class Put { kPaste, kSetText };
    struct Case {
        const char* how;
        Put put;
    } cases[] = {{"pasted", Put::kPaste}, {"set by another program", Put::kSetText}};
    const std::string text = "^1abc\r\n[main]\r\nnum_bots=8\ndebug=1";
    auto saveWith = [&](const Case& c, size_t row) {
        GameFolder game(CurrentTestName() + "." + std::to_string(row));
        game.WriteConfig(kFixture);
        DialogProcess dialog(game);
        ASSERT_TRUE(dialog.Up());
        HWND edit = dialog.Control(Ctl::NickPrefixEdit);
        if (c.put == Put::kPaste) {
            PutOnClipboard(text);
            ClickWindow(edit);
            ASSERT_TRUE(WaitUntil([&] { return dialog.Focus() == edit; }));
            PressKeys({VK_CONTROL, 'A'});
            PressKeys({VK_CONTROL, 'V'});
            ASSERT_TRUE(WaitUntil([&] { return DialogProcess::Text(edit).rfind("^1abc", 0) == 0; }));
        } else {
            SendMessageA(edit, WM_SETTEXT, 0, LPARAM(text.c_str()));
        }
        PressOkAndExpectExit(dialog);
        EXPECT_EQ(ParseIni(game.ReadConfig()), WithValue(ParseIni(kFixture), "bot", "nick_prefix", "^1abc"))
            << "only the first line is stored";
    };
    for (size_t row = 0; row < std::size(cases); ++row) {
        SCOPED_TRACE(cases[row].how);
        saveWith(cases[row], row);
    }
}
