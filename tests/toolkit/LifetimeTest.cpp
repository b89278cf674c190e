// Teardown: owned objects first, then the controls the last created first, and every font and brush released.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "dialog/Unit1.h"
#include "toolkit/Form.h"
#include "toolkit/Label.h"

namespace {

std::vector<std::string>* gLog = nullptr;
std::map<HWND, std::string>* gNames = nullptr;

// Windows tells the hook of each DestroyWindow before the window goes.
LRESULT CALLBACK RecordDestroy(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_DESTROYWND && gNames->count(HWND(wParam))) gLog->push_back((*gNames)[HWND(wParam)]);
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

// An object the form owns, which notes when it is released and what of the dialog is left at that moment.
class Recorder : public tk::Object {
public:
    Recorder(const SetupForm* dialog, const std::map<HWND, std::string>& windows)
        : dialog_(dialog), windows_(windows) {}
    ~Recorder() override {
        std::string entry = "object";
        if (IsWindowVisible(dialog_->Form->Handle())) entry += " while shown";
        for (const auto& window : windows_)
            if (!IsWindow(window.first)) entry += " after " + window.second;
        gLog->push_back(entry);
    }

private:
    const SetupForm* dialog_;
    std::map<HWND, std::string> windows_;
};

std::map<HWND, std::string> WindowsOf(const SetupForm* dialog) {
    return {
        {dialog->Form->Handle(), "Form"},
        {dialog->Panel->Handle(), "Panel"},
        {dialog->NickPrefixLabel->Handle(), "NickPrefixLabel"},
        {dialog->BotCountLabel->Handle(), "BotCountLabel"},
        {dialog->SkillLabel->Handle(), "SkillLabel"},
        {dialog->AboutButton->Handle(), "AboutButton"},
        {dialog->OkButton->Handle(), "OkButton"},
        {dialog->BotCountCombo->Handle(), "BotCountCombo"},
        {dialog->SkillCombo->Handle(), "SkillCombo"},
        {dialog->NickPrefixEdit->Handle(), "NickPrefixEdit"},
        {dialog->DebugCheck->Handle(), "DebugCheck"},
    };
}

// A procedure installed over the toolkit's, as a tool that watches a window installs it.
struct Watch {
    WNDPROC next = nullptr;
    bool sawLastMessage = false;
    bool installedAfterIt = false;
};
std::map<HWND, Watch>* gWatches = nullptr;

LRESULT CALLBACK Watcher(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    Watch& watch = (*gWatches)[window];
    LRESULT result = CallWindowProcA(watch.next, window, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        watch.sawLastMessage = true;
        watch.installedAfterIt = GetWindowLongPtrA(window, GWLP_WNDPROC) == LONG_PTR(&Watcher);
    }
    return result;
}

HBRUSH BrushOf(HWND answering, UINT message, HWND painted) {
    HDC dc = CreateCompatibleDC(nullptr);
    auto brush = HBRUSH(SendMessageA(answering, message, WPARAM(dc), LPARAM(painted)));
    DeleteDC(dc);
    return brush;
}

}  // namespace

TEST(Lifetime, OwnedObjectsGoFirstThenTheControlsLastCreatedFirstThenTheForm) {
    SetupForm* dialog = nullptr;
    NewSetupForm(dialog, nullptr);
    std::map<HWND, std::string> names = WindowsOf(dialog);
    std::vector<std::string> log;
    gLog = &log;
    gNames = &names;
    dialog->Form->Own(std::make_unique<Recorder>(dialog, names));
    dialog->Form->ShowTree();

    HHOOK hook = SetWindowsHookExA(WH_CBT, RecordDestroy, nullptr, GetCurrentThreadId());
    ASSERT_NE(hook, nullptr);
    tk::MainWindow = nullptr;
    delete dialog->Form;
    UnhookWindowsHookEx(hook);

    EXPECT_EQ(log, (std::vector<std::string>{"object", "DebugCheck", "NickPrefixEdit", "SkillCombo", "BotCountCombo",
                                             "OkButton", "AboutButton", "SkillLabel", "BotCountLabel",
                                             "NickPrefixLabel", "Panel", "Form"}));
    for (const auto& window : names) EXPECT_FALSE(IsWindow(window.first)) << window.second;
}

TEST(Lifetime, AProcedureInstalledOverOursSeesTheWindowsLastMessageAndStaysInstalled) {
    tk::Form* form = tk::NewForm(nullptr, "watched");
    tk::Label* label = tk::NewLabel(form, "watched");
    const std::map<HWND, std::string> names{{form->Handle(), "form"}, {label->Handle(), "label"}};
    std::map<HWND, Watch> watches;
    gWatches = &watches;
    for (const auto& window : names)
        watches[window.first].next = WNDPROC(SetWindowLongPtrA(window.first, GWLP_WNDPROC, LONG_PTR(&Watcher)));
    delete form;
    for (const auto& window : names) {
        EXPECT_TRUE(watches[window.first].sawLastMessage) << window.second;
        EXPECT_TRUE(watches[window.first].installedAfterIt) << window.second;
    }
}

TEST(Lifetime, EveryFontAndBrushGoesWithTheForm) {
    const DWORD gdiBefore = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    SetupForm* dialog = nullptr;
    NewSetupForm(dialog, nullptr);
    std::vector<HFONT> fonts{dialog->Form->GetFont()->Handle(), dialog->Panel->GetFont()->Handle()};
    std::vector<HBRUSH> brushes{BrushOf(dialog->Form->Handle(), WM_CTLCOLORSTATIC, dialog->Panel->Handle())};
    for (tk::Control* control :
         std::vector<tk::Control*>{dialog->NickPrefixLabel, dialog->BotCountLabel, dialog->SkillLabel,
                                   dialog->AboutButton, dialog->OkButton, dialog->BotCountCombo, dialog->SkillCombo,
                                   dialog->NickPrefixEdit, dialog->DebugCheck}) {
        fonts.push_back(control->GetFont()->Handle());
        brushes.push_back(BrushOf(dialog->Panel->Handle(), WM_CTLCOLORSTATIC, control->Handle()));
    }
    for (HFONT font : fonts) ASSERT_EQ(GetObjectType(font), DWORD(OBJ_FONT));
    for (HBRUSH brush : brushes) ASSERT_EQ(GetObjectType(brush), DWORD(OBJ_BRUSH));

    tk::MainWindow = nullptr;
    delete dialog->Form;

    for (size_t i = 0; i < fonts.size(); ++i) EXPECT_EQ(GetObjectType(fonts[i]), 0u) << "font " << i << " is left";
    for (size_t i = 0; i < brushes.size(); ++i) EXPECT_EQ(GetObjectType(brushes[i]), 0u) << "brush " << i << " is left";
    // Wine counts no GDI objects per process (0); where it does, the count is back where it was.
    const DWORD gdiAfter = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    if (gdiBefore) {
        EXPECT_EQ(gdiAfter, gdiBefore);
    }
}

TEST(Lifetime, AReplacedFontOrBrushIsReleasedAtOnce) {
    tk::Form* form = tk::NewForm(nullptr, "replaced");
    tk::Label* label = tk::NewLabel(form, "label");
    tk::Font* font = label->GetFont();

    struct Change {
        const char* name;
        void (*apply)(tk::Font*);
    } changes[] = {
        {"height", [](tk::Font* f) { f->SetHeight(20); }},
        {"face", [](tk::Font* f) { f->SetFace("Tahoma"); }},
        {"style", [](tk::Font* f) { f->SetStyle(tk::fsBold); }},
    };
    for (const Change& change : changes) {
        SCOPED_TRACE(change.name);
        HFONT old = font->Handle();
        change.apply(font);
        EXPECT_EQ(GetObjectType(old), 0u) << "the old font is left";
        EXPECT_EQ(HFONT(SendMessageA(label->Handle(), WM_GETFONT, 0, 0)), font->Handle());
    }

    HBRUSH first = BrushOf(form->Handle(), WM_CTLCOLORSTATIC, label->Handle());
    EXPECT_EQ(BrushOf(form->Handle(), WM_CTLCOLORSTATIC, label->Handle()), first) << "a new brush for every paint";
    label->SetColor(RGB(1, 2, 3));
    HBRUSH second = BrushOf(form->Handle(), WM_CTLCOLORSTATIC, label->Handle());
    EXPECT_EQ(GetObjectType(first), 0u) << "the old brush is left";
    LOGBRUSH described{};
    GetObjectA(second, sizeof described, &described);
    EXPECT_EQ(described.lbColor, RGB(1, 2, 3));
    delete form;
}
