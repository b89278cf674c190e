// A fresh folder per test and a file name per case, so that no case sees what an earlier one left behind.
#pragma once

#include <windows.h>

#include <string>

#include "tests/support/Paths.h"

class ScratchFolder {
public:
    ScratchFolder() {
        CreateDirectoryA(ScratchDir().c_str(), nullptr);
        dir_ = ScratchDir() + "\\" + CurrentTestName();
        RemoveTree(dir_);
        CreateDirectoryA(dir_.c_str(), nullptr);
    }
    const std::string& Dir() const { return dir_; }
    // Each case gets a file of its own: Wine keeps recently used profile files in memory.
    std::string File(size_t row) const { return dir_ + "\\case" + std::to_string(row) + ".ini"; }

private:
    std::string dir_;
};
