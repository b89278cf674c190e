// The program: build the dialog, run it until it is closed, end with exit code 0.
#include <windows.h>

#include "dialog/Unit1.h"
#include "toolkit/MessageLoop.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    NewSetupForm(SetupFormVar, nullptr);
    tk::Run(SetupFormVar->Form);
    ExitProcess(0);
}
