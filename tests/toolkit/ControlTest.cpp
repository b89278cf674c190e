// What a control keeps of its own: text and state set while hidden, and the font and colours of its creation.
#include <gtest/gtest.h>

#include <string>

#include "dialog/Unit1.h"
#include "tests/toolkit/InProcessDialog.h"
#include "toolkit/Form.h"
#include "toolkit/Label.h"

namespace {

std::string WindowText(HWND window) {
    char text[256] = "";
    GetWindowTextA(window, text, sizeof text);
    return text;
}

LOGFONTA FontOfWindow(HWND window) {
    LOGFONTA font{};
    GetObjectA(HGDIOBJ(SendMessageA(window, WM_GETFONT, 0, 0)), sizeof font, &font);
    return font;
}

}  // namespace

class HiddenDialog : public InProcessDialog {};

TEST_F(HiddenDialog, TextSetWhileHiddenIsTheTextOnceShown) {
    struct Row {
        const char* name;
        tk::Control* control;
        const char* text;
    } rows[] = {
        {"NickPrefixEdit", dialog_->NickPrefixEdit, "^2^btolv^n^7 & more"},
        {"SkillLabel", dialog_->SkillLabel, "Skill &level:"},
        {"DebugCheck", dialog_->DebugCheck, "Debug it"},
    };
    dialog_->NickPrefixEdit->SetText(rows[0].text);
    dialog_->SkillLabel->SetText(rows[1].text);
    dialog_->DebugCheck->SetText(rows[2].text);
    dialog_->Form->ShowTree();
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_TRUE(IsWindowVisible(row.control->Handle()));
        EXPECT_EQ(row.control->Text(), row.text);
        EXPECT_EQ(WindowText(row.control->Handle()), row.text);
    }
}

TEST_F(HiddenDialog, AnEmptyEditBoxReadsAsAnEmptyText) {
    dialog_->NickPrefixEdit->SetText("");
    dialog_->Form->ShowTree();
    EXPECT_EQ(dialog_->NickPrefixEdit->Text(), "");
}

TEST_F(HiddenDialog, CheckedStateReadsBackAsSet) {
    for (bool checked : {true, false, true}) {
        dialog_->DebugCheck->SetChecked(checked);
        EXPECT_EQ(dialog_->DebugCheck->Checked(), checked);
        EXPECT_EQ(SendMessageA(dialog_->DebugCheck->Handle(), BM_GETCHECK, 0, 0), checked ? 1 : 0);
    }
}

TEST(Inheritance, AControlCopiesItsParentsFontAndColoursOnlyWhenItIsCreated) {
    tk::Form* form = tk::NewForm(nullptr, "inheritance");
    form->GetFont()->SetHeight(12)->SetFace("Tahoma");
    tk::Label* before = tk::NewLabel(form, "before");
    form->GetFont()->SetHeight(20)->SetFace("Courier New")->SetStyle(tk::fsItalic);
    form->SetColor(RGB(1, 2, 3))->SetTextColor(RGB(4, 5, 6));
    tk::Label* after = tk::NewLabel(form, "after");

    LOGFONTA kept = FontOfWindow(before->Handle());
    EXPECT_EQ(kept.lfHeight, 12);
    EXPECT_STREQ(kept.lfFaceName, "Tahoma");
    EXPECT_EQ(kept.lfItalic, 0);
    EXPECT_EQ(before->BackgroundColor(), tk::clBtnFace);
    EXPECT_EQ(before->TextColor(), tk::clWindowText);

    LOGFONTA taken = FontOfWindow(after->Handle());
    EXPECT_EQ(taken.lfHeight, 20);
    EXPECT_STREQ(taken.lfFaceName, "Courier New");
    EXPECT_NE(taken.lfItalic, 0);
    EXPECT_EQ(after->BackgroundColor(), RGB(1, 2, 3));
    EXPECT_EQ(after->TextColor(), RGB(4, 5, 6));

    // A copy each: neither draws with its parent's font object.
    EXPECT_NE(before->GetFont()->Handle(), form->GetFont()->Handle());
    EXPECT_NE(after->GetFont()->Handle(), form->GetFont()->Handle());
    delete form;
}

TEST(Inheritance, BoldMakesTheWeightAtLeastBoldAndClearsTheOtherStyles) {
    struct Row {
        const char* name;
        LONG weightBefore;
        unsigned styles;
        LONG weightAfter;
    } rows[] = {
        {"regular to bold", 0, tk::fsBold, FW_BOLD},
        {"heavy stays heavy", FW_HEAVY, tk::fsBold, FW_HEAVY},
        {"normal to bold", FW_NORMAL, tk::fsBold, FW_BOLD},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        LOGFONTA description = tk::Font::DefaultDescription();
        description.lfWeight = row.weightBefore;
        description.lfItalic = description.lfUnderline = description.lfStrikeOut = TRUE;
        tk::Font font(description);
        font.SetStyle(row.styles);
        EXPECT_EQ(font.Description().lfWeight, row.weightAfter);
        EXPECT_EQ(font.Description().lfItalic, 0);
        EXPECT_EQ(font.Description().lfUnderline, 0);
        EXPECT_EQ(font.Description().lfStrikeOut, 0);
    }
}
