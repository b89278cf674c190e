// Where the plug-in keeps its settings.
#pragma once

#include <string>

#include "config/ProgramDir.h"

inline std::string ConfigPath() {
    return ProgramDir() + "basezul\\tolv.bot\\config.bot";
}
