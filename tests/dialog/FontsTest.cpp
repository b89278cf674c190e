// Every text of the dialog in Tahoma at a cell height of 12, bold only on the two buttons.
// Font handles mean nothing outside the program, so the spy DLL reads them from inside it.
#include <gtest/gtest.h>

#include <set>

#include "tests/dialog/RunningDialog.h"
#include "tests/dialog/Spy.h"

namespace {

struct FontRow {
    const char* name;
    const SpyWindow& window;
    bool bold;
};

}  // namespace

class Fonts : public RunningDialog {
protected:
    void SetUp() override {
        RunningDialog::SetUp();
        ASSERT_TRUE(SpyOn(dialog_, &report_));
        for (int i = 0; i < 9; ++i) ASSERT_EQ(report_.controls[i].window, Control(Ctl(i))) << "control " << i;
    }

    SpyReport report_{};
};

TEST_F(Fonts, TahomaAtCellHeight12BoldOnlyOnTheButtons) {
    const FontRow rows[] = {
        {"Panel", report_.panel, false},
        {"NickPrefixLabel", report_.controls[int(Ctl::NickPrefixLabel)], false},
        {"BotCountLabel", report_.controls[int(Ctl::BotCountLabel)], false},
        {"SkillLabel", report_.controls[int(Ctl::SkillLabel)], false},
        {"AboutButton", report_.controls[int(Ctl::AboutButton)], true},
        {"OkButton", report_.controls[int(Ctl::OkButton)], true},
        {"BotCountCombo", report_.controls[int(Ctl::BotCountCombo)], false},
        {"SkillCombo", report_.controls[int(Ctl::SkillCombo)], false},
        {"NickPrefixEdit", report_.controls[int(Ctl::NickPrefixEdit)], false},
        {"DebugCheck", report_.controls[int(Ctl::DebugCheck)], false},
    };
    for (const FontRow& row : rows) {
        SCOPED_TRACE(row.name);
        const SpyFont& font = row.window.font;
        ASSERT_NE(font.handle, nullptr);
        EXPECT_STREQ(font.requested.lfFaceName, "Tahoma");
        EXPECT_EQ(font.requested.lfHeight, 12);
        EXPECT_EQ(font.requested.lfWidth, 0);
        EXPECT_EQ(font.requested.lfWeight, row.bold ? FW_BOLD : 0);
        EXPECT_EQ(font.requested.lfItalic, 0);
        EXPECT_EQ(font.requested.lfUnderline, 0);
        EXPECT_EQ(font.requested.lfStrikeOut, 0);
        EXPECT_EQ(font.requested.lfCharSet, DEFAULT_CHARSET);
        EXPECT_EQ(font.requested.lfOutPrecision, OUT_DEFAULT_PRECIS);
        EXPECT_EQ(font.requested.lfClipPrecision, CLIP_DEFAULT_PRECIS);
        EXPECT_EQ(font.requested.lfQuality, DEFAULT_QUALITY);
        EXPECT_EQ(font.requested.lfPitchAndFamily, DEFAULT_PITCH | FF_DONTCARE);
        // What the font mapper made of the request.
        EXPECT_STREQ(font.drawnFace, "Tahoma");
        EXPECT_EQ(font.cellHeight, 12);
        EXPECT_EQ(font.drawnWeight, row.bold ? FW_BOLD : FW_NORMAL);
    }
}

TEST_F(Fonts, EachWindowDrawsWithAFontOfItsOwn) {
    std::set<HFONT> fonts{report_.panel.font.handle};
    for (const SpyWindow& control : report_.controls) fonts.insert(control.font.handle);
    EXPECT_EQ(fonts.size(), 10u) << "two windows share one font";
}
