// Items, the current index and the opened list's height of a drop-down list combo box.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dialog/Unit1.h"
#include "tests/toolkit/InProcessDialog.h"
#include "toolkit/ComboBox.h"
#include "toolkit/Form.h"

namespace {

std::vector<std::string> ItemsOf(const tk::ComboBox* combo) {
    std::vector<std::string> items;
    for (int i = 0; i < combo->Count(); ++i) {
        std::string item(size_t(SendMessageA(combo->Handle(), CB_GETLBTEXTLEN, WPARAM(i), 0)), '\0');
        SendMessageA(combo->Handle(), CB_GETLBTEXT, WPARAM(i), LPARAM(&item[0]));
        items.push_back(item);
    }
    return items;
}

}  // namespace

class DialogComboBoxes : public InProcessDialog {};

TEST_F(DialogComboBoxes, AnIndexOutsideTheListLeavesNoSelectionAndABlankBox) {
    struct Row {
        const char* name;
        tk::ComboBox* SetupForm::*combo;
        int index;
        int expectedIndex;
        const char* shown;
    } rows[] = {
        {"BotCountCombo 9", &SetupForm::BotCountCombo, 9, -1, ""},
        {"SkillCombo 5", &SetupForm::SkillCombo, 5, -1, ""},
        {"SkillCombo -1", &SetupForm::SkillCombo, -1, -1, ""},
        {"BotCountCombo -2", &SetupForm::BotCountCombo, -2, -1, ""},
        {"BotCountCombo 8", &SetupForm::BotCountCombo, 8, 8, "8"},
        {"SkillCombo 4", &SetupForm::SkillCombo, 4, 4, "Nightmare"},
        {"BotCountCombo 0", &SetupForm::BotCountCombo, 0, 0, "0"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        tk::ComboBox* combo = dialog_->*row.combo;
        // From a selection, so that clearing it shows.
        combo->SetCurrentIndex(1);
        EXPECT_EQ(combo->SetCurrentIndex(row.index)->CurrentIndex(), row.expectedIndex);
        EXPECT_EQ(combo->Text(), row.shown);
    }
}

TEST(ComboBox, ItemTextReplacesTheItemAtTheIndexOrAppendsAtTheCount) {
    tk::Form* form = tk::NewForm(nullptr, "items");
    tk::ComboBox* combo = tk::NewComboBox(form, tk::coList | tk::coNoIntegralHeight);
    combo->SetItemText(0, "a")->SetItemText(1, "b")->SetItemText(2, "c");
    EXPECT_EQ(ItemsOf(combo), (std::vector<std::string>{"a", "b", "c"}));
    combo->SetItemText(1, "B")->SetItemText(0, "A")->SetItemText(3, "d");
    EXPECT_EQ(ItemsOf(combo), (std::vector<std::string>{"A", "B", "c", "d"}));
    delete form;
}

TEST(ComboBox, OpensWithRoomForOneToEightClosedBoxHeightsPlusTwo) {
    struct Row {
        int items;
        int rows;
    } table[] = {{0, 1}, {1, 1}, {3, 3}, {5, 5}, {8, 8}, {9, 8}, {20, 8}};
    for (const Row& row : table) {
        SCOPED_TRACE(std::to_string(row.items) + " items");
        tk::Form* form = tk::NewForm(nullptr, "list");
        form->GetFont()->SetHeight(12)->SetFace("Tahoma");
        tk::ComboBox* combo =
            tk::NewComboBox(form, tk::coList | tk::coNoIntegralHeight)->SetPosition(7, 7)->SetSize(201, 18);
        for (int i = 0; i < row.items; ++i) combo->SetItemText(i, std::to_string(i));
        form->ShowTree();
        RECT closed{};
        GetWindowRect(combo->Handle(), &closed);
        const int closedHeight = closed.bottom - closed.top;
        for (int opening = 1; opening <= 2; ++opening) {
            SCOPED_TRACE("opening " + std::to_string(opening));
            SendMessageA(combo->Handle(), CB_SHOWDROPDOWN, TRUE, 0);
            // Wine reports the list part only here; Windows adds the closed box.
            RECT dropped{};
            SendMessageA(combo->Handle(), CB_GETDROPPEDCONTROLRECT, 0, LPARAM(&dropped));
            EXPECT_EQ(dropped.bottom - dropped.top, row.rows * closedHeight + 2) << "closed box " << closedHeight;

            COMBOBOXINFO info{};
            info.cbSize = sizeof info;
            ASSERT_TRUE(GetComboBoxInfo(combo->Handle(), &info));
            RECT client{};
            GetClientRect(info.hwndList, &client);
            bool allFit = row.items * int(SendMessageA(info.hwndList, LB_GETITEMHEIGHT, 0, 0)) <= client.bottom;
            bool scrollBar = (GetWindowLongA(info.hwndList, GWL_STYLE) & WS_VSCROLL) != 0;
            EXPECT_EQ(scrollBar, !allFit) << "list client height " << client.bottom;

            SendMessageA(combo->Handle(), CB_SHOWDROPDOWN, FALSE, 0);
            RECT after{};
            GetWindowRect(combo->Handle(), &after);
            EXPECT_EQ(after.bottom - after.top, closedHeight);
        }
        delete form;
    }
}
