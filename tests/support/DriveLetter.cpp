// Under Wine a drive letter is a link in the prefix's dosdevices folder, made here with ln; elsewhere DefineDosDevice.
#include "tests/support/DriveLetter.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "tests/support/UnixCommand.h"
#include "tests/support/Wait.h"

namespace {

std::string Environment(const char* name) {
    char value[MAX_PATH] = "";
    DWORD length = GetEnvironmentVariableA(name, value, sizeof value);
    return length && length < sizeof value ? value : "";
}

bool Accessible(char letter) {
    char root[] = {letter, ':', '\\', 0};
    return GetFileAttributesA(root) != INVALID_FILE_ATTRIBUTES;
}

}  // namespace

DriveLetter::DriveLetter(const std::string& folder) {
    bool wine = UnderWine();
    std::string prefix = Environment("WINEPREFIX");
    if (prefix.empty()) prefix = Environment("HOME") + "/.wine";
    for (char letter = 'Y'; letter >= 'D' && !letter_; --letter) {
        if ((GetLogicalDrives() >> (letter - 'A')) & 1 || Accessible(letter)) continue;
        if (wine) {
            // Wine's DefineDosDevice does not reach its file system, but Wine starts Unix programs like its own.
            // A link left behind for a letter nobody can use is replaced.
            link_ = prefix + "/dosdevices/" + char(letter - 'A' + 'a') + ":";
            RunUnix("/bin/ln -sfn \"" + UnixPathOf(folder) + "\" \"" + link_ + "\"");
        } else if (!DefineDosDeviceA(0, (std::string(1, letter) + ":").c_str(), folder.c_str())) {
            continue;
        }
        letter_ = letter;
    }
    if (!letter_ || !WaitUntil([&] { return Accessible(letter_); }))
        ADD_FAILURE() << "no drive letter could be given to " << folder;
}

DriveLetter::~DriveLetter() {
    if (!link_.empty()) {
        RunUnix("/bin/rm -f \"" + link_ + "\"");
        EXPECT_TRUE(WaitUntil([&] { return !Accessible(letter_); })) << "drive " << letter_ << ": stays";
    } else if (letter_) {
        DefineDosDeviceA(DDD_REMOVE_DEFINITION, (std::string(1, letter_) + ":").c_str(), nullptr);
    }
}
