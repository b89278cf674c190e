// Hands the plug-in's help file to the shell; whatever the shell makes of it is its own business.
#include <windows.h>
#include <shellapi.h>

#include <string>

#include "config/ProgramDir.h"
#include "dialog/Unit1.h"

void SetupForm::AboutClick(tk::Control*) {
    std::wstring help = ProgramDir() + L"basezul\\tolv.bot\\readme.chm";
    // The shell is loaded on the first click, not at start: it and what it loads cost every start a noticeable time.
    // It stays loaded, since what it starts may still be using it.
    auto shellExecute = reinterpret_cast<decltype(&ShellExecuteW)>(
        reinterpret_cast<void (*)()>(GetProcAddress(LoadLibraryA("shell32.dll"), "ShellExecuteW")));
    if (shellExecute) shellExecute(nullptr, L"open", help.c_str(), nullptr, nullptr, SW_RESTORE);
}
