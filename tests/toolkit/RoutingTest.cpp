// Which object a notification reaches: only the child control that the receiving control made itself.
#include <gtest/gtest.h>

#include "toolkit/Button.h"
#include "toolkit/Form.h"
#include "toolkit/Panel.h"

#include <vector>

namespace {

class ClickCounter : public tk::Object {
public:
    void Click(tk::Control*) { ++clicks; }
    int clicks = 0;
};

}  // namespace

TEST(Routing, AClickReachesTheButtonOnlyFromItsOwnParentAndNamingItsOwnWindow) {
    tk::Form* form = tk::NewForm(nullptr, "routing");
    tk::Panel* panel = tk::NewPanel(form, tk::esNone);
    ClickCounter counter;
    tk::Button* button = tk::NewButton(panel, "real")->SetOnClick(&counter, &ClickCounter::Click);
    // A window of this thread inside the panel that is no control of ours, carrying the button's object in the
    // places a window can carry data.
    HWND stranger = CreateWindowExA(0, "BUTTON", "stranger", WS_CHILD, 0, 0, 10, 10, panel->Handle(), nullptr,
                                    GetModuleHandleA(nullptr), nullptr);
    SetPropA(stranger, "tk.Control", HANDLE(button));
    SetWindowLongPtrA(stranger, GWLP_USERDATA, LONG_PTR(button));

    struct Row {
        const char* name;
        HWND to;
        HWND naming;
        int clicks;
    } rows[] = {
        {"the panel, naming the button", panel->Handle(), button->Handle(), 1},
        {"the form above the panel, naming the button", form->Handle(), button->Handle(), 0},
        {"the button itself, naming itself", button->Handle(), button->Handle(), 0},
        {"the panel, naming a stranger in it", panel->Handle(), stranger, 0},
        {"the panel, naming no window", panel->Handle(), nullptr, 0},
    };
    for (const Row& row : rows) {
        counter.clicks = 0;
        SendMessageA(row.to, WM_COMMAND, MAKEWPARAM(0, BN_CLICKED), LPARAM(row.naming));
        EXPECT_EQ(counter.clicks, row.clicks) << row.name;
    }
    DestroyWindow(stranger);
    delete form;
}

namespace {

// What a form's window was sent during its creation, and whose procedure was to take each message.
struct CreationLog {
    std::vector<UINT> messages;
    std::vector<LONG_PTR> procedures;
};
CreationLog* creationLog = nullptr;

LRESULT CALLBACK LogFormMessage(int code, WPARAM wParam, LPARAM lParam) {
    const auto* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
    char className[16] = "";
    GetClassNameA(sent->hwnd, className, sizeof className);
    if (code == HC_ACTION && creationLog && lstrcmpA(className, "tk.Form") == 0) {
        creationLog->messages.push_back(sent->message);
        creationLog->procedures.push_back(GetWindowLongPtrA(sent->hwnd, GWLP_WNDPROC));
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

TEST(Routing, AFormTakesEveryMessageAfterItsWindowsCreationBegins) {
    CreationLog log;
    creationLog = &log;
    HHOOK hook = SetWindowsHookExA(WH_CALLWNDPROC, LogFormMessage, nullptr, GetCurrentThreadId());
    ASSERT_TRUE(hook);
    tk::Form* form = tk::NewForm(nullptr, "creation");
    UnhookWindowsHookEx(hook);
    creationLog = nullptr;

    LONG_PTR classProcedure = GetClassLongPtrA(form->Handle(), GCLP_WNDPROC);
    LONG_PTR formProcedure = GetWindowLongPtrA(form->Handle(), GWLP_WNDPROC);
    EXPECT_NE(formProcedure, classProcedure);
    size_t created = 0;
    while (created < log.messages.size() && log.messages[created] != WM_NCCREATE) ++created;
    ASSERT_LT(created + 1, log.messages.size()) << "no message after WM_NCCREATE";
    for (size_t i = created + 1; i < log.messages.size(); ++i)
        EXPECT_EQ(log.procedures[i], formProcedure) << "message 0x" << std::hex << log.messages[i];
    delete form;
}
