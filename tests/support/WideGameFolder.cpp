// Each test names its folder in full; the folder is made anew at its start.
#include "tests/support/WideGameFolder.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "tests/support/Paths.h"
#include "tests/support/WidePaths.h"

WideGameFolder::WideGameFolder(const std::wstring& dir) : dir_(dir + L"\\") {
    RemoveTree(dir);
    EXPECT_TRUE(CreateFolders(PluginDir())) << Utf8(PluginDir());
    EXPECT_TRUE(CopyFileW(FromUtf8(ProgramExe()).c_str(), Extended(Exe()).c_str(), FALSE)) << Utf8(Exe());
}

void WideGameFolder::WriteConfig(const std::string& bytes) const {
    EXPECT_TRUE(WriteFileBytes(Config(), bytes)) << Utf8(Config());
}

std::string WideGameFolder::ReadConfig() const { return ReadFileBytes(Config()); }
