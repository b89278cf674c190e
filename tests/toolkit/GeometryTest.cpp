// Position and size setters, client size under any frame, and centring.
#include <gtest/gtest.h>

#include "toolkit/Form.h"
#include "toolkit/Label.h"

namespace {

RECT OuterOf(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return rect;
}

SIZE ClientOf(HWND window) {
    RECT rect{};
    GetClientRect(window, &rect);
    return SIZE{rect.right, rect.bottom};
}

}  // namespace

class Geometry : public ::testing::Test {
protected:
    void TearDown() override { delete form_; }
    tk::Form* form_ = tk::NewForm(nullptr, "geometry");
};

TEST_F(Geometry, SettersReturnTheObjectTheyWereGiven) {
    tk::Label* label = tk::NewLabel(form_, "label");
    EXPECT_EQ(label->SetPosition(1, 2), label);
    EXPECT_EQ(label->SetSize(30, 40), label);
    EXPECT_EQ(label->SetClientSize(30, 40), label);
    EXPECT_EQ(label->SetStyle(label->Style()), label);
    EXPECT_EQ(label->SetColor(tk::clWindow), label);
    EXPECT_EQ(label->SetTextColor(tk::clWindowText), label);
    EXPECT_EQ(label->SetText("text"), label);
    EXPECT_EQ(form_->SetEraseBackground(false), form_);
    EXPECT_EQ(form_->Centre(), form_);
    EXPECT_EQ(form_->FixSize(), form_);
    tk::Font* font = label->GetFont();
    EXPECT_EQ(font->SetHeight(12), font);
    EXPECT_EQ(font->SetFace("Tahoma"), font);
    EXPECT_EQ(font->SetStyle(tk::fsBold), font);
}

struct SizeRow {
    const char* name;
    int width, height;
    int expectedWidth, expectedHeight;
};

// From 300 by 200: large enough that no minimum tracking size of a framed window gets in the way.
const SizeRow kSizes[] = {
    {"both given", 320, 240, 320, 240},
    {"width 0", 0, 240, 300, 240},
    {"width -5", -5, 240, 300, 240},
    {"height 0", 320, 0, 320, 200},
    {"height -1", 320, -1, 320, 200},
    {"neither", 0, 0, 300, 200},
    {"both negative", -100, -100, 300, 200},
};

TEST_F(Geometry, SetSizeLeavesADimensionOfZeroOrLessAloneAndKeepsTheCorner) {
    for (const SizeRow& row : kSizes) {
        SCOPED_TRACE(row.name);
        tk::Label* label = tk::NewLabel(form_, "")->SetPosition(10, 20)->SetSize(300, 200);
        label->SetSize(row.width, row.height);
        RECT outer = OuterOf(label->Handle());
        MapWindowPoints(HWND_DESKTOP, form_->Handle(), reinterpret_cast<POINT*>(&outer), 2);
        EXPECT_EQ(outer.right - outer.left, row.expectedWidth);
        EXPECT_EQ(outer.bottom - outer.top, row.expectedHeight);
        EXPECT_EQ(outer.left, 10);
        EXPECT_EQ(outer.top, 20);
    }
}

TEST_F(Geometry, SetClientSizeLeavesADimensionOfZeroOrLessAloneAndKeepsTheCorner) {
    for (const SizeRow& row : kSizes) {
        SCOPED_TRACE(row.name);
        form_->SetPosition(30, 40)->SetClientSize(300, 200);
        form_->SetClientSize(row.width, row.height);
        SIZE client = ClientOf(form_->Handle());
        EXPECT_EQ(client.cx, row.expectedWidth);
        EXPECT_EQ(client.cy, row.expectedHeight);
        RECT outer = OuterOf(form_->Handle());
        EXPECT_EQ(outer.left, 30);
        EXPECT_EQ(outer.top, 40);
    }
}

TEST_F(Geometry, SetPositionKeepsTheSize) {
    tk::Label* label = tk::NewLabel(form_, "")->SetSize(70, 30)->SetPosition(5, 6);
    RECT outer = OuterOf(label->Handle());
    EXPECT_EQ(outer.right - outer.left, 70);
    EXPECT_EQ(outer.bottom - outer.top, 30);
}

TEST(ClientSize, Is217By161UnderAnyFrame) {
    struct Row {
        const char* name;
        DWORD style;
        DWORD exStyle;
    } rows[] = {
        {"caption, window menu, sizing border and both boxes", WS_OVERLAPPEDWINDOW, 0},
        {"caption without sizing border", WS_CAPTION | WS_SYSMENU, 0},
        {"sizing border without caption", WS_POPUP | WS_THICKFRAME, 0},
        {"thin border", WS_POPUP | WS_BORDER, 0},
        {"dialog frame", WS_POPUP | WS_DLGFRAME, 0},
        {"no frame at all", WS_POPUP, 0},
        {"caption and a vertical scroll bar", WS_OVERLAPPEDWINDOW | WS_VSCROLL, 0},
        {"caption and a sunken client edge", WS_OVERLAPPEDWINDOW, WS_EX_CLIENTEDGE},
        {"tool window's small caption", WS_OVERLAPPEDWINDOW, WS_EX_TOOLWINDOW},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        tk::Form* form = tk::NewForm(nullptr, "frame");
        SetWindowLongA(form->Handle(), GWL_EXSTYLE, LONG(row.exStyle));
        form->SetStyle(row.style)->SetPosition(30, 40)->SetClientSize(217, 161);
        SIZE client = ClientOf(form->Handle());
        EXPECT_EQ(client.cx, 217);
        EXPECT_EQ(client.cy, 161);
        RECT outer = OuterOf(form->Handle());
        EXPECT_EQ(outer.left, 30);
        EXPECT_EQ(outer.top, 40);
        delete form;
    }
}

TEST(Centring, TakesTheFloorOfHalfTheDifference) {
    struct Row {
        int screen, window, edge;
    } rows[] = {
        {200, 225, -13}, {1024, 225, 399}, {768, 188, 290}, {200, 200, 0},  {201, 200, 0},
        {199, 200, -1},  {0, 1, -1},       {1024, 1101, -39}, {768, 801, -17}, {1, 0, 0},
    };
    for (const Row& row : rows)
        EXPECT_EQ(tk::CentredEdge(row.screen, row.window), row.edge) << row.screen << " " << row.window;
}

TEST(Centring, PutsTheFormInTheMiddleOfTheScreenEvenWhenItIsWider) {
    ASSERT_EQ(GetSystemMetrics(SM_CXSCREEN), 1024);
    ASSERT_EQ(GetSystemMetrics(SM_CYSCREEN), 768);
    struct Row {
        int width, height;
        int left, top;
    } rows[] = {{225, 188, 399, 290}, {1024, 768, 0, 0}, {1101, 801, -39, -17}};
    for (const Row& row : rows) {
        SCOPED_TRACE(std::to_string(row.width) + " by " + std::to_string(row.height));
        // No sizing border, so Windows lets the window be larger than the screen.
        tk::Form* form = tk::NewForm(nullptr, "centre");
        form->SetStyle(WS_POPUP)->SetSize(row.width, row.height)->Centre();
        RECT outer = OuterOf(form->Handle());
        EXPECT_EQ(outer.left, row.left);
        EXPECT_EQ(outer.top, row.top);
        EXPECT_EQ(outer.right - outer.left, row.width);
        EXPECT_EQ(outer.bottom - outer.top, row.height);
        delete form;
    }
}
