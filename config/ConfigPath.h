// Where the plug-in keeps its settings.
#pragma once

#include <string>

#include "config/ProgramDir.h"

inline std::wstring ConfigPath() {
    return ProgramDir() + L"basezul\\tolv.bot\\config.bot";
}
