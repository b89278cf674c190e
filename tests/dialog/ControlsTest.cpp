// The nine controls as a user finds them on the panel: kind, text, place, size, styles and lists.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/dialog/RunningDialog.h"
#include "tests/support/WindowFinders.h"

namespace {

struct ControlRow {
    Ctl which;
    const char* name;
    const char* className;
    const char* text;  // null: not a fixed text
    RECT bounds;       // left, top, width, height in the panel; a height of 0 is Windows' choice
    DWORD typeMask;
    DWORD type;
    DWORD required;
    DWORD forbidden;
    DWORD exRequired;
};

constexpr DWORD kShown = WS_CHILD | WS_VISIBLE;
constexpr DWORD kLabel = kShown | SS_NOPREFIX;
constexpr DWORD kNotLabel = WS_TABSTOP | WS_GROUP | WS_BORDER;
constexpr DWORD kFocusable = kShown | WS_TABSTOP;
// A combo box takes WS_VSCROLL off itself; its list shows the scroll bar when the items need one.
constexpr DWORD kCombo = kFocusable | CBS_AUTOHSCROLL | CBS_HASSTRINGS | CBS_NOINTEGRALHEIGHT;
constexpr DWORD kNotCombo = WS_GROUP | CBS_SORT | CBS_OWNERDRAWFIXED | CBS_OWNERDRAWVARIABLE;
constexpr DWORD kEdit = kFocusable | ES_AUTOHSCROLL;
constexpr DWORD kNotEdit =
    WS_GROUP | WS_BORDER | ES_MULTILINE | ES_PASSWORD | ES_READONLY | ES_NUMBER | ES_UPPERCASE | ES_LOWERCASE;

// The combo boxes' height is the closed box's, which the font decides.
const ControlRow kControls[] = {
    {Ctl::NickPrefixLabel, "NickPrefixLabel", "STATIC", "Nick prefix:", {7, 75, 201, 14},
     SS_TYPEMASK, SS_LEFTNOWORDWRAP, kLabel, kNotLabel, 0},
    {Ctl::BotCountLabel, "BotCountLabel", "STATIC", "Number of automatically created bots:", {7, 7, 201, 14},
     SS_TYPEMASK, SS_LEFTNOWORDWRAP, kLabel, kNotLabel, 0},
    {Ctl::SkillLabel, "SkillLabel", "STATIC", "Skill:", {7, 42, 201, 14},
     SS_TYPEMASK, SS_LEFTNOWORDWRAP, kLabel, kNotLabel, 0},
    {Ctl::AboutButton, "AboutButton", "BUTTON", "About", {73, 132, 64, 22},
     BS_TYPEMASK, BS_PUSHBUTTON, kFocusable, WS_GROUP, 0},
    {Ctl::OkButton, "OkButton", "BUTTON", "Ok", {145, 132, 64, 22},
     BS_TYPEMASK, BS_PUSHBUTTON, kFocusable, WS_GROUP, 0},
    {Ctl::BotCountCombo, "BotCountCombo", "COMBOBOX", nullptr, {7, 23, 201, 0},
     0x3, CBS_DROPDOWNLIST, kCombo, kNotCombo, 0},
    {Ctl::SkillCombo, "SkillCombo", "COMBOBOX", nullptr, {7, 56, 201, 0},
     0x3, CBS_DROPDOWNLIST, kCombo, kNotCombo, 0},
    {Ctl::NickPrefixEdit, "NickPrefixEdit", "EDIT", nullptr, {7, 88, 201, 18},
     0, 0, kEdit, kNotEdit, WS_EX_CLIENTEDGE},
    {Ctl::DebugCheck, "DebugCheck", "BUTTON", "Debug", {7, 108, 201, 17},
     BS_TYPEMASK, BS_AUTOCHECKBOX, kFocusable, WS_GROUP, 0},
};

}  // namespace

class Controls : public RunningDialog {};

TEST_F(Controls, NineInCreationOrderWithTheirKindTextPlaceAndStyles) {
    ASSERT_EQ(dialog_.Controls().size(), 9u);
    for (const ControlRow& row : kControls) {
        SCOPED_TRACE(row.name);
        HWND control = Control(row.which);
        EXPECT_STRCASEEQ(ClassOf(control).c_str(), row.className);
        if (row.text) {
            EXPECT_EQ(DialogProcess::Text(control), row.text);
        }

        RECT place = RectInParent(control);
        EXPECT_EQ(place.left, row.bounds.left);
        EXPECT_EQ(place.top, row.bounds.top);
        EXPECT_EQ(place.right - place.left, row.bounds.right);
        if (row.bounds.bottom) {
            EXPECT_EQ(place.bottom - place.top, row.bounds.bottom);
        }

        DWORD style = DWORD(GetWindowLongA(control, GWL_STYLE));
        EXPECT_EQ(style & row.typeMask, row.type) << std::hex << "style " << style;
        EXPECT_EQ(style & row.required, row.required) << std::hex << "style " << style;
        EXPECT_EQ(style & row.forbidden, 0u) << std::hex << "style " << style;
        DWORD exStyle = DWORD(GetWindowLongA(control, GWL_EXSTYLE));
        EXPECT_EQ(exStyle & row.exRequired, row.exRequired) << std::hex << "extended style " << exStyle;
    }
}

TEST_F(Controls, ComboBoxesListTheirItemsInOrderAndShowTheSelectedOne) {
    struct Row {
        const char* name;
        Ctl which;
        std::vector<std::string> items;
    } rows[] = {
        {"BotCountCombo", Ctl::BotCountCombo, {"0", "1", "2", "3", "4", "5", "6", "7", "8"}},
        {"SkillCombo", Ctl::SkillCombo, {"I can win", "Hurt me plenty", "Medium", "Hardcore", "Nightmare"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        HWND combo = Control(row.which);
        EXPECT_EQ(DialogProcess::Items(combo), row.items);
        int selected = DialogProcess::CurrentIndex(combo);
        ASSERT_GE(selected, 0);
        ASSERT_LT(size_t(selected), row.items.size());
        EXPECT_EQ(DialogProcess::Text(combo), row.items[size_t(selected)]);
    }
}
