// Hands the plug-in's help file to the shell; whatever the shell makes of it is its own business.
#include <windows.h>
#include <shellapi.h>

#include <string>

#include "config/ProgramDir.h"
#include "dialog/Unit1.h"

void SetupForm::AboutClick(tk::Control*) {
    std::string help = ProgramDir() + "basezul\\tolv.bot\\readme.chm";
    ShellExecuteA(nullptr, "open", help.c_str(), nullptr, nullptr, SW_RESTORE);
}
