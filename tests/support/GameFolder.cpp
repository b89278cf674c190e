// Each test gets its own folder under the scratch root, made anew at its start.
#include "tests/support/GameFolder.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "tests/support/Paths.h"

GameFolder::GameFolder(const std::string& name, const std::string& root) {
    std::string parent = root.empty() ? ScratchDir() : root;
    CreateDirectoryA(parent.c_str(), nullptr);
    std::string path = parent + "\\" + (name.empty() ? CurrentTestName() : name);
    RemoveTree(path);
    EXPECT_TRUE(CreateDirectoryA(path.c_str(), nullptr)) << path;
    dir_ = path + "\\";
    EXPECT_TRUE(CopyFileA(ProgramExe().c_str(), Exe().c_str(), FALSE)) << ProgramExe();
    CreateDirectoryA((dir_ + "basezul").c_str(), nullptr);
    CreateDirectoryA(PluginDir().c_str(), nullptr);
}

void GameFolder::WriteConfig(const std::string& bytes) const {
    EXPECT_TRUE(WriteFileBytes(Config(), bytes)) << Config();
}

std::string GameFolder::ReadConfig() const { return ReadFileBytes(Config()); }

bool GameFolder::HasConfig() const { return FileExists(Config()); }

void GameFolder::RemovePluginDir() const { RemoveTree(PluginDir()); }

std::string GameFolder::ReadValue(const char* section, const char* key, const char* fallback) const {
    std::string buffer(1 << 16, '\0');
    DWORD length = GetPrivateProfileStringA(section, key, fallback, &buffer[0], DWORD(buffer.size()), Config().c_str());
    buffer.resize(length);
    return buffer;
}
