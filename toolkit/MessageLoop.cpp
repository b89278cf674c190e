// No dialog manager and no accelerators: keys reach the focused control untouched.
#include "toolkit/MessageLoop.h"

namespace tk {

void Run(Form*& form) {
    form->MakeMainWindow();
    form->ShowTree();

    bool stopped = false;
    while (!stopped) {
        WaitMessage();
        MSG message;
        // A quit ends the run, but what is already queued behind it is still delivered.
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT) {
                stopped = true;
                continue;
            }
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    }

    MainWindow = nullptr;
    Form* closing = form;
    form = nullptr;
    delete closing;
}

}  // namespace tk
