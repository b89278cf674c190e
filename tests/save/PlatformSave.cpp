// The platform decides the layout of a saved file, so the platform makes the file a save is compared with.
#include "tests/save/PlatformSave.h"

#include <windows.h>

#include "tests/support/Paths.h"

PlatformSaved PlatformSave(const std::string& bytes, const DialogValues& values) {
    CreateDirectoryA(ScratchDir().c_str(), nullptr);
    std::string copy = ScratchDir() + "\\" + CurrentTestName() + ".platform-save.bot";
    DeleteFileA(copy.c_str());
    if (!bytes.empty()) WriteFileBytes(copy, bytes);
    WritePrivateProfileStringA("main", "num_bots", std::to_string(values.botIndex).c_str(), copy.c_str());
    WritePrivateProfileStringA("main", "debug", values.debug ? "1" : "0", copy.c_str());
    WritePrivateProfileStringA("bot", "skill", std::to_string(values.skillIndex + 1).c_str(), copy.c_str());
    WritePrivateProfileStringA("bot", "nick_prefix", values.nick.c_str(), copy.c_str());
    return PlatformSaved{ReadProfileView(copy), ReadFileBytes(copy).size()};
}
