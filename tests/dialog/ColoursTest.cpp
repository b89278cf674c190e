// The panel and plain controls in the button-face colour, the boxes and their opened lists in the window colour.
#include <gtest/gtest.h>

#include "tests/dialog/RunningDialog.h"
#include "tests/dialog/Screen.h"
#include "tests/dialog/Spy.h"
#include "tests/support/Input.h"
#include "tests/support/Wait.h"

class Colours : public RunningDialog {};

TEST_F(Colours, EachControlAnswersTheColourRequestWithItsOwnColours) {
    SpyReport report{};
    ASSERT_TRUE(SpyOn(dialog_, &report));
    struct Row {
        const char* name;
        const SpyColours& reply;
        int background;
    } rows[] = {
        {"Panel", report.panel.colours, COLOR_BTNFACE},
        {"NickPrefixLabel", report.controls[int(Ctl::NickPrefixLabel)].colours, COLOR_BTNFACE},
        {"BotCountLabel", report.controls[int(Ctl::BotCountLabel)].colours, COLOR_BTNFACE},
        {"SkillLabel", report.controls[int(Ctl::SkillLabel)].colours, COLOR_BTNFACE},
        {"AboutButton", report.controls[int(Ctl::AboutButton)].colours, COLOR_BTNFACE},
        {"OkButton", report.controls[int(Ctl::OkButton)].colours, COLOR_BTNFACE},
        {"BotCountCombo", report.controls[int(Ctl::BotCountCombo)].colours, COLOR_WINDOW},
        {"SkillCombo", report.controls[int(Ctl::SkillCombo)].colours, COLOR_WINDOW},
        {"NickPrefixEdit", report.controls[int(Ctl::NickPrefixEdit)].colours, COLOR_WINDOW},
        {"DebugCheck", report.controls[int(Ctl::DebugCheck)].colours, COLOR_BTNFACE},
        {"BotCountCombo's opened list", report.lists[0], COLOR_WINDOW},
        {"SkillCombo's opened list", report.lists[1], COLOR_WINDOW},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(row.reply.background, GetSysColor(row.background));
        EXPECT_EQ(row.reply.brushColour, GetSysColor(row.background));
        EXPECT_EQ(row.reply.text, GetSysColor(COLOR_WINDOWTEXT));
        EXPECT_EQ(row.reply.backgroundMode, OPAQUE);
    }
}

TEST_F(Colours, TheScreenShowsThemInTheirColours) {
    // Points away from any text: the right end of each box and label, a bare stretch of the panel.
    struct Row {
        const char* where;
        POINT point;
        int colour;
    } rows[] = {
        {"bare panel", At(dialog_.Panel(), 20, 140), COLOR_BTNFACE},
        {"SkillLabel", At(Control(Ctl::SkillLabel), 190, 7), COLOR_BTNFACE},
        {"DebugCheck", At(Control(Ctl::DebugCheck), 190, 8), COLOR_BTNFACE},
        {"BotCountCombo's closed box", At(Control(Ctl::BotCountCombo), 150, 9), COLOR_WINDOW},
        {"SkillCombo's closed box", At(Control(Ctl::SkillCombo), 150, 9), COLOR_WINDOW},
        {"NickPrefixEdit", At(Control(Ctl::NickPrefixEdit), 190, 9), COLOR_WINDOW},
    };
    for (const Row& row : rows) {
        COLORREF expected = GetSysColor(row.colour);
        EXPECT_TRUE(WaitUntil([&] { return ScreenPixel(row.point) == expected; }, 2000))
            << row.where << ": pixel " << std::hex << ScreenPixel(row.point) << ", expected " << expected;
    }
}
